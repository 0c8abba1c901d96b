#pragma once

#include <QString>

// What the start-up check makes of the version the web server offers. The
// versions are compared as whole strings, never parsed: any text other than
// the launcher's own version counts as a new version, an older one included;
// an empty value is none.
namespace VersionDecision {
bool offersNewVersion(const QString &offered);
// The tray balloon announcing 'offered'.
QString balloonTitle();
QString balloonText(const QString &offered);
// The tray menu entry's caption once 'offered' is known: the current caption, a blank and the version.
QString menuCaption(const QString &current, const QString &offered);
} // namespace VersionDecision
