#include "CounterControls.h"

namespace {
constexpr const char *text = "color: white; font: bold 8pt \"MS Sans Serif\", \"DejaVu Sans\";";
} // namespace

const std::vector<ControlRow> &counterControls()
{
    static const std::vector<ControlRow> rows = {
        {.name = "Image157", .kind = ControlKind::Picture, .left = 491, .top = 105, .width = 60, .height = 70,
         .content = ":/skin/stat_left.jpg"},
        {.name = "Image158", .kind = ControlKind::Picture, .left = 677, .top = 105, .width = 60, .height = 70,
         .content = ":/skin/stat_right.jpg"},
        {.name = "Label13", .kind = ControlKind::Label, .left = 502, .top = 105, .width = 90, .height = 13,
         .content = "Statistika:", .layer = 1, .style = text},
        {.name = "Label50", .kind = ControlKind::Label, .left = 502, .top = 119, .width = 92, .height = 13,
         .content = "Počet přístupů:", .layer = 1, .style = text},
        {.name = "stat", .kind = ControlKind::Label, .left = 597, .top = 119, .width = 70, .height = 13,
         .content = "N/A", .layer = 1, .style = text},
        {.name = "Label51", .kind = ControlKind::Label, .left = 502, .top = 134, .width = 44, .height = 13,
         .content = "Online:", .layer = 1, .style = text},
        {.name = "Label52", .kind = ControlKind::Label, .left = 549, .top = 134, .width = 46, .height = 13,
         .content = "N/A", .layer = 1, .style = text},
        {.name = "Memo1", .kind = ControlKind::Memo, .left = 8, .top = 999, .width = 185, .height = 89,
         .content = "N/A", .visible = false},
        {.name = "Memo2", .kind = ControlKind::Memo, .left = 200, .top = 999, .width = 185, .height = 89,
         .content = "N/A", .visible = false},
    };
    return rows;
}

QRect statisticsRoom()
{
    return QRect(QPoint(491, 105), QPoint(737, 171));
}
