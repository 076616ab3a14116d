#include "HidapiBackend.h"

#include <hidapi/hidapi.h>

#include <QSocketNotifier>
#include <QString>

#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <iterator>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

namespace qs {

namespace hid {

namespace {
// hidapi 0.13 has no hotplug notification, so plug and unplug are found by listing the
// devices this often.
constexpr auto kPollInterval = std::chrono::milliseconds(200);
// How long a reader waits in one hid_read_timeout call: how soon it sees that it must stop.
// Each time-out wakes the reader, so a shorter one costs idle CPU.
constexpr int kReadTimeoutMs = 50;
// Shutdown waits for the readers (at most one read time-out) and the idle writers to close
// their handles, but not for a writer inside hid_write: a device may hold a write for
// seconds, and that writer closes its handle on its own when the write returns. This only
// bounds the wait should a thread not be scheduled.
constexpr auto kShutdownWait = std::chrono::milliseconds(80);
// A listed path that could not be opened is tried again no sooner than this: a meter the
// user may not open is not opened and closed again on every listing. A replug (a new path)
// is tried at once. Its access hint is printed once, at the next listing that still shows
// the path: a failure whose path then has gone was an unplug racing the list.
constexpr auto kOpenRetryInterval = std::chrono::seconds(2);
// Output reports waiting for one device's writer; more are refused.
constexpr std::size_t kMaxQueuedWrites = 64;
// Input reports waiting for the GUI thread; while it is this far behind, newer ones are
// dropped, as the kernel does for a reader that does not keep up.
constexpr std::size_t kMaxQueuedReports = 1024;

bool retryable(int error)
{
    return error == EINTR || error == EAGAIN;
}

// hidapi as a whole. Its library-wide calls share one error string, so they run one at a
// time under `calls`. Users are the finder threads and the device threads: the first user
// runs hid_init, the last one to leave runs hid_exit, after every handle is closed. So the
// GUI thread makes no hidapi call at all.
class Library {
public:
    static Library& instance()
    {
        // Never destroyed: a writer stuck in a device may leave after main has returned.
        static Library* library = new Library;
        return *library;
    }

    std::mutex calls;

    // A finder starting; false when hidapi cannot be initialised (the reason is printed).
    bool acquire()
    {
        std::lock_guard lock(mutex_);
        if (users_ == 0) {
            std::lock_guard call(calls);
            if (hid_init() != 0) {
                const wchar_t* reason = hid_error(nullptr);
                std::fprintf(stderr, "hidapi could not be initialised%s%s\n", reason ? ": " : "",
                             detail::wideToUtf8(reason).c_str());
                return false;
            }
        }
        ++users_;
        return true;
    }

    // A device thread starting, while its finder holds a use.
    void retain()
    {
        std::lock_guard lock(mutex_);
        ++users_;
    }

    void release()
    {
        std::lock_guard lock(mutex_);
        if (--users_ == 0) {
            std::lock_guard call(calls);
            hid_exit();
        }
    }

private:
    std::mutex mutex_;
    int users_ = 0;
};

struct Event {
    enum Kind { Arrived, Input, Left };
    Event(Kind k, Handle h) : kind(k), handle(h) {}
    Kind kind;
    Handle handle;
    Report report{};
    DeviceIdentity identity;
};

// One open device, shared by the backend's table and the device's two threads.
struct Link {
    Link(Handle h, std::string p, DeviceIdentity i)
        : handle(h), path(std::move(p)), identity(std::move(i))
    {
    }
    const Handle handle;
    const std::string path;
    const DeviceIdentity identity;
    // Set under Shared::mutex when the departure is queued; nothing of it is queued after.
    bool gone = false;
    std::atomic<bool> stop{false};
    std::mutex writeMutex;
    std::condition_variable writeWake;
    std::deque<Report> writes;

    void requestStop()
    {
        {
            std::lock_guard lock(writeMutex);
            stop = true;
        }
        writeWake.notify_all();
    }
};

struct Listed {
    std::string path;
    DeviceIdentity identity;
};

// A listed path that could not be opened: why, when it may be tried again, and whether the
// access hint has been printed.
struct OpenFailure {
    std::string reason;
    std::chrono::steady_clock::time_point retryAt;
    bool hinted = false;
};
using OpenFailures = std::map<std::string, OpenFailure>;

}  // namespace

// What the GUI thread, the finder and the device threads share. Lock order: mutex, then a
// Link's writeMutex.
struct Shared : std::enable_shared_from_this<Shared> {
    Shared(std::uint16_t vendor, std::uint16_t product) : vendorId(vendor), productId(product) {}
    const std::uint16_t vendorId;
    const std::uint16_t productId;

