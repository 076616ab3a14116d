// The password dialog end to end on the simulated meter: its opener, the check before a
// write with its two messages, the write and its read-back, and the same check once more
// when the write is built.
#include "DialogHarness.h"

#include "korvel/window/dialogs/PasswordDialog.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>

using namespace qs;
using namespace korvel;

namespace {

struct Box {
    std::string text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    bool writeReleased;  // the write button was up when the box showed
};

// Runs `action`, answering with OK every message box it shows, and answers what they were.
std::vector<Box> CatchBoxes(PasswordDialog* d, const std::function<void()>& action)
{
    std::vector<Box> boxes;
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        boxes.push_back(
            {box->text().toStdString(), box->icon(), box->standardButtons(),
             !findcontrol::Find<qs::SpeedButton>(d, "SpeedButton_WriteToDevice_Password")
                  ->IsDown()});
        box->button(QMessageBox::Ok)->click();
    });
    watch.start();
    action();
    watch.stop();
    return boxes;
}

const char* const kRange = "A jelszó csak 0..9999 közötti szám lehet.";
const char* const kSame = "A kezelői jelszó és a mérnöki jelszó nem lehet ugyanaz!";

struct PasswordFixture : ::testing::Test {
    DialogHarness h;
    PasswordDialog* d = h.password;

    void enter(const char* user, const char* supervisor)
    {
        findcontrol::Find<QLineEdit>(d, "Edit_PasswordUser")->setText(QString::fromUtf8(user));
        findcontrol::Find<QLineEdit>(d, "Edit_PasswordSupervisor")
            ->setText(QString::fromUtf8(supervisor));
    }
};

}  // namespace

// "Jelszó módosítása": the caption, the place below the main window, the read pending, the
// modal show; the read fills the entries with four digits each.
TEST_F(PasswordFixture, TheOpenerReadsThePasswords)
{
    QPushButton* opener = h.C<QPushButton>("Button1");
    EXPECT_EQ(opener->text(), "Jelszó módosítása");
    EXPECT_TRUE(opener->isEnabled());
    EXPECT_EQ(d->windowTitle(), "Password");
    EXPECT_EQ(findcontrol::Find<QGroupBox>(d, "GroupBox_MODBUSOutputSettings")->title(),
              "Kezelői jelszó");
    EXPECT_EQ(findcontrol::Find<QGroupBox>(d, "GroupBox1")->title(), "Mérnöki jelszó");
    EXPECT_EQ(
        findcontrol::Find<QGroupBox>(d, "GroupBox_MODBUSOutputSettings")->findChild<QLineEdit*>(),
        findcontrol::Find<QLineEdit>(d, "Edit_PasswordUser"));
    EXPECT_EQ(findcontrol::Find<QGroupBox>(d, "GroupBox1")->findChild<QLineEdit*>(),
              findcontrol::Find<QLineEdit>(d, "Edit_PasswordSupervisor"));
    h.w->move(40, 30);
    EXPECT_TRUE(h.whileOpen(opener, d, [&] {
        EXPECT_EQ(d->windowTitle(), "Jelszó módosítása");
        EXPECT_EQ(d->pos(), QPoint(61, 385));
        EXPECT_TRUE(
            findcontrol::Find<qs::SpeedButton>(d, "SpeedButton_ReadFromDevice_Password")->IsDown());
        h.tick();
        EXPECT_FALSE(
            findcontrol::Find<qs::SpeedButton>(d, "SpeedButton_ReadFromDevice_Password")->IsDown());
        EXPECT_EQ(findcontrol::Find<QLineEdit>(d, "Edit_PasswordUser")->text(), "0042");
        EXPECT_EQ(findcontrol::Find<QLineEdit>(d, "Edit_PasswordSupervisor")->text(), "0007");
    }));
    // A value above 9999 shows all its digits.
    h.modules.Stored(220) = {0x10, 0x27, 0xFF, 0xFF};
    findcontrol::Find<qs::SpeedButton>(d, "SpeedButton_ReadFromDevice_Password")->SetDown(true);
    h.tick();
    EXPECT_EQ(findcontrol::Find<QLineEdit>(d, "Edit_PasswordUser")->text(), "10000");
    EXPECT_EQ(findcontrol::Find<QLineEdit>(d, "Edit_PasswordSupervisor")->text(), "65535");
}

