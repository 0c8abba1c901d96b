#pragma once

#include <vector>

class QWidget;
struct WindowFrame;

// The windows that blend while transparency is on, each at its own level.
// Switching applies to all of them together.
class Transparency
{
public:
    void add(QWidget *window, const WindowFrame &frame);
    void apply(bool on);

private:
    struct Member {
        QWidget *window;
        const WindowFrame *frame;
    };
    std::vector<Member> m_members;
};