    std::mutex mutex;
    // Devices held, by handle: attached, or departed with the departure not yet delivered.
    std::map<Handle, std::shared_ptr<Link>> links;
    std::deque<Event> events;  // for the GUI thread, in order
    std::size_t queuedReports = 0;
    bool wakePending = false;
    int wakeFd = -1;  // written to wake the GUI thread; -1 once it no longer listens
    bool stopping = false;
    int deviceThreads = 0;
    int writesInProgress = 0;  // writers inside hid_write
    Handle lastHandle = 0;
    std::condition_variable finderWake;
    std::condition_variable threadsDone;

    // Callers hold mutex.
    void queue(Event event)
    {
        events.push_back(std::move(event));
        if (!wakePending && wakeFd >= 0) {
            wakePending = true;
            eventfd_write(wakeFd, 1);
        }
    }

    // Queues the device's departure, once, and stops its threads. Callers hold mutex.
    void markGone(Link& link)
    {
        if (link.gone)
            return;
        link.gone = true;
        queue(Event(Event::Left, link.handle));
        link.requestStop();
    }

    void threadFinished()
    {
        {
            std::lock_guard lock(mutex);
            --deviceThreads;
        }
        threadsDone.notify_all();
        Library::instance().release();
    }

    void runFinder();
    void scan(OpenFailures& openFailures);
    std::vector<Listed> listDevices();
    void runReader(const std::shared_ptr<Link>& link, hid_device* dev);
    void runWriter(const std::shared_ptr<Link>& link, hid_device* dev);
};

namespace detail {

std::string wideToUtf8(const wchar_t* text)
{
    if (!text)
        return {};
    return QString::fromWCharArray(text).toStdString();
}

std::string openFailureMessage(const std::string& path, const std::string& reason)
{
    std::string line = "USB meter at " + path + " cannot be opened";
    if (!reason.empty())
        line += " (" + reason + ")";
    line += ". To allow access, install the udev rule ";
    line += kUdevRuleFile;
    line += " (README, section \"";
    line += kUdevReadmeSection;
    line += "\"): sudo cp ";
    line += kUdevRuleFile;
    line += " /etc/udev/rules.d/ && sudo udevadm control --reload-rules && sudo udevadm trigger";
    return line;
}

}  // namespace detail

// ---- finder thread ----

void Shared::runFinder()
{
    OpenFailures openFailures;
    if (!Library::instance().acquire())
        return;
    std::unique_lock lock(mutex);
    while (!stopping) {
        lock.unlock();
        scan(openFailures);
        lock.lock();
        finderWake.wait_for(lock, kPollInterval, [this] { return stopping; });
    }
    lock.unlock();
    Library::instance().release();
}

std::vector<Listed> Shared::listDevices()
{
    std::vector<Listed> listed;
    std::set<std::string> seen;
    std::lock_guard call(Library::instance().calls);
    hid_device_info* list = hid_enumerate(vendorId, productId);
    for (const hid_device_info* info = list; info; info = info->next) {
        if (!info->path || !seen.insert(info->path).second)
            continue;
        DeviceIdentity identity;
        identity.vendorId = info->vendor_id;
        identity.productId = info->product_id;
        identity.vendorName = detail::wideToUtf8(info->manufacturer_string);
        identity.productName = detail::wideToUtf8(info->product_string);
        listed.push_back({info->path, std::move(identity)});
    }
    hid_free_enumeration(list);
    return listed;
}

void Shared::scan(OpenFailures& openFailures)
{
    std::vector<Listed> listed = listDevices();
    std::set<std::string> listedPaths;
    for (const Listed& entry : listed)
        listedPaths.insert(entry.path);

    std::set<std::string> heldPaths;
    {
        std::lock_guard lock(mutex);
        // Devices whose path is no longer listed have gone.
        for (auto& [handle, link] : links) {
            if (!listedPaths.count(link->path))
                markGone(*link);
            else if (!link->gone)
                heldPaths.insert(link->path);
        }
    }
    // A path that left the list starts afresh: a later failure there gets its own hint.
    std::erase_if(openFailures, [&](const auto& entry) { return !listedPaths.count(entry.first); });

    const auto now = std::chrono::steady_clock::now();
    for (Listed& entry : listed) {
        if (heldPaths.count(entry.path))
            continue;
        if (const auto failed = openFailures.find(entry.path); failed != openFailures.end()) {
            OpenFailure& failure = failed->second;
            if (!failure.hinted) {
                failure.hinted = true;
                std::fprintf(stderr, "%s\n",
                             detail::openFailureMessage(entry.path, failure.reason).c_str());
            }
            if (now < failure.retryAt)
                continue;
        }
        hid_device* readDev = nullptr;
        hid_device* writeDev = nullptr;
        std::string reason;
        {
            std::lock_guard call(Library::instance().calls);
            readDev = hid_open_path(entry.path.c_str());
            // The write handle is never read. hidraw gives every open its own copy of the
            // input reports, but keeps at most 64 unread ones per open and drops the rest,
            // so this handle's unread input stays bounded however long the meter runs.
            if (readDev)
                writeDev = hid_open_path(entry.path.c_str());
            if (!writeDev)
                reason = detail::wideToUtf8(hid_error(nullptr));
        }
        if (!writeDev) {
            if (readDev)
                hid_close(readDev);
            OpenFailure& failure = openFailures[entry.path];
            failure.reason = reason;
            failure.retryAt = now + kOpenRetryInterval;
            continue;
        }
        openFailures.erase(entry.path);

        std::shared_ptr<Link> link;
        {
            std::lock_guard lock(mutex);
            if (!stopping) {
                link = std::make_shared<Link>(++lastHandle, std::move(entry.path),
                                              std::move(entry.identity));
                links.emplace(link->handle, link);
                // Queued before the reader starts, so no report can overtake the arrival.
                Event arrived(Event::Arrived, link->handle);
                arrived.identity = link->identity;
                queue(std::move(arrived));
                deviceThreads += 2;
            }
        }
        if (!link) {
            hid_close(readDev);
            hid_close(writeDev);
            return;
        }
        Library::instance().retain();
        Library::instance().retain();
        // Each thread takes its handle with it: from here on it is the only one to touch it.
        // They keep the shared state alive: a writer stuck in the device may outlive the backend.
        std::thread([self = shared_from_this(), link, readDev] {
            self->runReader(link, readDev);
        }).detach();
        std::thread([self = shared_from_this(), link, writeDev] {
            self->runWriter(link, writeDev);
        }).detach();
    }
}

// ---- device threads ----

void Shared::runReader(const std::shared_ptr<Link>& link, hid_device* dev)
{
    unsigned char buffer[kReportSize];
    while (!link->stop) {
        errno = 0;
        const int n = hid_read_timeout(dev, buffer, sizeof buffer, kReadTimeoutMs);
        if (n == 0)
            continue;
        if (n < 0) {
            // A signal or a spurious wake-up is no reason to give the device up.
            if (retryable(errno))
                continue;
            // Anything else: unplugged, or the device no longer answers.
            std::lock_guard lock(mutex);
            markGone(*link);
            break;
        }
        Event event(Event::Input, link->handle);
        std::memcpy(event.report.data(), buffer, std::min<std::size_t>(n, event.report.size()));
        std::lock_guard lock(mutex);
        if (link->gone)
            break;
        if (queuedReports < kMaxQueuedReports) {
            ++queuedReports;
            queue(std::move(event));
        }
    }
    hid_close(dev);
    threadFinished();
}

void Shared::runWriter(const std::shared_ptr<Link>& link, hid_device* dev)
{
    unsigned char buffer[kReportBufferSize];
    buffer[0] = 0;  // report id: the meter uses none
    for (;;) {
        {
            std::unique_lock lock(link->writeMutex);
            link->writeWake.wait(lock, [&] { return link->stop || !link->writes.empty(); });
            // Reports still queued when the device stops are dropped with it.
            if (link->stop)
                break;
            std::memcpy(buffer + 1, link->writes.front().data(), kReportSize);
            link->writes.pop_front();
        }
        {
            std::lock_guard lock(mutex);
            ++writesInProgress;
        }
        int n;
        do {
            errno = 0;
            n = hid_write(dev, buffer, sizeof buffer);
        } while (n < 0 && errno == EINTR && !link->stop);
        {
            std::lock_guard lock(mutex);
            --writesInProgress;
        }
        // A write that fails is dropped: the request it carried times out in the link above,
        // and whether the device has gone is for the reader and the device list to tell.
    }
    hid_close(dev);
    threadFinished();
}

// ---- GUI thread ----

struct HidapiBackend::Impl {
    Impl(std::uint16_t vendor, std::uint16_t product)
        : shared(std::make_shared<Shared>(vendor, product))
    {
    }

