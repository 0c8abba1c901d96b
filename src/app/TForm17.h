#pragma once

#include "platform/windows/Form.h"

class QProgressBar;

// The start-up progress window. Only the start-up chain moves its bar and
// closes it.
class TForm17 : public Form
{
    Q_OBJECT
public:
    TForm17(ErrorReporter &errors, BrowserFactory &browsers);

    void setProgress(int value);
    // Closes the window, ending its modal run.
    void finish();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QProgressBar *m_stav;
    bool m_finishing = false;
};
