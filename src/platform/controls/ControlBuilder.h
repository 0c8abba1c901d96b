#pragma once

#include "ControlRow.h"

#include <vector>

class BrowserFactory;
class QWidget;

// Creates a window's controls from rows of ControlRow. Each control's
// objectName is its row's name.
class ControlBuilder
{
public:
    ControlBuilder(QWidget *window, BrowserFactory *browsers);

    void build(const std::vector<ControlRow> &rows);

    // Restacks every built control by layer (rows of one layer keep their order).
    void restack();

private:
    QWidget *create(const ControlRow &row, QWidget *parent);

    QWidget *m_window;
    BrowserFactory *m_browsers;
    std::vector<QWidget *> m_built;
};
