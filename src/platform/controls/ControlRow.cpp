#include "ControlRow.h"

#include <deque>

const char *keptText(const QByteArray &text)
{
    static std::deque<QByteArray> texts;
    texts.push_back(text);
    return texts.back().constData();
}
