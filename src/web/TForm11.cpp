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

const WindowFrame newVersionFrame = {.name = "TForm11", .caption = "New version of OVCL avaible!",
                                     .client = {273, 207}, .position = {528, 309},
                                     .flags = Form::toolWindowWithoutIcons(), .font = "Tahoma"};

const std::vector<ControlRow> &newVersionControls()
{
    static const std::vector<ControlRow> rows = {
        {.name = "Label1", .kind = ControlKind::Label, .left = 8, .top = 6, .width = 257, .height = 14,
         .content = "Pozor, nová verze OVCL ke stažení!", .style = bold},
        {.name = "Label2", .kind = ControlKind::Label, .left = 8, .top = 21, .width = 257, .height = 14,
         .content = "New version of OVCL available for download!", .style = bold},
        {.name = "Label3", .kind = ControlKind::Label, .left = 8, .top = 18, .width = 76, .height = 14,
         .content = "New version:", .style = bold, .parent = "GroupBox1"},
        {.name = "Label6", .kind = ControlKind::Label, .left = 88, .top = 18, .width = 160, .height = 14,
         .content = "N/A", .parent = "GroupBox1"},
        {.name = "Label5", .kind = ControlKind::Label, .left = 8, .top = 34, .width = 126, .height = 14,
         .content = "New(s) in this version:", .style = bold, .parent = "GroupBox1"},
        {.name = "Label8", .kind = ControlKind::Label, .left = 134, .top = 34, .width = 118, .height = 14,
         .content = "N/A", .parent = "GroupBox1"},
        {.name = "Label9", .kind = ControlKind::Label, .left = 134, .top = 50, .width = 118, .height = 14,
         .content = "N/A", .parent = "GroupBox1"},
        {.name = "Label10", .kind = ControlKind::Label, .left = 8, .top = 114, .width = 84, .height = 14,
         .content = "Aktualizovat? ", .style = bold},
        {.name = "Label11", .kind = ControlKind::Label, .left = 96, .top = 114, .width = 100, .height = 14,
         .content = "Update now?", .style = bold},
        {.name = "Button1", .kind = ControlKind::Button, .left = 8, .top = 132, .width = 120, .height = 25,
         .content = "Ano / Yes"},
        {.name = "Button2", .kind = ControlKind::Button, .left = 136, .top = 132, .width = 129, .height = 25,
         .content = "Nyní ne / No now"},
        {.name = "CheckBox1", .kind = ControlKind::CheckBox, .left = 8, .top = 164, .width = 257, .height = 17,
         .content = "Příšte nezobrazovat automaticky toto okno"},
        {.name = "Label12", .kind = ControlKind::Label, .left = 8, .top = 182, .width = 264, .height = 14,
         .content = "    In next time don't show automatically this window. "},
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
