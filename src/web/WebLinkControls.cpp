#include "WebLinkControls.h"

namespace {
constexpr const char *titleStyle = "color: white; font: bold 8pt \"MS Sans Serif\", \"DejaVu Sans\";";
constexpr const char *creditStyle = "color: #a0a0a0; font: 8pt \"MS Sans Serif\", \"DejaVu Sans\";";
constexpr Qt::CursorShape hand = Qt::PointingHandCursor;
constexpr Qt::CursorShape arrow = Qt::ArrowCursor;
} // namespace

namespace WebLinkControls {

const std::vector<ControlRow> &pages()
{
    static const std::vector<ControlRow> rows = {
        // The frame around the news box, then the frame around the status browser.
        {.name = "Image10", .kind = ControlKind::Picture, .left = 232, .top = 22, .width = 191, .height = 6,
         .content = ":/skin/news_frame_h.jpg"},
        {.name = "Image45", .kind = ControlKind::Picture, .left = 232, .top = 105, .width = 191, .height = 6,
         .content = ":/skin/news_frame_h.jpg"},
        {.name = "Image46", .kind = ControlKind::Picture, .left = 234, .top = 20, .width = 6, .height = 93,
         .content = ":/skin/news_frame_v.jpg"},
        {.name = "Image114", .kind = ControlKind::Picture, .left = 415, .top = 20, .width = 6, .height = 93,
         .content = ":/skin/news_frame_v.jpg"},
        {.name = "Image111", .kind = ControlKind::Picture, .left = 297, .top = 172, .width = 385, .height = 8,
         .content = ":/skin/status_frame_h.jpg"},
        {.name = "Image160", .kind = ControlKind::Picture, .left = 297, .top = 598, .width = 385, .height = 8,
         .content = ":/skin/status_frame_h.jpg"},
        {.name = "Image159", .kind = ControlKind::Picture, .left = 297, .top = 172, .width = 8, .height = 434,
         .content = ":/skin/status_frame_v.jpg"},
        {.name = "Image152", .kind = ControlKind::Picture, .left = 674, .top = 172, .width = 8, .height = 434,
         .content = ":/skin/status_frame_v.jpg"},

        // The two boxes the player sees, with their titles.
        {.name = "WebBrowser1", .kind = ControlKind::Browser, .left = 305, .top = 180, .width = 369, .height = 418,
         .layer = 1},
        {.name = "Label40", .kind = ControlKind::Label, .left = 320, .top = 164, .width = 90, .height = 13,
         .content = "Server status:", .layer = 1, .style = titleStyle},
        {.name = "WebBrowser2", .kind = ControlKind::Browser, .left = 240, .top = 28, .width = 175, .height = 77,
         .layer = 1},
        {.name = "Label45", .kind = ControlKind::Label, .left = 248, .top = 16, .width = 90, .height = 13,
         .content = "Novinky:", .layer = 1, .style = titleStyle},

        // Browsers below the client area: only their requests count.
        {.name = "WebBrowser3", .kind = ControlKind::HiddenBrowser, .left = 48, .top = 646, .width = 175, .height = 77},
        {.name = "WebBrowser4", .kind = ControlKind::HiddenBrowser, .left = 361, .top = 999, .width = 97, .height = 20},
        {.name = "WebBrowser5", .kind = ControlKind::HiddenBrowser, .left = 271, .top = 646, .width = 369,
         .height = 418},
    };
    return rows;
}

const ButtonLink &logo()
{
    static const ButtonLink link = {
        {.name = "Image1", .twin = nullptr, .place = {128, 16, 98, 89}, .picture = ":/skin/logo.jpg",
         .accessibleName = "Orvanta",
         .description = "Otevře web Orvanty v prohlížeči / Opens the Orvanta web in the browser", .cursor = arrow},
        LinkAction::OpenHome};
    return link;
}

const ControlRow &credit()
{
    static const ControlRow row = {.name = "Label8", .kind = ControlKind::Label, .left = 29, .top = 600, .width = 94,
                                   .height = 13, .content = "© Orvanta 2008", .cursor = hand, .layer = 1,
                                   .style = creditStyle};
    return row;
}

const std::vector<ButtonLink> &iconButtons()
{
    static const std::vector<ButtonLink> links = {
        {{.name = "Image112", .twin = "Image113", .place = {559, 65, 33, 27}, .picture = ":/skin/speedtest.jpg",
          .twinPicture = ":/skin/speedtest_hover.jpg", .hint = "Speedtest of net",
          .description = "Otevře test rychlosti sítě / Opens the speed test"},
         LinkAction::ShowSpeedTest},
        {{.name = "Image125", .twin = "Image126", .place = {598, 65, 26, 29}, .picture = ":/skin/info.jpg",
          .twinPicture = ":/skin/info_hover.jpg", .hint = "Info", .description = "O programu OVCL / About OVCL"},
         LinkAction::ShowAbout},
        {{.name = "Image127", .twin = "Image128", .place = {634, 65, 33, 27}, .picture = ":/skin/bugreport.jpg",
          .twinPicture = ":/skin/bugreport_hover28.jpg", .hint = "Bug Report",
          .description = "Nahlásit chybu vývojáři / Report a bug to the developer", .twinSize = {33, 28}},
         LinkAction::ShowBugReport},
        {{.name = "Image133", .twin = "Image117", .place = {81, 4, 53, 17}, .picture = ":/skin/chat.jpg",
          .twinPicture = ":/skin/chat_hover.jpg", .accessibleName = "Chat",
          .description = "Otevře chat komunity / Opens the community chat"},
         LinkAction::ShowChat},
    };
    return links;
}

} // namespace WebLinkControls
