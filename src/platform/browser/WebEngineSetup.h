#pragma once

// How the embedded browser engine runs in this program, settled before the
// application object exists.
//
// The launcher shows a handful of small pages from one community web server.
// Pages of one site share a renderer process, and windows and pages are drawn
// in software, without any OpenGL context: both keep the program small and
// quick to start without changing what the player sees. QT_XCB_GL_INTEGRATION,
// QT_QUICK_BACKEND and QTWEBENGINE_CHROMIUM_FLAGS from the environment still
// take effect.
class WebEngineSetup
{
public:
    static void beforeApplication();
};
