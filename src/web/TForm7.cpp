#include "TForm7.h"

#include "app/ProductInfo.h"

namespace {
constexpr const char *title = "font-weight: bold; font-size: 10pt;";
constexpr const char *link = "color: #0000c0; text-decoration: underline;";

const WindowFrame aboutFrame = {.name = "TForm7", .caption = "About OV Game Client", .client = {400, 300},
                                .position = {-1, -1}, .flags = Form::toolWindow(), .fixedSize = true};

const std::vector<ControlRow> &aboutControls()
{
    static const QByteArray product = QByteArray(ProductInfo::name) + " (" + ProductInfo::shortName + ")";
    static const QByteArray version = QByteArray("Verze / Version ") + ProductInfo::version;
    static const std::vector<ControlRow> rows = {
        {.name = "Image1", .kind = ControlKind::Picture, .left = 16, .top = 16, .width = 98, .height = 89,
         .content = ":/skin/logo.jpg"},
        {.name = "Label1", .kind = ControlKind::Label, .left = 130, .top = 18, .width = 260, .height = 18,
         .content = product.constData(), .style = title},
        {.name = "Label2", .kind = ControlKind::Label, .left = 130, .top = 40, .width = 260, .height = 14,
         .content = version.constData()},
        {.name = "Label3", .kind = ControlKind::Label, .left = 130, .top = 60, .width = 260, .height = 14,
         .content = "Autor / Author: Orvanta team"},
        {.name = "Label4", .kind = ControlKind::Label, .left = 130, .top = 76, .width = 260, .height = 14,
         .content = "© 2006 - 2008 Orvanta.cz"},
        {.name = "Label11", .kind = ControlKind::Label, .left = 130, .top = 116, .width = 200, .height = 14,
         .content = "Orvanta", .cursor = Qt::PointingHandCursor, .style = link},
        {.name = "Label12", .kind = ControlKind::Label, .left = 130, .top = 136, .width = 200, .height = 14,
         .content = "Orvanta FORUM", .cursor = Qt::PointingHandCursor, .style = link},
        {.name = "Label13", .kind = ControlKind::Label, .left = 130, .top = 156, .width = 200, .height = 14,
         .content = "OVCL on Orvanta", .cursor = Qt::PointingHandCursor, .style = link},
        {.name = "Label15", .kind = ControlKind::Label, .left = 130, .top = 176, .width = 200, .height = 14,
         .content = "Speedtest of net", .cursor = Qt::PointingHandCursor, .style = link},
        {.name = "Label14", .kind = ControlKind::Label, .left = 130, .top = 196, .width = 200, .height = 14,
         .content = "Bug Report ", .cursor = Qt::PointingHandCursor, .style = link},
        {.name = "Label16", .kind = ControlKind::Label, .left = 130, .top = 216, .width = 200, .height = 14,
         .content = "Author's web", .cursor = Qt::PointingHandCursor, .style = link},
        {.name = "Button1", .kind = ControlKind::Button, .left = 162, .top = 262, .width = 75, .height = 25,
         .content = "OK"},
    };
    return rows;
}
} // namespace

TForm7::TForm7(ErrorReporter &errors, BrowserFactory &browsers) : Form(aboutFrame, errors, browsers)
{
    controls().build(aboutControls());
    const ControlHost &c = controls();
    m_links = {
        {c.get("Label11"), LinkCue::Dialog, LinkAction::OpenHome},
        {c.get("Label12"), LinkCue::Dialog, LinkAction::OpenForum},
        {c.get("Label13"), LinkCue::Dialog, LinkAction::ShowBugReport},
        {c.get("Label14"), LinkCue::Dialog, LinkAction::ShowBugReport},
        {c.get("Label15"), LinkCue::Dialog, LinkAction::ShowSpeedTest},
        {c.get("Label16"), LinkCue::Dialog, LinkAction::OpenAuthor},
        {c.get("Button1"), LinkCue::Dialog, LinkAction::CloseWindow},
    };
}

void TForm7::open()
{
    showModal();
}
