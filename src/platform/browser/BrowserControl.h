#pragma once

#include <QWidget>

// An embedded web browser control. Loads are started and never awaited.
class BrowserControl : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
    virtual void navigate(const QString &url) = 0;
    virtual void refresh() = 0;
    // Its window is back on the screen: the page shows again at once, even
    // where the toolkit left the control believing itself hidden.
    virtual void showAgain() {}
};
