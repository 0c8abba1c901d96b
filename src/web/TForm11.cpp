#include "TForm11.h"

#include "app/TForm1.h"
#include "config/LocalFiles.h"
#include "platform/controls/HandlerGuard.h"
#include "platform/controls/TextLabel.h"
#include "platform/system/ShellService.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

namespace {
constexpr const char *bold = "font-weight: bold;";
constexpr Qt::CursorShape arrow = Qt::ArrowCursor;

const WindowFrame newVersionFrame = {"TForm11", "New version of OVCL avaible!", {273, 207}, {528, 309},
                                     Form::toolWindowWithoutIcons(), false, {}, {}, "Tahoma"};

const std::vector<ControlRow> &newVersionControls()
{
    static const std::vector<ControlRow> rows = {
        {"Label1", ControlKind::Label, 8, 6, 257, 14, "Pozor, nová verze OVCL ke stažení!", nullptr, arrow, true, 0, bold},
        {"Label2", ControlKind::Label, 8, 21, 257, 14, "New version of OVCL available for download!", nullptr, arrow, true, 0, bold},
        {"Label3", ControlKind::Label, 8, 18, 76, 14, "New version:", nullptr, arrow, true, 0, bold, "GroupBox1"},
        {"Label6", ControlKind::Label, 88, 18, 160, 14, "N/A", nullptr, arrow, true, 0, nullptr, "GroupBox1"},
        {"Label5", ControlKind::Label, 8, 34, 126, 14, "New(s) in this version:", nullptr, arrow, true, 0, bold, "GroupBox1"},
        {"Label8", ControlKind::Label, 134, 34, 118, 14, "N/A", nullptr, arrow, true, 0, nullptr, "GroupBox1"},
        {"Label9", ControlKind::Label, 134, 50, 118, 14, "N/A", nullptr, arrow, true, 0, nullptr, "GroupBox1"},
        {"Label10", ControlKind::Label, 8, 114, 84, 14, "Aktualizovat? ", nullptr, arrow, true, 0, bold},
        {"Label11", ControlKind::Label, 96, 114, 100, 14, "Update now?", nullptr, arrow, true, 0, bold},
        {"Button1", ControlKind::Button, 8, 132, 120, 25, "Ano / Yes"},
        {"Button2", ControlKind::Button, 136, 132, 129, 25, "Nyní ne / No now"},
        {"CheckBox1", ControlKind::CheckBox, 8, 164, 257, 17, "Příšte nezobrazovat automaticky toto okno"},
        {"Label12", ControlKind::Label, 8, 182, 264, 14, "    In next time don't show automatically this window. "},
    };
    return rows;
}
} // namespace

TForm11::TForm11(ErrorReporter &errors, BrowserFactory &browsers, TForm1 &mainWindow, ShellService &shell,
                 LocalFiles &files, const QString &applicationDirectory)
    : Form(newVersionFrame, errors, browsers),
      m_mainWindow(mainWindow),
      m_shell(shell),
      m_files(files),
      m_applicationDirectory(applicationDirectory)
{
    auto *group = new QGroupBox(QStringLiteral("Informace o nové verzi, new verison info"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(8, 38, 257, 70);
    controls().build(newVersionControls());
    m_version = controls().get<TextLabel>("Label6");
    m_news1 = controls().get<TextLabel>("Label8");
    m_news2 = controls().get<TextLabel>("Label9");
    m_notShow = controls().get<QCheckBox>("CheckBox1");

    controls().onClick(controls().get<QPushButton>("Button1"), [this] { Button1Click(); });
    controls().onClick(controls().get<QPushButton>("Button2"), [this] { Button2Click(); });
    // Every change of state writes, also one that the start-up check makes.
    connect(m_notShow, &QCheckBox::toggled, this, [this, reporter = &errors] {
        runGuarded(reporter, [this] { CheckBox1Click(); });
    });
}

void TForm11::showOffer(const QString &version, const QString &news1, const QString &news2)
{
    m_version->setCaption(version);
    m_news1->setCaption(news1);
    m_news2->setCaption(news2);
}

void TForm11::showOlderOffer(const QString &version, const QString &news)
{
    m_version->setCaption(version);
    m_news1->setCaption(news);
}

// The launcher is told to end first; the updater then starts from the
// application directory, and whether it started is not looked at.
void TForm11::Button1Click()
{
    m_mainWindow.close();
    m_shell.startProgram(QStringLiteral("ovcl_update.exe"), QString(), m_applicationDirectory);
}

void TForm11::Button2Click()
{
    close();
}

void TForm11::CheckBox1Click()
{
    m_files.write(LocalFiles::notshow, LocalFiles::flag(m_notShow->isChecked()));
}
