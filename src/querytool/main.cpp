// ovcl_query: is my server up? See QueryCommand.
#include "QueryCommand.h"
#include "platform/network/QtDatagramService.h"
#include "query/SteadyQueryClock.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QString error;
    const auto request = QueryCommand::parse(app.arguments().mid(1), error);
    if (!request) {
        std::fprintf(stderr, "ovcl_query: %s\n%s", qPrintable(error), qPrintable(QueryCommand::usage()));
        return 2;
    }
    QtDatagramService datagrams;
    SteadyQueryClock clock;
    return QueryCommand::run(*request, datagrams, clock);
}
