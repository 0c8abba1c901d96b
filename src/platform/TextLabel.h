#pragma once

#include <QLabel>

// A label whose caption is kept exactly as set (line breaks as CR LF
// included) and always shown as plain text, never as markup.
class TextLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TextLabel(QWidget *parent = nullptr);

    void setCaption(const QString &caption);
    QString caption() const { return m_caption; }

private:
    QString m_caption;
};
