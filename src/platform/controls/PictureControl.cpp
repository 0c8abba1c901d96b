#include "PictureControl.h"

#include <QFile>
#include <QPainter>

PictureControl::PictureControl(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

// The double-size drawing of a picture, "name@2x.ext", when the screen needs it.
static QString sharpest(const QString &resource, qreal ratio)
{
    if (ratio <= 1.0)
        return resource;
    const int dot = resource.lastIndexOf(QLatin1Char('.'));
    const QString twice = resource.left(dot) + QLatin1String("@2x") + resource.mid(dot);
    return QFile::exists(twice) ? twice : resource;
}

void PictureControl::setPicture(const QString &resource)
{
    m_resource = resource;
    m_pixmap = QPixmap();
    m_ratio = 0;
    update();
}

void PictureControl::loadFor(qreal ratio)
{
    m_ratio = ratio;
    m_pixmap = m_resource.isEmpty() ? QPixmap() : QPixmap(sharpest(m_resource, ratio));
}

void PictureControl::paintEvent(QPaintEvent *)
{
    if (m_ratio != devicePixelRatioF())
        loadFor(devicePixelRatioF());
    if (m_pixmap.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), m_pixmap);
}
