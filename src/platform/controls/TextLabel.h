#pragma once

#include <QLabel>
#include <QRect>

// A label whose caption is kept exactly as set (line breaks as CR LF
// included) and always shown as plain text, never as markup. Bold text in a
// face without bold strokes is drawn bold all the same (ApplicationFonts::bold).
//
// A label kept within a room shows only what fits there: it grows down from
// where it stands, at its own width, as far as the room reaches, and shows
// the first lines that fit, each cut where it gets too wide. Its caption and
// text stay whole; what it costs to show them depends on the room alone.
class TextLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TextLabel(QWidget *parent = nullptr);

    void setCaption(const QString &caption);
    QString caption() const { return m_caption; }

    // 'room' is in the parent's coordinates. The label's present height is
    // the least it keeps.
    void keepWithin(const QRect &room);

    // Wide enough for the widest line as drawn, bold strokes included: the
    // label shows its whole text when its width is at least this.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // What the label draws.
    QString shownText() const { return m_room.isNull() ? text() : m_shown; }
    QFont drawnFont() const;
    QRect textRect() const;
    // The width of the widest line as drawn, and the room the label gives it.
    int textWidth() const;
    int textRoom() const;
    void fitRoom();
    int roomLines() const;

    QString m_caption;
    QRect m_room;
    int m_leastHeight = 0;
    QString m_shown;
};
