#include "SignalClose.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>

#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>

namespace qs {

namespace {

int wakePipe[2] = {-1, -1};

// The first signal received (0 until then) and when it came, in nanoseconds of the monotonic
// clock (0 while the handler that took it has not stored it yet). A process-directed signal
// may be handled on any thread, so two handlers can run at once: both are lock-free atomics,
// which a handler may use.
std::atomic<int> firstSignal{0};
std::atomic<std::int64_t> firstAt{0};
static_assert(std::atomic<int>::is_always_lock_free);
static_assert(std::atomic<std::int64_t>::is_always_lock_free);

// The same signal again within this time is the same request delivered twice (a sender that
// signals the process and then its group), not a second one.
constexpr std::int64_t kDuplicateNs = 1'000'000'000;

std::int64_t MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);  // async-signal-safe
    const std::int64_t ns = static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
    return ns > 0 ? ns : 1;
}

extern "C" void OnTerminationSignal(int signal)
{
    const int saved = errno;
    const std::int64_t now = MonotonicNs();
    int first = 0;
    if (firstSignal.compare_exchange_strong(first, signal)) {
        firstAt.store(now);
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = write(wakePipe[1], &byte, 1);
        errno = saved;
        return;
    }
    if (first == signal) {
        const std::int64_t at = firstAt.load();
        // at == 0: the first one is being taken on another thread right now.
        if (at == 0 || now - at < kDuplicateNs) {
            errno = saved;
            return;
        }
    }
    // A second request while closing: it ends the program at once, as if it were not handled.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
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
    // One handler at a time per thread: neither signal interrupts the other's handler.
    sigemptyset(&action.sa_mask);
    sigaddset(&action.sa_mask, SIGINT);
    sigaddset(&action.sa_mask, SIGTERM);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

}  // namespace qs
