// SIGINT and SIGTERM end both programs as closing their window does: the settings file is
// written and the exit code is 0. The same signal delivered twice within a second is one
// request; a second request while one is closing ends the program at once.
// Each program runs as a copy in a temporary folder, so its settings file (the program's
// path with ".ini") lands there.
#include "common/IniFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <string>

using namespace qs;

namespace {

struct Program {
    const char* name;
    const char* binary;
};

const Program kKorvel{"korvel", QS_KORVEL_BINARY};
const Program kOmbrik{"ombrik", QS_OMBRIK_BINARY};

// Waits until the process catches both signals (its handlers are in place): the SigCgt mask
// of /proc/<pid>/status.
bool WaitUntilCatching(qint64 pid, int timeoutMs)
{
    const unsigned long long wanted = (1ull << (SIGINT - 1)) | (1ull << (SIGTERM - 1));
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < timeoutMs) {
        std::ifstream status("/proc/" + std::to_string(pid) + "/status");
        for (std::string line; std::getline(status, line);)
            if (line.rfind("SigCgt:", 0) == 0 &&
                (std::stoull(line.substr(7), nullptr, 16) & wanted) == wanted)
                return true;
        QThread::msleep(20);
    }
    return false;
}

struct Child {
    QTemporaryDir dir;
    QString ini;
    QProcess process;

