#pragma once

// How a link click sounds.
enum class LinkCue {
    None,       // no cue
    MainWindow, // "press.wav", guarded, asynchronous, sets the hover latch when it played
    Dialog,     // "press.wav", guarded, synchronous: the action waits for the sound
};

// What a link click does.
enum class LinkAction {
    OpenHome,        // the web server's home page in the default browser
    OpenForum,       // the forum's home page in the default browser
    OpenAuthor,      // the author's web site in the default browser
    ShowAbout,       // About window, modal
    ShowBugReport,   // bug-report window, modal
    ShowSpeedTest,   // speed-test page loaded afresh, then the window modal
    ShowChat,        // chat window modeless, chat page reloaded
    NewsHome,        // the news window's own page again
    NewsVisitOrvanta, // the home page inside the news window
    CloseWindow,     // closes the window the control is on
};
