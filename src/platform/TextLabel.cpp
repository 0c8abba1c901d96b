#include "TextLabel.h"

#include "TextFit.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

TextLabel::TextLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::NoTextInteraction);
}

void TextLabel::setCaption(const QString &caption)
{
    m_caption = caption;
    QString shown = caption;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setText(shown);
    if (!m_room.isNull())
        fitRoom();
}

void TextLabel::keepWithin(const QRect &room)
{
    m_room = room;
    m_leastHeight = height();
    fitRoom();
}

// How many lines fit between the label's top and the bottom of its room.
int TextLabel::roomLines() const
{
    const QFontMetrics metrics = fontMetrics();
    const QMargins frame = contentsMargins();
    const int roomHeight = m_room.bottom() + 1 - y() - frame.top() - frame.bottom();
    return qMax(1, (roomHeight + metrics.leading()) / qMax(1, metrics.lineSpacing()));
}

// The lines that fit below the label's top, and the height they take.
void TextLabel::fitRoom()
{
    m_shown = TextFit::fit(text(), fontMetrics(), contentsRect().width(), roomLines());
    const int needed = sizeHint().height();
    resize(width(), qMin(qMax(m_leastHeight, needed), m_room.bottom() + 1 - y()));
    update();
}

QSize TextLabel::sizeHint() const
{
    if (m_room.isNull())
        return QLabel::sizeHint();
    const QMargins frame = contentsMargins();
    const QSize text = fontMetrics().size(0, m_shown);
    return text.grownBy(frame);
}

QSize TextLabel::minimumSizeHint() const
{
    return m_room.isNull() ? QLabel::minimumSizeHint() : sizeHint();
}

void TextLabel::paintEvent(QPaintEvent *event)
{
    if (m_room.isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QFrame::paintEvent(event);
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), m_shown, foregroundRole());
}

void TextLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (!m_room.isNull() && (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange))
        fitRoom();
}
