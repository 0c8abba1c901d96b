#pragma once

#include "platform/system/FileDialogService.h"

class WindowGroup;

// The toolkit's own dialog, modal to the launcher's windows only: the tray
// icon and its menu keep answering while it is up.
class QtFileDialogService : public FileDialogService
{
public:
    explicit QtFileDialogService(WindowGroup &windows) : m_windows(windows) {}

    QString openFile(const QString &title, const QString &initialFile, const QString &filter,
                     const QStringList &places = {}) override;

private:
    WindowGroup &m_windows;
};