    void start(Sink& s);
    void deliver();
    void shutdown();

    // Shared with the device threads, which may outlive the backend.
    std::shared_ptr<Shared> shared;
    Sink* sink = nullptr;
    bool started = false;
    int wakeFd = -1;
    std::unique_ptr<QSocketNotifier> wakeNotifier;
    std::thread finder;
    // Events taken from the shared queue and not yet handed to the Sink.
    std::deque<Event> inbox;
};

void HidapiBackend::Impl::start(Sink& s)
{
    sink = &s;
    if (started)
        return;
    started = true;
    wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd < 0) {
        std::perror("USB events cannot be delivered: eventfd");
        return;
    }
    wakeNotifier = std::make_unique<QSocketNotifier>(wakeFd, QSocketNotifier::Read);
    QObject::connect(wakeNotifier.get(), &QSocketNotifier::activated, wakeNotifier.get(),
                     [this] { deliver(); });
    {
        std::lock_guard lock(shared->mutex);
        shared->wakeFd = wakeFd;
    }
    // Devices already attached are found by the first listing, as if just plugged in.
    finder = std::thread([shared = shared] { shared->runFinder(); });
}

void HidapiBackend::Impl::deliver()
{
    eventfd_t count;
    eventfd_read(wakeFd, &count);
    {
        std::lock_guard lock(shared->mutex);
        shared->wakePending = false;
        shared->queuedReports = 0;
        if (inbox.empty())
            inbox.swap(shared->events);
        else
            std::move(shared->events.begin(), shared->events.end(), std::back_inserter(inbox));
        shared->events.clear();
    }
    // Taken one by one from the front: should a Sink call run an event loop of its own that
    // delivers again, the newer events queue behind the ones still here.
    while (!inbox.empty() && sink) {
        Event event = std::move(inbox.front());
        inbox.pop_front();
        switch (event.kind) {
        case Event::Arrived:
            sink->deviceArrived(event.handle, event.identity);
            break;
        case Event::Input:
            sink->reportArrived(event.handle, event.report);
            break;
        case Event::Left: {
            sink->deviceLeft(event.handle);
            // Its threads have stopped or are stopping; the backend forgets it now.
            std::lock_guard lock(shared->mutex);
            shared->links.erase(event.handle);
            break;
        }
        }
    }
}

void HidapiBackend::Impl::shutdown()
{
    if (!started)
        return;
    std::vector<std::shared_ptr<Link>> links;
    {
        std::lock_guard lock(shared->mutex);
        shared->stopping = true;
        shared->wakeFd = -1;
        for (auto& [handle, link] : shared->links)
            links.push_back(link);
        shared->links.clear();
        shared->events.clear();
    }
    const auto deadline = std::chrono::steady_clock::now() + kShutdownWait;
    for (const auto& link : links)
        link->requestStop();
    shared->finderWake.notify_all();
    if (finder.joinable())
        finder.join();
    {
        std::unique_lock lock(shared->mutex);
        shared->threadsDone.wait_until(
            lock, deadline, [this] { return shared->deviceThreads == shared->writesInProgress; });
    }
    wakeNotifier.reset();
    if (wakeFd >= 0)
        close(wakeFd);
    wakeFd = -1;
    sink = nullptr;
    inbox.clear();
}

HidapiBackend::HidapiBackend(std::uint16_t vendorId, std::uint16_t productId)
    : impl_(std::make_unique<Impl>(vendorId, productId))
{
}

HidapiBackend::~HidapiBackend()
{
    impl_->shutdown();
}

void HidapiBackend::start(Sink& sink)
{
    impl_->start(sink);
}

bool HidapiBackend::callsSinkFromEventLoop() const
{
    return true;
}

bool HidapiBackend::write(Handle handle, const Report& report)
{
    Shared& shared = *impl_->shared;
    std::shared_ptr<Link> link;
    {
        std::lock_guard lock(shared.mutex);
        auto it = shared.links.find(handle);
        if (it == shared.links.end() || it->second->gone)
            return false;
        link = it->second;
    }
    // The writer is woken with no lock held here, so it never wakes only to wait for one.
    // Should the device go meanwhile, its writer drops the report with the others queued.
    {
        std::lock_guard queueLock(link->writeMutex);
        if (link->writes.size() >= kMaxQueuedWrites)
            return false;
        link->writes.push_back(report);
    }
    link->writeWake.notify_one();
    return true;
}

std::size_t HidapiBackend::devicesHeld() const
{
    std::lock_guard lock(impl_->shared->mutex);
    return impl_->shared->links.size();
}

}  // namespace hid

}  // namespace qs
