#include "Transparency.h"

#include "WindowFrame.h"

void Transparency::add(QWidget *window, const WindowFrame &frame)
{
    m_members.push_back({window, &frame});
}

void Transparency::apply(bool on)
{
    for (const Member &m : m_members)
        m.frame->setTransparent(m.window, on);
}
