#include "TForm1.h"

#include "Launcher.h"
#include "MainWindowControls.h"
#include "MainWindowTimers.h"
#include "ProductInfo.h"
#include "StartupChain.h"
#include "TForm17.h"
#include "config/LocalFiles.h"
#include "platform/HandlerGuard.h"
#include "platform/TextLabel.h"
#include "platform/WindowTimer.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLocale>
#include <QScreen>
#include <QTime>

TForm1::TForm1(Launcher &launcher)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_launcher(launcher),
      m_controls(this, &launcher.errors(), &launcher.browsers())
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("%1 - %2").arg(QLatin1String(ProductInfo::name), QLatin1String(ProductInfo::version)));
    setWindowIcon(QIcon(QStringLiteral(":/skin/appicon.png")));
    setFixedSize(clientWidth, clientHeight);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

    for (const TimerRow &t : mainWindowTimers())
        new WindowTimer(QString::fromLatin1(t.name), t.intervalMs, t.enabled, this);
    m_controls.build(mainWindowShellControls());
    m_chain = std::make_unique<StartupChain>(launcher, *this);
    onTimer(QStringLiteral("Timer5"), [this] { Timer5Timer(); });
    onTimer(QStringLiteral("Timer1"), [this] { Timer1Timer(); });
}

TForm1::~TForm1() = default;

WindowTimer *TForm1::timer(const QString &name) const
{
    return findChild<WindowTimer *>(name, Qt::FindDirectChildrenOnly);
}

void TForm1::onTimer(const QString &name, std::function<void()> handler)
{
    WindowTimer *t = timer(name);
    Q_ASSERT_X(t, "TForm1::onTimer", qPrintable(name));
    connect(t, &WindowTimer::tick, this, [this, handler = std::move(handler)] {
        runGuarded(&m_launcher.errors(), handler);
    });
}

void TForm1::showFirstTime()
{
    if (m_shown) {
        show();
        return;
    }
    m_shown = true;
    FormShow();
    if (m_launcher.hasEnded())
        return;
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    m_appeared = true;
}

void TForm1::FormShow()
{
    m_launcher.form17()->showModal();
}

void TForm1::setTransparent(bool on)
{
    setWindowOpacity(on ? transparentAlpha / 255.0 : 1.0);
}

QString TForm1::latch() const
{
    return control<TextLabel>(QStringLiteral("Label7"))->caption();
}

void TForm1::setLatch(const QString &value)
{
    control<TextLabel>(QStringLiteral("Label7"))->setCaption(value);
}

void TForm1::Timer5Timer()
{
    // The locale's long time format, without the time zone some locales add.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    control<TextLabel>(QStringLiteral("Label41"))->setCaption(QLocale::system().toString(QTime::currentTime(), format.trimmed()));
}

void TForm1::Timer1Timer()
{
    timer(QStringLiteral("Timer1"))->setEnabled(false);
}

void TForm1::Exit1Click()
{
    close();
}

void TForm1::FormClose()
{
    m_launcher.files().remove(LocalFiles::online);
    m_launcher.files().remove(LocalFiles::statistic);
}

// Closing never turns into hiding: the program ends, whichever event loop
// runs at the moment, and the close handler runs once.
void TForm1::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_launcher.hasEnded())
        return;
    runGuarded(&m_launcher.errors(), [this] { FormClose(); });
    m_launcher.end();
}