    explicit Child(const Program& program)
    {
        const QString copy = dir.filePath(program.name);
        EXPECT_TRUE(QFile::copy(program.binary, copy));
        ini = copy + ".ini";
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", dir.path());
        process.setProcessEnvironment(env);
        process.setProgram(copy);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }
    ~Child()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    // Signals the child, which must still run: a process id of 0 or below would signal the
    // test's own process group (or every process it may signal), so it fails the test instead.
    bool signal(int sig)
    {
        const qint64 pid = process.processId();
        if (process.state() != QProcess::Running || pid <= 0) {
            ADD_FAILURE() << "the child does not run (process id " << pid << "), not signalled";
            return false;
        }
        return ::kill(static_cast<pid_t>(pid), sig) == 0;
    }
    // The child ended as the window's close ends it: exit code 0, the settings file written
    // (its date), which `ini` then holds.
    void ExpectClosed(IniFile& ini)
    {
        ASSERT_TRUE(process.waitForFinished(20000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0);
        ASSERT_TRUE(ini.Load());
        EXPECT_NE(ini.ReadString("Date", "Date"), "");
    }
    // Starts the child and waits until it handles both signals.
    void StartCatching()
    {
        process.start();
        ASSERT_TRUE(process.waitForStarted(10000));
        ASSERT_TRUE(WaitUntilCatching(process.processId(), 20000));
    }
    // Makes the settings file a pipe: the program's reading it at start waits for the test to
    // write it (this does), and reading it again when the window closes waits for ever, so
    // that close is still under way when later signals come.
    void StartWithClosingHeld()
    {
        ASSERT_EQ(mkfifo(ini.toLocal8Bit().constData(), 0600), 0);
        process.start();
        ASSERT_TRUE(process.waitForStarted(10000));
        int writer = -1;
        QElapsedTimer t;
        t.start();
        while (writer < 0 && t.elapsed() < 20000) {
            writer = open(ini.toLocal8Bit().constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (writer < 0)
                QThread::msleep(10);  // the program has not opened it yet
        }
        ASSERT_GE(writer, 0);
        const char content[] = "[Edit]\nEdit8=5\n";
        ASSERT_EQ(write(writer, content, sizeof content - 1),
                  static_cast<ssize_t>(sizeof content - 1));
        close(writer);
        ASSERT_TRUE(WaitUntilCatching(process.processId(), 20000));
    }
};

struct Case {
    const Program* program;
    int signal;
};

class SignalExit : public ::testing::TestWithParam<Case> {};

}  // namespace

TEST_P(SignalExit, ClosesAsTheWindowDoesWithExitCodeZero)
{
    const Program& program = *GetParam().program;
    Child child(program);
    // Ombrik keeps its developer page's edits in the file: what it read comes back.
    {
        IniFile ini(child.ini.toStdString());
        ini.WriteString("Edit", "Edit8", "77");
        ini.WriteString("Edit", "Edit_InputText", "01 02 03");
        ASSERT_TRUE(ini.Save());
    }
    ASSERT_NO_FATAL_FAILURE(child.StartCatching());

    ASSERT_TRUE(child.signal(GetParam().signal));
    IniFile ini(child.ini.toStdString());
    ASSERT_NO_FATAL_FAILURE(child.ExpectClosed(ini));
    EXPECT_EQ(ini.ReadString("Edit", "Edit8"), "77");
    EXPECT_EQ(ini.ReadString("Edit", "Edit_InputText"), "01 02 03");
    if (&program == &kOmbrik) {
        EXPECT_EQ(ini.ReadString("Edit", "Edit2"), "2018");  // a key it did not find, written
    }
}

// A sender that signals the process and then its group (`timeout -s TERM`) delivers the signal
// twice within milliseconds: the program still closes as the window does, exit code 0.
TEST_P(SignalExit, DeliveredTwiceClosesOnceWithExitCodeZero)
{
    Child child(*GetParam().program);
    ASSERT_NO_FATAL_FAILURE(child.StartCatching());

    ASSERT_TRUE(child.signal(GetParam().signal));
    QThread::msleep(2);
    child.signal(GetParam().signal);
    IniFile ini(child.ini.toStdString());
    ASSERT_NO_FATAL_FAILURE(child.ExpectClosed(ini));
}

INSTANTIATE_TEST_SUITE_P(Programs, SignalExit,
                         ::testing::Values(Case{&kKorvel, SIGTERM}, Case{&kKorvel, SIGINT},
                                           Case{&kOmbrik, SIGTERM}, Case{&kOmbrik, SIGINT}),
                         [](const auto& info) {
                             return std::string(info.param.program->name) +
                                    (info.param.signal == SIGTERM ? "_SIGTERM" : "_SIGINT");
                         });

class SecondSignal : public ::testing::TestWithParam<const Program*> {};

TEST_P(SecondSignal, WhileClosingEndsTheProgramAtOnce)
{
    const Program& program = *GetParam();
    Child child(program);
    ASSERT_NO_FATAL_FAILURE(child.StartWithClosingHeld());

    ASSERT_TRUE(child.signal(SIGTERM));
    EXPECT_FALSE(child.process.waitForFinished(500)) << "the close waits on the settings file";
    ASSERT_TRUE(child.signal(SIGINT));
    ASSERT_TRUE(child.process.waitForFinished(10000));
    EXPECT_EQ(child.process.exitStatus(), QProcess::CrashExit);  // ended by the signal
}

TEST_P(SecondSignal, SameSignalTwiceIsOneRequestUntilASecondHasPassed)
{
    const Program& program = *GetParam();
    Child child(program);
    ASSERT_NO_FATAL_FAILURE(child.StartWithClosingHeld());

    QElapsedTimer sinceFirst;
    ASSERT_TRUE(child.signal(SIGTERM));
    sinceFirst.start();
    QThread::msleep(3);
    ASSERT_TRUE(child.signal(SIGTERM));  // delivered twice: changes nothing
    EXPECT_FALSE(child.process.waitForFinished(300)) << "the close waits on the settings file";
    ASSERT_EQ(child.process.state(), QProcess::Running);
    QThread::msleep(static_cast<unsigned long>(std::max<qint64>(0, 1200 - sinceFirst.elapsed())));
    ASSERT_TRUE(child.signal(SIGTERM));  // a second request
    ASSERT_TRUE(child.process.waitForFinished(10000));
    EXPECT_EQ(child.process.exitStatus(), QProcess::CrashExit);  // ended by the signal
}

INSTANTIATE_TEST_SUITE_P(Programs, SecondSignal, ::testing::Values(&kKorvel, &kOmbrik),
                         [](const auto& info) { return std::string(info.param->name); });

TEST(SignalHelper, NeverSignalsAChildThatDoesNotRun)
{
    // Signal 0 only checks that the process may be signalled, so a wrong guard signals no one.
    const Program program{"true", "/bin/true"};
    Child child(program);
    ASSERT_EQ(child.process.processId(), 0);
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(child.signal(0)), "does not run");

    child.process.start();
    ASSERT_TRUE(child.process.waitForFinished(10000));
    ASSERT_EQ(child.process.processId(), 0);
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(child.signal(0)), "does not run");
}
