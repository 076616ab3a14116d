#pragma once

class QWidget;

namespace qs {

// Ends the program on SIGINT (Ctrl+C in its terminal) or SIGTERM (a session manager, kill) as
// closing its main window does: the window's close handling runs (the settings file is
// written), then the event loop ends with exit code 0, and what main owns (the HID layer and
// its threads) is taken down on the way out. The same signal again within a second of the
// first is that request delivered twice (`timeout`, a kill of the process and then its group)
// and changes nothing; any other signal while the program is closing (the other one, or the
// same one a second or more later) ends it at once, by that signal.
//
// The signal handler makes no Qt call: it writes one byte into a pipe, and a socket notifier
// on the pipe's other end does the closing from the event loop. Install once, after the main
// window has been created; the notifier lives as long as the window.
void CloseOnTerminationSignals(QWidget* mainWindow);

}  // namespace qs
