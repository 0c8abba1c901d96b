#include "PageNotice.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

PageNotice::PageNotice(QWidget *browser) : QFrame(browser), m_text(new QLabel(this))
{
    setObjectName(QStringLiteral("PageNotice"));
    setAutoFillBackground(true);
    setFrameShape(QFrame::Box);
    setStyleSheet(QStringLiteral("PageNotice { background: #202020; border: 1px solid #808080; }"
                                 "QLabel { color: white; }"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("PageNoticeOk"));
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(6, 4, 6, 4);
    row->addWidget(m_text, 1);
    row->addWidget(ok, 0, Qt::AlignTop);
    hide();
    browser->installEventFilter(this);
}

void PageNotice::showMessage(const QString &message)
{
    m_text->setText(message.left(maxCharacters));
    fit();
    show();
    raise();
}


// Across the top of the browser control, as tall as the message needs and
// never taller than the control.
void PageNotice::fit()
{
    QWidget *browser = parentWidget();
    const int width = browser->width();
    const int wanted = hasHeightForWidth() ? heightForWidth(width) : sizeHint().height();
    const int height = qMin(wanted, browser->height());
    setGeometry(0, 0, width, height);
}

bool PageNotice::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible())
        fit();
    return false;
}
