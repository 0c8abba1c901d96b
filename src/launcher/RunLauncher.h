#pragma once

class Launcher;

// The program's run: shows the main window from inside the application's
// event loop and runs that loop until the main window has closed. Closing it
// quits the application, which ends every event loop that runs at that
// moment, the modal runs of the start-up chain included. Returns the loop's
// exit code.
int runLauncher(Launcher &launcher);
