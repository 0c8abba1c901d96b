#pragma once

#include "app/Launcher.h"

// The access and online counters: fetched at start-up and on every tick of
// the counter timer, shown as the server sent them. Every failure is dropped
// and the labels keep what they showed.
class CounterRefresh : public Subsystem
{
public:
    explicit CounterRefresh(Launcher &launcher);

    // The start-up counter step and the periodic tick.
    void counters();
    void onlinecounterTimer();

    // One counter: its local copy, the address it comes from, the hidden text
    // box that receives it and the label that shows it.
    struct Counter {
        const char *file;
        QString (*url)();
        const char *memo;
        const char *label;
    };
    static const Counter access;
    static const Counter online;

    void refresh(const Counter &counter);

private:
    Launcher &m_launcher;
    bool m_refreshing = false; // a step or tick is waiting for its fetches
};
