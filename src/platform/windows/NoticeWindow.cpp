#include "NoticeWindow.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

NoticeWindow::NoticeWindow(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_text(new QLabel(this)), m_ok(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("NoticeWindow"));
    setWindowIcon(QIcon(QStringLiteral(":/skin/appicon.png")));

    auto *icon = new QLabel(this);
    const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this).pixmap(side, side));
    icon->setAlignment(Qt::AlignTop);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setMinimumWidth(280);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QWidget::close);

    auto *row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(m_text, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void NoticeWindow::notify(const QString &title, const QString &text)
{
    setWindowTitle(title);
    m_text->setText(text);
    show();
    raise();
    activateWindow();
}

QString NoticeWindow::text() const
{
    return m_text->text();
}
