#pragma once

#include <QPixmap>
#include <QWidget>

// A picture drawn stretched over the control's whole rectangle.
class PictureControl : public QWidget
{
    Q_OBJECT
public:
    explicit PictureControl(QWidget *parent = nullptr);

    void setPicture(const QString &resource);
    QString picture() const { return m_resource; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_resource;
    QPixmap m_pixmap;
};
