#include "CounterControls.h"

namespace {
constexpr const char *text = "color: white; font: bold 8pt \"MS Sans Serif\", \"DejaVu Sans\";";
constexpr Qt::CursorShape arrow = Qt::ArrowCursor;
} // namespace

const std::vector<ControlRow> &counterControls()
{
    static const std::vector<ControlRow> rows = {
        {"Image157", ControlKind::Picture, 491, 105, 60, 70, ":/skin/stat_left.jpg"},
        {"Image158", ControlKind::Picture, 677, 105, 60, 70, ":/skin/stat_right.jpg"},
        {"Label13", ControlKind::Label, 502, 105, 90, 13, "Statistika:", nullptr, arrow, true, 1, text},
        {"Label50", ControlKind::Label, 502, 119, 92, 13, "Počet přístupů:", nullptr, arrow, true, 1, text},
        {"stat", ControlKind::Label, 597, 119, 70, 13, "N/A", nullptr, arrow, true, 1, text},
        {"Label51", ControlKind::Label, 502, 134, 44, 13, "Online:", nullptr, arrow, true, 1, text},
        {"Label52", ControlKind::Label, 549, 134, 46, 13, "N/A", nullptr, arrow, true, 1, text},
        {"Memo1", ControlKind::Memo, 8, 999, 185, 89, "N/A", nullptr, arrow, false},
        {"Memo2", ControlKind::Memo, 200, 999, 185, 89, "N/A", nullptr, arrow, false},
    };
    return rows;
}

QRect statisticsRoom()
{
    return QRect(QPoint(491, 105), QPoint(737, 171));
}
