#pragma once

#include <QString>
#include <vector>

class QWidget;
struct WindowFrame;

// The windows that blend while transparency is on, each at its own level.
// Switching applies to all of them together.
//
// Blending a whole window at one level is the desktop's work: X11 does it
// (with a compositing window manager), Wayland has no way to ask for it. On
// Wayland a window would have to paint itself see-through, which the
// browser engine's pages cannot do; the blending windows hold pages, so
// there they stay opaque, and the launcher says so once per run.
class Transparency
{
public:
    // 'platform' is the toolkit's platform name; empty: the one running.
    explicit Transparency(QString platform = {}) : m_platform(std::move(platform)) {}

    void add(QWidget *window, const WindowFrame &frame);
    void apply(bool on);

    // Whether windows on 'platform' can be blended whole.
    static bool blendsWholeWindows(const QString &platform);

private:
    struct Member {
        QWidget *window;
        const WindowFrame *frame;
    };
    std::vector<Member> m_members;
    QString m_platform;
    bool m_told = false;
};
