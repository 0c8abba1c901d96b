#pragma once

#include "EventLog.h"
#include "platform/browser/BrowserControl.h"
#include "platform/browser/BrowserFactory.h"

#include <QStringList>
#include <functional>

class RecordingBrowser : public BrowserControl
{
    Q_OBJECT
public:
    RecordingBrowser(QWidget *parent, bool onScreen, EventLog *log)
        : BrowserControl(parent), onScreen(onScreen), m_log(log)
    {
    }
    void navigate(const QString &url) override
    {
        urls << url;
        if (m_log)
            m_log->add(QStringLiteral("navigate %1 %2").arg(objectName(), url));
    }
    void refresh() override
    {
        ++refreshes;
        if (m_log)
            m_log->add(QStringLiteral("refresh %1").arg(objectName()));
    }
    void showAgain() override { ++shownAgain; }
    bool onScreen;
    QStringList urls;
    int refreshes = 0;
    int shownAgain = 0;

private:
    EventLog *m_log;
};

class RecordingBrowserFactory : public BrowserFactory
{
public:
    explicit RecordingBrowserFactory(EventLog *log = nullptr) : m_log(log) {}
    BrowserControl *create(QWidget *parent, bool onScreen) override
    {
        return new RecordingBrowser(parent, onScreen, m_log);
    }
    void startEngine() override
    {
        ++engineStarts;
        if (onStartEngine)
            onStartEngine();
    }
    void beginLoading() override
    {
        ++beganLoading;
        if (onBeginLoading)
            onBeginLoading();
    }
    int engineStarts = 0;
    std::function<void()> onStartEngine;
    int beganLoading = 0;
    std::function<void()> onBeginLoading;

private:
    EventLog *m_log;
};
