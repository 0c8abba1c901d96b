#pragma once

#include <QString>

// The Czech or the English form of a text.
inline QString bilingual(bool english, const char *czech, const char *inEnglish)
{
    return QString::fromUtf8(english ? inEnglish : czech);
}
