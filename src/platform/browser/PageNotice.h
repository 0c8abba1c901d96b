#pragma once

#include <QFrame>

class QLabel;

// A page's message, shown over the top of its browser control until the
// player dismisses it with OK. It blocks nothing: the page, its window and
// every other window go on working meanwhile. A new message replaces the one
// shown.
class PageNotice : public QFrame
{
    Q_OBJECT
public:
    explicit PageNotice(QWidget *browser);

    void showMessage(const QString &message);

    // Longer messages are cut to this many characters.
    static constexpr int maxCharacters = 300;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fit();

    QLabel *m_text;
};
