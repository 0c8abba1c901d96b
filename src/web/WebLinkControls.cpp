#include "WebLinkControls.h"

namespace {
constexpr const char *title = "color: white; font: bold 8pt \"MS Sans Serif\", \"DejaVu Sans\";";
constexpr const char *credit = "color: #a0a0a0; font: 8pt \"MS Sans Serif\", \"DejaVu Sans\";";
constexpr Qt::CursorShape hand = Qt::PointingHandCursor;
constexpr Qt::CursorShape arrow = Qt::ArrowCursor;
} // namespace

const std::vector<ControlRow> &webLinkControls()
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
        {"Label40", ControlKind::Label, 320, 164, 90, 13, "Server status:", nullptr, arrow, true, 1, title},
        {"WebBrowser2", ControlKind::Browser, 240, 28, 175, 77, nullptr, nullptr, arrow, true, 1},
        {"Label45", ControlKind::Label, 248, 16, 90, 13, "Novinky:", nullptr, arrow, true, 1, title},

        // Browsers below the client area: only their requests count.
        {"WebBrowser3", ControlKind::HiddenBrowser, 48, 646, 175, 77},
        {"WebBrowser4", ControlKind::HiddenBrowser, 361, 999, 97, 20},
        {"WebBrowser5", ControlKind::HiddenBrowser, 271, 646, 369, 418},

        // The logo and the footer credit.
        {"Image1", ControlKind::Picture, 128, 16, 98, 89, ":/skin/logo.jpg", nullptr, arrow, true, 1},
        {"Label8", ControlKind::Label, 29, 600, 94, 13, "© Orvanta 2008", nullptr, hand, true, 1, credit},

        // Icon buttons, each with its hover twin on top.
        {"Image112", ControlKind::Picture, 559, 65, 33, 27, ":/skin/speedtest.jpg", "Speedtest of net", hand, true, 1},
        {"Image113", ControlKind::Picture, 559, 65, 33, 27, ":/skin/speedtest_hover.jpg", "Speedtest of net", hand, false, 2},
        {"Image125", ControlKind::Picture, 598, 65, 26, 29, ":/skin/info.jpg", "Info", hand, true, 1},
        {"Image126", ControlKind::Picture, 598, 65, 26, 29, ":/skin/info_hover.jpg", "Info", hand, false, 2},
        {"Image127", ControlKind::Picture, 634, 65, 33, 27, ":/skin/bugreport.jpg", "Bug Report", hand, true, 1},
        {"Image128", ControlKind::Picture, 634, 65, 33, 28, ":/skin/bugreport_hover28.jpg", "Bug Report", hand, false, 2},
        {"Image133", ControlKind::Picture, 81, 4, 53, 17, ":/skin/chat.jpg", nullptr, hand, true, 1},
        {"Image117", ControlKind::Picture, 81, 4, 53, 17, ":/skin/chat_hover.jpg", nullptr, hand, false, 2},
    };
    return rows;
}
