#include "SignalClose.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>

namespace qs {

namespace {

int wakePipe[2] = {-1, -1};
// The first signal received; 0 until then. Set only by the handler.
volatile std::sig_atomic_t received = 0;

extern "C" void OnTerminationSignal(int signal)
{
    if (received != 0) {
        // Closing already: this one ends the program at once, as if it were not handled.
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    received = signal;
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = write(wakePipe[1], &byte, 1);
    errno = saved;
}

}  // namespace

void CloseOnTerminationSignals(QWidget* mainWindow)
{
    if (wakePipe[0] >= 0)
        return;
    if (pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        std::perror("termination signals are not handled: pipe");
        return;
    }
    auto* notifier = new QSocketNotifier(wakePipe[0], QSocketNotifier::Read, mainWindow);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                     [notifier, window = QPointer(mainWindow)] {
                         char bytes[16];
                         while (read(wakePipe[0], bytes, sizeof bytes) > 0) {
                         }
                         notifier->setEnabled(false);
                         if (window)
                             window->close();
                         // Ends every event loop, a modal dialog's too.
                         QCoreApplication::exit(0);
                     });

    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

}  // namespace qs
