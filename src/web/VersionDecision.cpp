#include "VersionDecision.h"

#include "app/ProductInfo.h"

namespace VersionDecision {

// An empty value names no version at all: there is nothing to announce or update to.
bool offersNewVersion(const QString &offered)
{
    return !offered.isEmpty() && offered != QLatin1String(ProductInfo::version);
}

QString balloonTitle()
{
    return QStringLiteral("OVCL Update");
}

QString balloonText(const QString &offered)
{
    return QStringLiteral("K dispozici nová verze OVCL ") + offered + QStringLiteral(". New version of OVCL ") + offered
           + QStringLiteral(" available!");
}

QString menuCaption(const QString &current, const QString &offered)
{
    return current + QLatin1Char(' ') + offered;
}

} // namespace VersionDecision
