#pragma once

#include "BrowserFactory.h"

class WebEngineBrowserFactory : public BrowserFactory
{
public:
    BrowserControl *create(QWidget *parent, bool onScreen) override;
};
