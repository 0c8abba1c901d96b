#include "DialogFilter.h"

#include <QStringList>

QString DialogFilter::toQt(const QString &filter, bool allFiles)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString &description = parts.at(i);
        QString pattern = parts.at(i + 1);
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString suffix = QLatin1Char('(') + pattern + QLatin1Char(')');
        // The toolkit takes the patterns from the last parentheses of an entry.
        entries << (description.endsWith(suffix) ? description : description + QLatin1Char(' ') + suffix);
    }
    if (allFiles)
        entries << QStringLiteral("All files (*)");
    return entries.join(QLatin1String(";;"));
}
