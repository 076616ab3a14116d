// SIGINT and SIGTERM end both programs as closing their window does: the settings file is
// written and the exit code is 0. A second signal while one is closing ends it at once.
// Each program runs as a copy in a temporary folder, so its settings file (the program's
// path with ".ini") lands there.
#include "common/IniFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    void signal(int sig) { ::kill(static_cast<pid_t>(process.processId()), sig); }
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
    child.process.start();
    ASSERT_TRUE(child.process.waitForStarted(10000));
    ASSERT_TRUE(WaitUntilCatching(child.process.processId(), 20000));

    child.signal(GetParam().signal);
    ASSERT_TRUE(child.process.waitForFinished(20000));
    EXPECT_EQ(child.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.process.exitCode(), 0);

    IniFile ini(child.ini.toStdString());
    ASSERT_TRUE(ini.Load());
    EXPECT_NE(ini.ReadString("Date", "Date"), "");
    EXPECT_EQ(ini.ReadString("Edit", "Edit8"), "77");
    EXPECT_EQ(ini.ReadString("Edit", "Edit_InputText"), "01 02 03");
    if (&program == &kOmbrik) {
        EXPECT_EQ(ini.ReadString("Edit", "Edit2"), "2018");  // a key it did not find, written
    }
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
    // The settings file is a pipe: reading it at start waits for the test to write it, and
    // reading it again when the window closes waits for ever. That close is still under way
    // when the second signal comes.
    const Program& program = *GetParam();
    Child child(program);
    ASSERT_EQ(mkfifo(child.ini.toLocal8Bit().constData(), 0600), 0);
    child.process.start();
    ASSERT_TRUE(child.process.waitForStarted(10000));
    int writer = -1;
    QElapsedTimer t;
    t.start();
    while (writer < 0 && t.elapsed() < 20000) {
        writer = open(child.ini.toLocal8Bit().constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (writer < 0)
            QThread::msleep(10);  // the program has not opened it yet
    }
    ASSERT_GE(writer, 0);
    const char content[] = "[Edit]\nEdit8=5\n";
    ASSERT_EQ(write(writer, content, sizeof content - 1), static_cast<ssize_t>(sizeof content - 1));
    close(writer);
    ASSERT_TRUE(WaitUntilCatching(child.process.processId(), 20000));

    child.signal(SIGTERM);
    EXPECT_FALSE(child.process.waitForFinished(500)) << "the close waits on the settings file";
    child.signal(SIGINT);
    ASSERT_TRUE(child.process.waitForFinished(10000));
    EXPECT_EQ(child.process.exitStatus(), QProcess::CrashExit);  // ended by the signal
}

INSTANTIATE_TEST_SUITE_P(Programs, SecondSignal, ::testing::Values(&kKorvel, &kOmbrik),
                         [](const auto& info) { return std::string(info.param->name); });
