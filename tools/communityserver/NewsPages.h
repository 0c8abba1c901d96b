#pragma once

#include <QByteArray>
#include <QList>

// The community's news: the two small news boxes of the launcher's main
// window, the news window's page and the site's home page.
class NewsPages
{
public:
    static QByteArray czechBox();    // fits a 175 x 77 box
    static QByteArray englishBox();  // fits a 175 x 77 box
    static QByteArray newsWindow();  // the launcher's news window, about 512 x 280
    // 'players' holds one count per game server (see StatusPages::servers()).
    static QByteArray home(const QList<int> &players);
};
