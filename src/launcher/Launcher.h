#pragma once

#include "Services.h"
#include "StartupHooks.h"
#include "platform/WindowGroup.h"

#include <QObject>
#include <memory>
#include <vector>

class Form;
class LocalFiles;
class SoundCues;
class TForm1;
class TForm2;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;
class TForm11;
class TForm12;
class TForm13;
class TForm15;
class TForm16;
class TForm17;
class TForm18;

// A subsystem's controls and handlers, installed into the windows once.
class Subsystem
{
public:
    virtual ~Subsystem() = default;
};

// One launcher run: owns the platform services and the fifteen windows, and
// is how the windows reach each other.
class Launcher : public QObject
{
    Q_OBJECT
public:
    explicit Launcher(Services services);
    ~Launcher() override;

    // Shows the main window for the first time; the start-up chain runs
    // while the progress window is up, and this returns once it has closed.
    // The browser controls begin loading once the main window is painted.
    void start();

    // The main window has closed: every other window leaves the screen, and
    // nothing shows a window or goes on with the start-up chain any more.
    void end();
    bool hasEnded() const { return m_ended; }

    // Every shown window of the launcher leaves the screen; the taskbar entry
    // stays.
    void minimiseApplication();
    // Brings back what is minimised and, once it has appeared, the main
    // window; a modal window that is up stays on top of it with the focus.
    void restoreApplication();

    QString applicationDirectory() const { return m_services.applicationDirectory; }
    ProfileStore &profiles() { return *m_services.profiles; }
    DownloadService &downloads() { return *m_services.downloads; }
    ShellService &shell() { return *m_services.shell; }
    SoundService &sound() { return *m_services.sound; }
    BeepService &beep() { return *m_services.beep; }
    FileDialogService &fileDialogs() { return *m_services.fileDialogs; }
    ErrorReporter &errors() { return *m_services.errors; }
    BrowserFactory &browsers() { return *m_services.browsers; }
    TrayService &tray() { return *m_services.tray; }

    LocalFiles &files() { return *m_files; }
    SoundCues &cues() { return *m_cues; }
    StartupHooks &hooks() { return m_hooks; }

    TForm1 *form1() const { return m_form1.get(); }
    TForm2 *form2() const { return m_form2.get(); }
    TForm5 *form5() const { return m_form5.get(); }
    TForm6 *form6() const { return m_form6.get(); }
    TForm7 *form7() const { return m_form7.get(); }
    TForm8 *form8() const { return m_form8.get(); }
    TForm9 *form9() const { return m_form9.get(); }
    TForm10 *form10() const { return m_form10.get(); }
    TForm11 *form11() const { return m_form11.get(); }
    TForm12 *form12() const { return m_form12.get(); }
    TForm13 *form13() const { return m_form13.get(); }
    TForm15 *form15() const { return m_form15.get(); }
    TForm16 *form16() const { return m_form16.get(); }
    TForm17 *form17() const { return m_form17.get(); }
    TForm18 *form18() const { return m_form18.get(); }

signals:
    // The main window has closed: the program ends.
    void finished();

private:
    void installSubsystems();
    std::vector<Form *> secondaryWindows() const;

    Services m_services;
    WindowGroup m_group;
    bool m_ended = false;
    std::unique_ptr<LocalFiles> m_files;
    std::unique_ptr<SoundCues> m_cues;
    StartupHooks m_hooks;
    // Windows, in the order they are created.
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TForm2> m_form2;
    std::unique_ptr<TForm5> m_form5;
    std::unique_ptr<TForm6> m_form6;
    std::unique_ptr<TForm7> m_form7;
    std::unique_ptr<TForm8> m_form8;
    std::unique_ptr<TForm9> m_form9;
    std::unique_ptr<TForm10> m_form10;
    std::unique_ptr<TForm11> m_form11;
    std::unique_ptr<TForm12> m_form12;
    std::unique_ptr<TForm13> m_form13;
    std::unique_ptr<TForm15> m_form15;
    std::unique_ptr<TForm16> m_form16;
    std::unique_ptr<TForm17> m_form17;
    std::unique_ptr<TForm18> m_form18;
    std::vector<std::unique_ptr<Subsystem>> m_subsystems;
};
