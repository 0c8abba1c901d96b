#include "WebLinkTable.h"

const std::vector<LinkRow> &webLinkTable()
{
    static const std::vector<LinkRow> rows = {
        // Main window: both pictures of a pair carry the same link.
        {"TForm1", "Image1", LinkCue::MainWindow, LinkAction::OpenHome},
        {"TForm1", "Label8", LinkCue::MainWindow, LinkAction::ShowAbout},
        {"TForm1", "Image125", LinkCue::MainWindow, LinkAction::ShowAbout},
        {"TForm1", "Image126", LinkCue::MainWindow, LinkAction::ShowAbout},
        {"TForm1", "Image127", LinkCue::MainWindow, LinkAction::ShowBugReport},
        {"TForm1", "Image128", LinkCue::MainWindow, LinkAction::ShowBugReport},
        {"TForm1", "Image112", LinkCue::MainWindow, LinkAction::ShowSpeedTest},
        {"TForm1", "Image113", LinkCue::MainWindow, LinkAction::ShowSpeedTest},
        {"TForm1", "Image133", LinkCue::MainWindow, LinkAction::ShowChat},
        {"TForm1", "Image117", LinkCue::MainWindow, LinkAction::ShowChat},
        // About window.
        {"TForm7", "Label11", LinkCue::Dialog, LinkAction::OpenHome},
        {"TForm7", "Label12", LinkCue::Dialog, LinkAction::OpenForum},
        {"TForm7", "Label13", LinkCue::Dialog, LinkAction::ShowBugReport},
        {"TForm7", "Label14", LinkCue::Dialog, LinkAction::ShowBugReport},
        {"TForm7", "Label15", LinkCue::Dialog, LinkAction::ShowSpeedTest},
        {"TForm7", "Label16", LinkCue::Dialog, LinkAction::OpenAuthor},
        {"TForm7", "Button1", LinkCue::Dialog, LinkAction::CloseWindow},
        // Bug-report window: its bottom bar outside the button closes it too.
        {"TForm8", "Button1", LinkCue::Dialog, LinkAction::CloseWindow},
        {"TForm8", "Panel2", LinkCue::None, LinkAction::CloseWindow},
        // Speed-test windows.
        {"TForm9", "Button1", LinkCue::None, LinkAction::CloseWindow},
        {"TForm10", "Button1", LinkCue::None, LinkAction::CloseWindow},
        // News window.
        {"TForm15", "Button1", LinkCue::None, LinkAction::CloseWindow},
        {"TForm15", "Button2", LinkCue::None, LinkAction::NewsHome},
        {"TForm15", "Button3", LinkCue::None, LinkAction::NewsVisitOrvanta},
    };
    return rows;
}
