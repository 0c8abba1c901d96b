#pragma once

#include "TestLaunchers.h"
#include "app/TForm1.h"
#include "app/TForm16.h"
#include "app/TForm17.h"
#include "app/TForm18.h"
#include "app/TForm2.h"
#include "config/TForm5.h"
#include "web/BrowserWindow.h"
#include "web/TForm11.h"
#include "web/TForm12.h"
#include "web/TForm13.h"
#include "web/TForm7.h"

#include <QProgressBar>

// A launcher's windows by their object names.
template <typename T>
T *launcherWindow(const Launcher &launcher, const char *name)
{
    return qobject_cast<T *>(TestLaunchers::window(launcher, QLatin1String(name)));
}

inline TForm1 *form1(const Launcher &l) { return launcherWindow<TForm1>(l, "TForm1"); }
inline TForm2 *form2(const Launcher &l) { return launcherWindow<TForm2>(l, "TForm2"); }
inline TForm5 *form5(const Launcher &l) { return launcherWindow<TForm5>(l, "TForm5"); }
inline BrowserWindow *form6(const Launcher &l) { return launcherWindow<BrowserWindow>(l, "TForm6"); }
inline TForm7 *form7(const Launcher &l) { return launcherWindow<TForm7>(l, "TForm7"); }
inline BrowserWindow *form8(const Launcher &l) { return launcherWindow<BrowserWindow>(l, "TForm8"); }
inline BrowserWindow *form9(const Launcher &l) { return launcherWindow<BrowserWindow>(l, "TForm9"); }
inline BrowserWindow *form10(const Launcher &l) { return launcherWindow<BrowserWindow>(l, "TForm10"); }
inline TForm11 *form11(const Launcher &l) { return launcherWindow<TForm11>(l, "TForm11"); }
inline TForm12 *form12(const Launcher &l) { return launcherWindow<TForm12>(l, "TForm12"); }
inline TForm13 *form13(const Launcher &l) { return launcherWindow<TForm13>(l, "TForm13"); }
inline BrowserWindow *form15(const Launcher &l) { return launcherWindow<BrowserWindow>(l, "TForm15"); }
inline TForm16 *form16(const Launcher &l) { return launcherWindow<TForm16>(l, "TForm16"); }
inline TForm17 *form17(const Launcher &l) { return launcherWindow<TForm17>(l, "TForm17"); }
inline TForm18 *form18(const Launcher &l) { return launcherWindow<TForm18>(l, "TForm18"); }

// Where the progress window's bar stands.
inline int startupProgress(const Launcher &l)
{
    return form17(l)->findChild<QProgressBar *>(QStringLiteral("stav"))->value();
}
