#pragma once

#include "platform/windows/Form.h"
#include "query/JoinDecision.h"

class QPushButton;
class TextLabel;

// The question before a join the server would refuse or never answer:
// wait, join anyway or cancel. Enter waits; Escape and the close box cancel.
class JoinPromptForm : public Form
{
    Q_OBJECT
public:
    enum Choice { Wait, JoinAnyway, Cancel };

    JoinPromptForm(ErrorReporter &errors, BrowserFactory &browsers);

    // Asks, modally to the launcher's windows, about a full or a silent
    // server; 'serverLine' names it with its players.
    Choice ask(JoinDecision::Verdict verdict, const QString &serverLine, bool english);

    TextLabel &serverLine() const { return *m_line; }
    QPushButton &waitButton() const { return *m_wait; }
    QPushButton &joinAnywayButton() const { return *m_joinAnyway; }
    QPushButton &cancelButton() const { return *m_cancel; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void choose(Choice choice);

    TextLabel *m_line;
    QPushButton *m_wait;
    QPushButton *m_joinAnyway;
    QPushButton *m_cancel;
    Choice m_choice = Cancel;
};