// The entries take at most four characters from the keyboard.
TEST_F(PasswordFixture, EntriesTakeFourCharacters)
{
    for (QLineEdit* e : {findcontrol::Find<QLineEdit>(d, "Edit_PasswordUser"),
                         findcontrol::Find<QLineEdit>(d, "Edit_PasswordSupervisor")}) {
        e->clear();
        QTest::keyClicks(e, "123456");
        EXPECT_EQ(e->text(), "1234") << e->objectName().toStdString();
    }
}

// Every case of the check at the click: the message (an information box with one OK button,
// shown after the write was released), or none, and what then goes out.
TEST_F(PasswordFixture, TheCheckAtTheClick)
{
    struct Row {
        const char* name;
        const char* user;
        const char* supervisor;
        const char* message;  // nullptr: none, and the write goes out
        std::vector<std::uint8_t> sent;
        const char* readBack;  // the operator entry after the read-back
    };
    const Row rows[] = {
        {"empty operator field", "", "5", kRange, {}, nullptr},
        {"empty operator field, equal to an empty engineer field", "", "", kRange, {}, nullptr},
        {"negative operator password", "-1", "5", kRange, {}, nullptr},
        {"negative engineer password", "5", "-12", kRange, {}, nullptr},
        {"not a number", "12a", "5", kRange, {}, nullptr},
        {"invalid operator password with two equal texts", "abc", "abc", kRange, {}, nullptr},
        {"two equal numbers", "1234", "1234", kSame, {}, nullptr},
        {"equal but for leading zeros", "7", "0007", kSame, {}, nullptr},
        {"upper bound and lower bound", "9999", "0", nullptr, {0x0F, 0x27, 0x00, 0x00}, "9999"},
        {"lower bound and upper bound, with a sign",
         "+0",
         "9999",
         nullptr,
         {0x00, 0x00, 0x0F, 0x27},
         "0000"},
    };
    EXPECT_TRUE(h.whileOpen(h.C<QPushButton>("Button1"), d, [&] {
        h.tick();
        for (const Row& r : rows) {
            enter(r.user, r.supervisor);
            h.meter->clearLog();
            const std::vector<Box> boxes = CatchBoxes(d, [&] {
                findcontrol::Find<qs::SpeedButton>(d, "SpeedButton_WriteToDevice_Password")
                    ->click();
            });
            if (r.message) {
                ASSERT_EQ(boxes.size(), 1u) << r.name;
                EXPECT_EQ(boxes[0].text, r.message) << r.name;
                EXPECT_EQ(boxes[0].icon, QMessageBox::Information) << r.name;
                EXPECT_EQ(boxes[0].buttons, QMessageBox::Ok) << r.name;
                EXPECT_TRUE(boxes[0].writeReleased) << r.name;
                EXPECT_FALSE(
                    findcontrol::Find<qs::SpeedButton>(d, "SpeedButton_WriteToDevice_Password")
                        ->IsDown())
                    << r.name;
                // The entries keep what the user typed.
                EXPECT_EQ(
                    findcontrol::Find<QLineEdit>(d, "Edit_PasswordUser")->text().toStdString(),
                    r.user)
                    << r.name;
            } else {
                EXPECT_TRUE(boxes.empty()) << r.name;
                EXPECT_TRUE(
                    findcontrol::Find<qs::SpeedButton>(d, "SpeedButton_WriteToDevice_Password")
                        ->IsDown())
                    << r.name;
            }
            h.tick();
            h.tick();
            if (r.message) {
                EXPECT_EQ(RequestsBesidesPolls(*h.meter), std::vector<std::uint8_t>{}) << r.name;
                continue;
            }
            // The write, then its read-back, shown with four digits.
            EXPECT_EQ(RequestsBesidesPolls(*h.meter), (std::vector<std::uint8_t>{222, 220}))
                << r.name;
            EXPECT_EQ(h.modules.Stored(220), r.sent) << r.name;
            EXPECT_EQ(findcontrol::Find<QLineEdit>(d, "Edit_PasswordUser")->text().toStdString(),
                      r.readBack)
                << r.name;
        }
    }));
}

