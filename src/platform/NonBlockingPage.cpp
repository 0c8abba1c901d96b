#include "NonBlockingPage.h"

#include <QCoreApplication>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace {
// The same limit inside every document of the page, so that a page that calls
// dialogs without end spins in its own process and does not keep this one
// busy answering it.
QWebEngineScript dialogLimit()
{
    QWebEngineScript script;
    script.setName(QStringLiteral("dialog-limit"));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(true);
    script.setSourceCode(QStringLiteral(R"((function () {
    var left = %1;
    function limit(name, refused) {
        var ask = window[name];
        Object.defineProperty(window, name, {
            value: function () {
                if (left <= 0)
                    return refused;
                --left;
                return ask.apply(window, arguments);
            },
            writable: false,
            configurable: false
        });
    }
    limit('alert', undefined);
    limit('confirm', false);
    limit('prompt', null);
})();)")
                             .arg(NonBlockingPage::dialogsPerLoad));
    return script;
}
} // namespace

NonBlockingPage::NonBlockingPage(QObject *parent) : QWebEnginePage(parent)
{
    scripts().insert(dialogLimit());
    connect(this, &QWebEnginePage::loadStarted, this, [this] { m_dialogs = 0; });
}

bool NonBlockingPage::admit()
{
    if (m_dialogs >= dialogsPerLoad)
        return false;
    ++m_dialogs;
    return true;
}

void NonBlockingPage::javaScriptAlert(const QUrl &, const QString &message)
{
    if (admit())
        emit alerted(message);
}

// The engine asks a page's unload handler through the confirmation with a
// text of its own. Whoever started that navigation, the launcher or the
// player with a click, wanted to leave: the page is left. Any other
// confirmation gets the answer a player gives by closing the dialog.
bool NonBlockingPage::javaScriptConfirm(const QUrl &, const QString &message)
{
    if (message == leavePageQuestion())
        return true;
    admit();
    return false;
}

QString NonBlockingPage::leavePageQuestion()
{
    return QCoreApplication::translate(
        "QWebEnginePage", "Are you sure you want to leave this page? Changes that you made may not be saved.");
}

bool NonBlockingPage::javaScriptPrompt(const QUrl &, const QString &, const QString &, QString *)
{
    admit();
    return false;
}
