#include "TForm1.h"

#include "MainWindowControls.h"
#include "ProductInfo.h"
#include "TForm17.h"
#include "platform/controls/HandlerGuard.h"
#include "platform/controls/TextLabel.h"
#include "platform/controls/WindowTimer.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLocale>
#include <QScreen>
#include <QTime>

const WindowFrame TForm1::frame = {.name = "TForm1", .caption = nullptr, .client = {clientWidth, clientHeight},
                                   .position = {-1, -1},
                                   .flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint,
                                   .fixedSize = true, .background = Qt::black, .alpha = 220};

TForm1::TForm1(ErrorReporter &errors, BrowserFactory &browsers)
    : QWidget(nullptr, frame.flags), m_errors(errors), m_controls(this, &errors, &browsers)
{
    frame.applyTo(this);
    setWindowTitle(QStringLiteral("%1 - %2").arg(QLatin1String(ProductInfo::name), QLatin1String(ProductInfo::version)));
    setWindowIcon(QIcon(QStringLiteral(":/skin/appicon.png")));

    for (const TimerRow &t : mainWindowTimers())
        m_timers.*t.timer = new WindowTimer(QString::fromLatin1(t.name), t.intervalMs, t.enabled, this);
    m_controls.build(mainWindowShellControls());
    m_latch = m_controls.get<TextLabel>("Label7");
    m_clockPrefix = m_controls.get<TextLabel>("Label19");
    m_clock = m_controls.get<TextLabel>("Label41");
    onTick(m_timers.clockTimer, [this] { Timer5Timer(); });
    onTick(m_timers.languageTimer, [this] { Timer1Timer(); });
}

TForm1::~TForm1() = default;

void TForm1::onTick(WindowTimer *timer, std::function<void()> handler)
{
    connect(timer, &WindowTimer::tick, this, [this, handler = std::move(handler)] { runGuarded(&m_errors, handler); });
}

void TForm1::showFirstTime(TForm17 &progress)
{
    if (m_shown) {
        show();
        return;
    }
    m_shown = true;
    // FormShow: the start-up chain runs behind the progress window.
    progress.showModal();
    if (m_closed)
        return;
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect place(QPoint(), size());
        place.moveCenter(screen->availableGeometry().center());
        move(place.topLeft());
    }
    show();
    m_appeared = true;
}

void TForm1::setTransparent(bool on)
{
    frame.setTransparent(this, on);
}

QString TForm1::latch() const
{
    return m_latch->caption();
}

void TForm1::setLatch(const QString &value)
{
    m_latch->setCaption(value);
}

void TForm1::Timer5Timer()
{
    showTime();
}

// The locale's long time format, without the time zone some locales add.
void TForm1::showTime()
{
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    m_clock->setCaption(QLocale::system().toString(QTime::currentTime(), format.trimmed()));
}

void TForm1::Timer1Timer()
{
    m_timers.languageTimer->setEnabled(false);
}

void TForm1::Exit1Click()
{
    close();
}

// What goes with the program (the counters' local copies) goes now.
void TForm1::FormClose()
{
    emit closing();
}

// Closing never turns into hiding: the program ends, whichever event loop
// runs at the moment, and the close handler runs once.
void TForm1::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_closed)
        return;
    runGuarded(&m_errors, [this] { FormClose(); });
    m_closed = true;
    emit closed();
}