// A click that releases a pending write sends nothing and shows nothing; Esc leaves a
// pending write pending, and it goes out after the dialog has closed.
TEST_F(PasswordFixture, ReleasingAWriteAndEsc)
{
    EXPECT_TRUE(h.whileOpen(h.C<QPushButton>("Button1"), d, [&] {
        h.tick();
        enter("1", "2");
        findcontrol::Find<qs::SpeedButton>(d, "SpeedButton_WriteToDevice_Password")->click();
        h.meter->clearLog();
        const std::vector<Box> boxes = CatchBoxes(d, [&] {
            findcontrol::Find<qs::SpeedButton>(d, "SpeedButton_WriteToDevice_Password")->click();
        });
        EXPECT_TRUE(boxes.empty());
        EXPECT_FALSE(
            findcontrol::Find<qs::SpeedButton>(d, "SpeedButton_WriteToDevice_Password")->IsDown());
        h.tick();
        EXPECT_EQ(RequestsBesidesPolls(*h.meter), std::vector<std::uint8_t>{});
        findcontrol::Find<qs::SpeedButton>(d, "SpeedButton_WriteToDevice_Password")->click();
    }));
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(
        findcontrol::Find<qs::SpeedButton>(d, "SpeedButton_WriteToDevice_Password")->IsDown());
    h.tick();
    h.tick();
    EXPECT_EQ(RequestsBesidesPolls(*h.meter), (std::vector<std::uint8_t>{222, 220}));
    EXPECT_EQ(h.modules.Stored(220), (ModuleStore::Bytes{1, 0, 2, 0}));
    EXPECT_EQ(findcontrol::Find<QLineEdit>(d, "Edit_PasswordUser")->text(), "0001");
    EXPECT_EQ(findcontrol::Find<QLineEdit>(d, "Edit_PasswordSupervisor")->text(), "0002");
}

// A write left pending (the meter refuses it) whose entries are then edited to a pair that
// fails the check is withdrawn when it would be built: nothing goes out, no message shows,
// and the polls go on.
TEST_F(PasswordFixture, TheCheckRunsAgainWhenTheWriteIsBuilt)
{
    struct Row {
        const char* name;
        const char* user;
        const char* supervisor;
    };
    for (const Row& r : {Row{"an invalid pair", "12", "x"}, Row{"an equal pair", "0012", "12"},
                         Row{"an empty entry", "", "12"}}) {
        EXPECT_TRUE(h.leaveWritePending("Button1", d, 222, [&] { enter("11", "12"); })) << r.name;
        enter(r.user, r.supervisor);
        h.meter->clearLog();
        const std::vector<Box> boxes = CatchBoxes(d, [&] {
            h.tick();
            h.tick();
        });
        EXPECT_TRUE(boxes.empty()) << r.name;
        EXPECT_FALSE(
            findcontrol::Find<qs::SpeedButton>(d, "SpeedButton_WriteToDevice_Password")->IsDown())
            << r.name;
        EXPECT_FALSE(h.session().IsPending(KeyPasswordWrite)) << r.name;
        EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{101})) << r.name;
        EXPECT_EQ(h.modules.Stored(220), ModuleStore::kPasswords) << r.name;
        EXPECT_EQ(findcontrol::Find<QLineEdit>(d, "Edit_PasswordUser")->text().toStdString(),
                  r.user)
            << r.name;
    }
    // A pending write whose entries still pass goes out once the meter takes it.
    EXPECT_TRUE(h.leaveWritePending("Button1", d, 222, [&] { enter("11", "12"); }));
    h.modules.Refuse(222, 0);
    enter("21", "22");
    h.tick();
    h.tick();
    EXPECT_EQ(h.modules.Stored(220), (ModuleStore::Bytes{21, 0, 22, 0}));
    EXPECT_EQ(findcontrol::Find<QLineEdit>(d, "Edit_PasswordUser")->text(), "0021");
}
