#include "TextLabel.h"

#include "ApplicationFonts.h"

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

int TextLabel::textWidth() const
{
    const bool overstruck = ApplicationFonts::bold(font()) != ApplicationFonts::Bold::Face;
    return widestLine(QFontMetrics(drawnFont()), text()) + (overstruck ? 1 : 0);
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

QSize TextLabel::sizeHint() const
{
    QSize hint = QLabel::sizeHint();
    hint.rwidth() += textWidth() - widestLine(fontMetrics(), text());
    return hint;
}

QSize TextLabel::minimumSizeHint() const
{
    return wordWrap() ? QLabel::minimumSizeHint() : sizeHint();
}

void TextLabel::paintEvent(QPaintEvent *event)
{
    const ApplicationFonts::Bold bold = ApplicationFonts::bold(font());
    if (bold == ApplicationFonts::Bold::Face || wordWrap()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(drawnFont());
    const int flags = int(QStyle::visualAlignment(layoutDirection(), alignment()));
    for (int dx : {0, 1})
        style()->drawItemText(&painter, textRect().translated(dx, 0), flags, palette(), isEnabled(), text(),
                              foregroundRole());
}
