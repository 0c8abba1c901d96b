#pragma once

#include <QPixmap>
#include <QWidget>

// A picture drawn stretched over the control's whole rectangle, from its
// double-size version on high-density screens.
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
    void loadFor(qreal ratio);

    QString m_resource;
    qreal m_ratio = 0;
    QPixmap m_pixmap;
};
