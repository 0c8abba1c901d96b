#include "TForm7.h"

#include "app/ProductInfo.h"

namespace {
constexpr const char *title = "font-weight: bold; font-size: 10pt;";
constexpr const char *link = "color: #0000c0; text-decoration: underline;";

const WindowFrame aboutFrame = {"TForm7", "About OV Game Client", {400, 300}, {-1, -1}, Form::toolWindow(), true};

const std::vector<ControlRow> &aboutControls()
{
    static const QByteArray product = QByteArray(ProductInfo::name) + " (" + ProductInfo::shortName + ")";
    static const QByteArray version = QByteArray("Verze / Version ") + ProductInfo::version;
    static const std::vector<ControlRow> rows = {
        {"Image1", ControlKind::Picture, 16, 16, 98, 89, ":/skin/logo.jpg"},
        {"Label1", ControlKind::Label, 130, 18, 260, 18, product.constData(), nullptr, Qt::ArrowCursor, true, 0, title},
        {"Label2", ControlKind::Label, 130, 40, 260, 14, version.constData()},
        {"Label3", ControlKind::Label, 130, 60, 260, 14, "Autor / Author: Orvanta team"},
        {"Label4", ControlKind::Label, 130, 76, 260, 14, "© 2006 - 2008 Orvanta.cz"},
        {"Label11", ControlKind::Label, 130, 116, 200, 14, "Orvanta", nullptr, Qt::PointingHandCursor, true, 0, link},
        {"Label12", ControlKind::Label, 130, 136, 200, 14, "Orvanta FORUM", nullptr, Qt::PointingHandCursor, true, 0, link},
        {"Label13", ControlKind::Label, 130, 156, 200, 14, "OVCL on Orvanta", nullptr, Qt::PointingHandCursor, true, 0, link},
        {"Label15", ControlKind::Label, 130, 176, 200, 14, "Speedtest of net", nullptr, Qt::PointingHandCursor, true, 0, link},
        {"Label14", ControlKind::Label, 130, 196, 200, 14, "Bug Report ", nullptr, Qt::PointingHandCursor, true, 0, link},
        {"Label16", ControlKind::Label, 130, 216, 200, 14, "Author's web", nullptr, Qt::PointingHandCursor, true, 0, link},
        {"Button1", ControlKind::Button, 162, 262, 75, 25, "OK"},
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
