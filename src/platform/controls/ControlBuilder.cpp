#include "ControlBuilder.h"

#include "PictureControl.h"
#include "TextLabel.h"
#include "platform/browser/BrowserControl.h"
#include "platform/browser/BrowserFactory.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

ControlBuilder::ControlBuilder(QWidget *window, BrowserFactory *browsers)
    : m_window(window), m_browsers(browsers)
{
}

static QString text(const char *s)
{
    return s ? QString::fromUtf8(s) : QString();
}

QWidget *ControlBuilder::create(const ControlRow &row, QWidget *parent)
{
    switch (row.kind) {
    case ControlKind::Picture: {
        auto *picture = new PictureControl(parent);
        picture->setPicture(text(row.content));
        return picture;
    }
    case ControlKind::Label:
    case ControlKind::StaticText:
    case ControlKind::Panel: {
        auto *label = new TextLabel(parent);
        label->setCaption(text(row.content));
        if (row.kind == ControlKind::StaticText) {
            label->setFrameShape(QFrame::Panel);
            label->setFrameShadow(QFrame::Sunken);
            label->setAutoFillBackground(true);
        } else if (row.kind == ControlKind::Panel) {
            label->setAlignment(Qt::AlignCenter);
            label->setAutoFillBackground(true);
        }
        return label;
    }
    case ControlKind::Edit: {
        auto *edit = new QLineEdit(parent);
        edit->setText(text(row.content));
        edit->setFrame(false);
        return edit;
    }
    case ControlKind::CheckBox: {
        auto *box = new QCheckBox(parent);
        box->setText(text(row.content));
        return box;
    }
    case ControlKind::Button: {
        auto *button = new QPushButton(text(row.content), parent);
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::ProgressBar: {
        auto *bar = new QProgressBar(parent);
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setTextVisible(false);
        return bar;
    }
    case ControlKind::Memo: {
        auto *memo = new QPlainTextEdit(parent);
        memo->setPlainText(text(row.content));
        return memo;
    }
    case ControlKind::List:
        return new QListWidget(parent);
    case ControlKind::Browser:
    case ControlKind::HiddenBrowser:
        return m_browsers->create(parent, row.kind == ControlKind::Browser);
    }
    return nullptr;
}

void ControlBuilder::build(const std::vector<ControlRow> &rows)
{
    for (const ControlRow &row : rows) {
        QWidget *parent = m_window;
        if (row.parent)
            parent = m_window->findChild<QWidget *>(QString::fromLatin1(row.parent));
        Q_ASSERT_X(parent, "ControlBuilder", row.parent);
        QWidget *control = create(row, parent);
        control->setObjectName(QString::fromLatin1(row.name));
        control->setGeometry(row.left, row.top, row.width, row.height);
        if (row.hint)
            control->setToolTip(text(row.hint));
        control->setCursor(row.cursor);
        if (row.style)
            control->setStyleSheet(text(row.style));
        control->setProperty("layer", row.layer);
        // A control without a pointer handler of its own swallows the movement,
        // so it never reaches the window behind it.
        control->setMouseTracking(true);
        control->setAttribute(Qt::WA_NoMousePropagation);
        control->setVisible(row.visible);
        m_built.push_back(control);
    }
}

void ControlBuilder::restack()
{
    std::vector<QWidget *> order = m_built;
    std::stable_sort(order.begin(), order.end(), [](QWidget *a, QWidget *b) {
        return a->property("layer").toInt() < b->property("layer").toInt();
    });
    for (QWidget *control : order)
        control->raise();
}
