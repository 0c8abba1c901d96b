#include "TextLabel.h"

#include "TextFit.h"
#include "platform/system/ApplicationFonts.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>

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

QFont TextLabel::drawnFont() const
{
    QFont drawn = font();
    if (ApplicationFonts::bold(drawn) == ApplicationFonts::Bold::OverstrikeWidened)
        drawn.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    return drawn;
}

static int widestLine(const QFontMetrics &metrics, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

static int overstrikeWidth(const QFont &font)
{
    return ApplicationFonts::bold(font) != ApplicationFonts::Bold::Face ? 1 : 0;
}

int TextLabel::textWidth() const
{
    return widestLine(QFontMetrics(drawnFont()), shownText()) + overstrikeWidth(font());
}

// Where QLabel puts its text: the contents less the margin and the indent,
// which lies on the side the text is aligned to.
QRect TextLabel::textRect() const
{
    QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    int indent = this->indent();
    if (indent < 0)
        indent = frameWidth() > 0 ? fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    if (align & Qt::AlignLeft)
        room.setLeft(room.left() + indent);
    else if (align & Qt::AlignRight)
        room.setRight(room.right() - indent);
    return room;
}

int TextLabel::textRoom() const
{
    return textRect().width();
}

// How many lines fit between the label's top and the bottom of its room.
int TextLabel::roomLines() const
{
    const QFontMetrics metrics(drawnFont());
    const QMargins frame = contentsMargins();
    const int roomHeight = m_room.bottom() + 1 - y() - frame.top() - frame.bottom();
    return qMax(1, (roomHeight + metrics.leading()) / qMax(1, metrics.lineSpacing()));
}

// The lines that fit below the label's top, and the height they take.
void TextLabel::fitRoom()
{
    m_shown = TextFit::fit(text(), QFontMetrics(drawnFont()), textRoom() - overstrikeWidth(font()), roomLines());
    const int needed = sizeHint().height();
    resize(width(), qMin(qMax(m_leastHeight, needed), m_room.bottom() + 1 - y()));
    update();
}

QSize TextLabel::sizeHint() const
{
    if (wordWrap() && m_room.isNull()) {
        QSize hint = QLabel::sizeHint();
        hint.rwidth() += textWidth() - widestLine(fontMetrics(), text());
        return hint;
    }
    const QMargins frame = contentsMargins();
    const int height = m_room.isNull()
                           ? QLabel::sizeHint().height()
                           : QFontMetrics(drawnFont()).size(0, m_shown).height() + frame.top() + frame.bottom();
    return QSize(textWidth() + width() - textRoom(), height); // the text and what lies around its room
}

QSize TextLabel::minimumSizeHint() const
{
    return wordWrap() && m_room.isNull() ? QLabel::minimumSizeHint() : sizeHint();
}

void TextLabel::paintEvent(QPaintEvent *event)
{
    const ApplicationFonts::Bold bold = ApplicationFonts::bold(font());
    if (m_room.isNull() && (bold == ApplicationFonts::Bold::Face || wordWrap())) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(drawnFont());
    const int flags = int(QStyle::visualAlignment(layoutDirection(), alignment()));
    const QString shown = shownText();
    for (int dx = 0; dx <= overstrikeWidth(font()); ++dx)
        style()->drawItemText(&painter, textRect().translated(dx, 0), flags, palette(), isEnabled(), shown,
                              foregroundRole());
}

void TextLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (!m_room.isNull() && (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange))
        fitRoom();
}
