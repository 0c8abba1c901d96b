#pragma once

#include <QLabel>

// A label whose caption is kept exactly as set (line breaks as CR LF
// included) and always shown as plain text, never as markup. Bold text in a
// face without bold strokes is drawn bold all the same (ApplicationFonts::bold).
class TextLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TextLabel(QWidget *parent = nullptr);

    void setCaption(const QString &caption);
    QString caption() const { return m_caption; }

    // The width of the widest line as drawn, and the room the label gives it.
    int textWidth() const;
    int textRoom() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QFont drawnFont() const;
    QRect textRect() const;

    QString m_caption;
};
