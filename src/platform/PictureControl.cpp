#include "PictureControl.h"

#include <QPainter>

PictureControl::PictureControl(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void PictureControl::setPicture(const QString &resource)
{
    m_resource = resource;
    m_pixmap = resource.isEmpty() ? QPixmap() : QPixmap(resource);
    update();
}

void PictureControl::paintEvent(QPaintEvent *)
{
    if (m_pixmap.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), m_pixmap);
}
