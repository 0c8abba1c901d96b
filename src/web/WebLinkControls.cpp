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
        {"Image10", ControlKind::Picture, 232, 22, 191, 6, ":/skin/news_frame_h.jpg"},
        {"Image45", ControlKind::Picture, 232, 105, 191, 6, ":/skin/news_frame_h.jpg"},
        {"Image46", ControlKind::Picture, 234, 20, 6, 93, ":/skin/news_frame_v.jpg"},
        {"Image114", ControlKind::Picture, 415, 20, 6, 93, ":/skin/news_frame_v.jpg"},
        {"Image111", ControlKind::Picture, 297, 172, 385, 8, ":/skin/status_frame_h.jpg"},
        {"Image160", ControlKind::Picture, 297, 598, 385, 8, ":/skin/status_frame_h.jpg"},
        {"Image159", ControlKind::Picture, 297, 172, 8, 434, ":/skin/status_frame_v.jpg"},
        {"Image152", ControlKind::Picture, 674, 172, 8, 434, ":/skin/status_frame_v.jpg"},

        // The two boxes the player sees, with their titles.
        {"WebBrowser1", ControlKind::Browser, 305, 180, 369, 418, nullptr, nullptr, arrow, true, 1},
        {"Label40", ControlKind::Label, 320, 164, 90, 13, "Server status:", nullptr, arrow, true, 1, titleStyle},
        {"WebBrowser2", ControlKind::Browser, 240, 28, 175, 77, nullptr, nullptr, arrow, true, 1},
        {"Label45", ControlKind::Label, 248, 16, 90, 13, "Novinky:", nullptr, arrow, true, 1, titleStyle},

        // Browsers below the client area: only their requests count.
        {"WebBrowser3", ControlKind::HiddenBrowser, 48, 646, 175, 77},
        {"WebBrowser4", ControlKind::HiddenBrowser, 361, 999, 97, 20},
        {"WebBrowser5", ControlKind::HiddenBrowser, 271, 646, 369, 418},
    };
    return rows;
}

const ButtonLink &logo()
{
    static const ButtonLink link = {
        {"Image1", nullptr, {128, 16, 98, 89}, ":/skin/logo.jpg", nullptr, nullptr, "Orvanta",
         "Otevře web Orvanty v prohlížeči / Opens the Orvanta web in the browser", arrow},
        LinkAction::OpenHome};
    return link;
}

const ControlRow &credit()
{
    static const ControlRow row = {"Label8", ControlKind::Label, 29, 600, 94, 13, "© Orvanta 2008", nullptr, hand, true, 1,
                                   creditStyle};
    return row;
}

const std::vector<ButtonLink> &iconButtons()
{
    static const std::vector<ButtonLink> links = {
        {{"Image112", "Image113", {559, 65, 33, 27}, ":/skin/speedtest.jpg", ":/skin/speedtest_hover.jpg",
          "Speedtest of net", nullptr, "Otevře test rychlosti sítě / Opens the speed test"},
         LinkAction::ShowSpeedTest},
        {{"Image125", "Image126", {598, 65, 26, 29}, ":/skin/info.jpg", ":/skin/info_hover.jpg", "Info", nullptr,
          "O programu OVCL / About OVCL"},
         LinkAction::ShowAbout},
        {{"Image127", "Image128", {634, 65, 33, 27}, ":/skin/bugreport.jpg", ":/skin/bugreport_hover28.jpg",
          "Bug Report", nullptr, "Nahlásit chybu vývojáři / Report a bug to the developer", hand, hand, {33, 28}},
         LinkAction::ShowBugReport},
        {{"Image133", "Image117", {81, 4, 53, 17}, ":/skin/chat.jpg", ":/skin/chat_hover.jpg", nullptr, "Chat",
          "Otevře chat komunity / Opens the community chat"},
         LinkAction::ShowChat},
    };
    return links;
}

} // namespace WebLinkControls
