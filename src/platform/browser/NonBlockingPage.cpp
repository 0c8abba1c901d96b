#include "NonBlockingPage.h"

#include <QCoreApplication>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace {
// The same limit inside the page, so that a page that calls dialogs without
// end spins in its own process and does not keep this one busy answering
// it. A document's frames of the same origin share its count: those that
// get this script themselves take their parent's, and blank ones, which get
// none, are limited by their parent as soon as they are created or reached.
QWebEngineScript dialogLimit()
{
    QWebEngineScript script;
    script.setName(QStringLiteral("dialog-limit"));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(true);
    script.setSourceCode(QStringLiteral(R"((function () {
    var key = '__ovclDialogLimit';
    function shared(win) {
        try {
            return win[key] || null;
        } catch (e) {
            return null; // another origin
        }
    }
    var left = %1;
    var take = (window.parent !== window && shared(window.parent)) || function () {
        if (left <= 0)
            return false;
        --left;
        return true;
    };
    function limit(win) {
        try {
            if (!win || win[key])
                return;
            Object.defineProperty(win, key, { value: take });
        } catch (e) {
            return;
        }
        [['alert', undefined], ['confirm', false], ['prompt', null]].forEach(function (dialog) {
            var ask = win[dialog[0]];
            Object.defineProperty(win, dialog[0], {
                value: function () {
                    return take() ? ask.apply(win, arguments) : dialog[1];
                },
                writable: false,
                configurable: false
            });
        });
    }
    limit(window);
    [HTMLIFrameElement, HTMLFrameElement, HTMLObjectElement].forEach(function (type) {
        ['contentWindow', 'contentDocument'].forEach(function (name) {
            var reach = Object.getOwnPropertyDescriptor(type.prototype, name);
            if (!reach || !reach.get)
                return;
            Object.defineProperty(type.prototype, name, {
                get: function () {
                    var found = reach.get.call(this);
                    limit(found && name === 'contentDocument' ? found.defaultView : found);
                    return found;
                },
                configurable: false
            });
        });
    });
    // A frame has its window as soon as it is put into the document, and is
    // limited before the page can reach it by index (frames[0]).
    window.addEventListener('DOMNodeInserted', function (event) {
        var node = event.target;
        if (!node.querySelectorAll)
            return;
        [node].concat(Array.prototype.slice.call(node.querySelectorAll('iframe, frame'))).forEach(function (frame) {
            if (frame instanceof HTMLIFrameElement || frame instanceof HTMLFrameElement)
                frame.contentWindow;
        });
    }, true);
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
