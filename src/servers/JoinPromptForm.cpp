#include "JoinPromptForm.h"

#include "Bilingual.h"
#include "CentreOnScreen.h"
#include "platform/controls/TextLabel.h"

#include <QKeyEvent>
#include <QPushButton>

namespace {
constexpr const char *lineStyle = "color: white; font-weight: bold;";

const WindowFrame promptFrame = {.name = "JoinPrompt", .caption = "OVCL", .client = {364, 72},
                                 .position = {-1, -1}, .flags = Form::toolWindow(), .fixedSize = true,
                                 .background = Qt::black, .font = "Tahoma"};

const std::vector<ControlRow> &promptControls()
{
    static const std::vector<ControlRow> rows = {
        {.name = "ServerLine", .kind = ControlKind::Label, .left = 8, .top = 10, .width = 348, .height = 16,
         .style = lineStyle},
        {.name = "WaitButton", .kind = ControlKind::Button, .left = 8, .top = 39, .width = 124, .height = 25},
        {.name = "JoinAnywayButton", .kind = ControlKind::Button, .left = 138, .top = 39, .width = 112, .height = 25},
        {.name = "CancelButton", .kind = ControlKind::Button, .left = 256, .top = 39, .width = 100, .height = 25},
    };
    return rows;
}

} // namespace

JoinPromptForm::JoinPromptForm(ErrorReporter &errors, BrowserFactory &browsers)
    : Form(promptFrame, errors, browsers)
{
    ControlHost &host = controls();
    host.build(promptControls());
    m_line = host.get<TextLabel>("ServerLine");
    m_wait = host.get<QPushButton>("WaitButton");
    m_joinAnyway = host.get<QPushButton>("JoinAnywayButton");
    m_cancel = host.get<QPushButton>("CancelButton");
    // Enter takes the wait, wherever the focus is.
    m_wait->setDefault(true);
    m_joinAnyway->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    host.onClick(m_wait, [this] { choose(Wait); });
    host.onClick(m_joinAnyway, [this] { choose(JoinAnyway); });
    host.onClick(m_cancel, [this] { choose(Cancel); });
}

JoinPromptForm::Choice JoinPromptForm::ask(JoinDecision::Verdict verdict, const QString &serverLine, bool english)
{
    const bool silent = verdict == JoinDecision::AskSilent;
    setWindowTitle(silent ? bilingual(english, "OVCL - Server neodpovídá", "OVCL - Server does not answer")
                          : bilingual(english, "OVCL - Server je plný", "OVCL - Server is full"));
    m_line->setCaption(serverLine);
    m_wait->setText(silent ? bilingual(english, "Počkat, až naběhne", "Wait until it is up")
                           : bilingual(english, "Počkat na místo", "Wait for a slot"));
    m_joinAnyway->setText(bilingual(english, "Připojit i tak", "Join anyway"));
    m_cancel->setText(bilingual(english, "Zrušit", "Cancel"));
    m_choice = Cancel; // the close box
    m_wait->setFocus();
    centreOnScreen(*this);
    showModal();
    return m_choice;
}

void JoinPromptForm::choose(Choice choice)
{
    m_choice = choice;
    close();
}

// Unlike the launcher's other windows, this one is left by Escape.
void JoinPromptForm::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        choose(Cancel);
        return;
    }
    Form::keyPressEvent(event);
}
