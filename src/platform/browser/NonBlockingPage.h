#pragma once

#include <QWebEnginePage>

// A web page whose script dialogs never wait for the player. The engine asks
// for alert(), confirm() and prompt() synchronously, so any dialog that
// waited for an answer would stop the whole program with it. Here an alert
// is handed on as a notice to show beside the page, a confirmation is
// declined and a prompt cancelled, at once. A page that asks to be kept when
// it is left (an unload handler) is left all the same. After the first few dialogs
// since the page last began to load, further ones are dropped unseen, as
// browsers offer to stop a page from creating more dialogs. Each document
// of the page keeps the same count itself, so that the dropped ones never
// reach this process.
class NonBlockingPage : public QWebEnginePage
{
    Q_OBJECT
public:
    explicit NonBlockingPage(QObject *parent = nullptr);

    static constexpr int dialogsPerLoad = 3;

signals:
    // An alert the player should see.
    void alerted(const QString &message);

protected:
    void javaScriptAlert(const QUrl &securityOrigin, const QString &message) override;
    bool javaScriptConfirm(const QUrl &securityOrigin, const QString &message) override;
    bool javaScriptPrompt(const QUrl &securityOrigin, const QString &message, const QString &defaultValue,
                          QString *result) override;

private:
    // What the engine asks when a page's unload handler wants it kept.
    static QString leavePageQuestion();
    // Counts one more dialog; false once the page has had its share.
    bool admit();

    int m_dialogs = 0;
};
