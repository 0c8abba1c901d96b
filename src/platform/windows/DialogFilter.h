#pragma once

#include <QString>

// Turns a "description|pattern|description|pattern" filter into the
// toolkit's "description (pattern);;..." notation. With 'allFiles' an
// "All files (*)" entry is added last.
namespace DialogFilter {
QString toQt(const QString &filter, bool allFiles);
}
