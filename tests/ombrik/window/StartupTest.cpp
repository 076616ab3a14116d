// Ombrik's window at start: its pages and controls, the monitor's caption, the settings
// file, the USB events and unplugging.
#include "tests/FindControl.h"
#include "common/ui/Shape.h"
#include "tests/LocaleScope.h"
#include "OmbrikHarness.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace qs;
using namespace ombrik;

TEST(OmbrikStartup, OneWindowWithSixPagesTheSettingsPageFirst)
{
    OmbrikHarness h;
    ombrik::OmbrikWindow& w = *h.w;
    EXPECT_EQ(w.objectName(), "Form1");
    EXPECT_EQ(w.windowTitle(), "Form");
    const std::pair<const char*, const char*> pages[] = {
        {"TabSheet1", "Quorin beállítások"},     {"TabSheet2", "Beállítások"},
        {"TabSheet5", "Határérték kimenetek"},   {"TabSheet3", "TabSheet3"},
        {"TabSheet4", "Fejlesztői segédelemek"}, {"TabSheet6", "Tesztek"}};
    ASSERT_EQ(h.find<qs::PageControl>("PageControl1")->pageCount(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(h.find<qs::PageControl>("PageControl1")->page(i)->objectName(), pages[i].first);
    EXPECT_EQ(h.find<qs::PageControl>("PageControl1")->activePage(), h.find<QWidget>("TabSheet2"));
    EXPECT_EQ(h.find<qs::PageControl>("PageControl2")->activePage(), h.find<QWidget>("TabSheet8"));

    EXPECT_EQ(h.session().Clock().TickTimer()->interval(), 30);
    EXPECT_EQ(h.session().Clock().TimeOutTimer()->interval(), 100);
    EXPECT_EQ(h.session().SecondTimer()->interval(), 1000);
    EXPECT_FALSE(h.session().Clock().TimeOutArmed());
    EXPECT_FALSE(h.session().Busy());
    EXPECT_EQ(h.state().Scaled.ScaledFormat(), "00000");
    EXPECT_TRUE(h.find<QGroupBox>("GroupBox_OutputCal")->isHidden());
    EXPECT_TRUE(h.button("SpeedButton_CheckCurrent")->isHidden());
    EXPECT_TRUE(h.label("Label_TXBufferIsFull")->isHidden());
    EXPECT_EQ(w.findChild<QWidget*>("Label_USBOnline"), nullptr)
        << "the Online text is a fixed caption";
}

// Every request button is offered once its commands have their records; a chain's button
// only when every step has them, so no empty record reaches the unit.
TEST(OmbrikStartup, RequestsAreOfferedWithTheirRecords)
{
    OmbrikHarness h;
    for (QWidget* b : h.w->findChildren<SpeedButton*>())
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    MbuSession::Bindings withdrawn = OmbrikWindowTestAccess::CommandBindings(*h.w);
    withdrawn.RemoveEncoder(mbu::Command::SettingsWrite3);
    OmbrikWindowTestAccess::OfferRequestsAsIf(*h.w, withdrawn);
    EXPECT_FALSE(h.button("SpeedButton_WriteSettings")->isEnabled());
    EXPECT_FALSE(h.button("SpeedButton_WriteSettings2")->isEnabled());
    EXPECT_TRUE(h.button("SpeedButton_ReadSettings2")->isEnabled());
}

TEST(OmbrikStartup, TheMonitorCaptionAndVersionsFollowTheLocalesDateSeparator)
{
    struct Row {
        QLocale locale;
        const char* caption;
        const char* lowest;
    };
    const Row rows[] = {
        {HungarianLocale(), "MBU   v2018.08.28.", "2018.08.24."},
        {QLocale(QLocale::English, QLocale::UnitedStates), "MBU   v2018/08/28/", "2018/08/24/"},
    };
    for (const Row& row : rows) {
        LocaleScope scope(row.locale);
        OmbrikHarness h;
        EXPECT_EQ(h.find<QGroupBox>("GroupBox_MBU")->title(), row.caption);
        h.tick();
        EXPECT_EQ(h.label("Label_MBUTxVerL")->text(), row.lowest);
    }
}

TEST(OmbrikSettingsFile, DefaultsWithoutAFileAndTheEditsWrittenInOrderOnClose)
{
    OmbrikHarness h;
    // The edits in the settings file's order.
    std::vector<QLineEdit*> edits;
    for (const char* name :
         {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "Edit_InputText"})
        edits.push_back(h.edit(name));
    QStringList texts;
    for (QLineEdit* e : edits)
        texts << e->text();
    EXPECT_EQ(texts, (QStringList{"0", "2018", "2", "26", "2040", "1", "1", "1", ""}));

    edits[0]->setText("5530");
    edits[8]->setText("1, 2, 3");
    h.w->close();
    QFile file(h.iniPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[0], "[Date]");
    EXPECT_TRUE(lines[1].startsWith("Date=") && lines[1].contains("   ")) << lines[1].toStdString();
    lines.remove(0, 2);
    EXPECT_EQ(lines, (QStringList{"[Edit]", "Edit1=5530", "Edit2=2018", "Edit3=2", "Edit4=26",
                                  "Edit5=2040", "Edit6=1", "Edit7=1", "Edit8=1",
                                  "Edit_InputText=1, 2, 3"}));

    // Read back at the next start; the Date key is never read.
    OmbrikHarness again(h.iniPath);
    EXPECT_EQ(again.edit("Edit1")->text(), "5530");
    EXPECT_EQ(again.edit("Edit_InputText")->text(), "1, 2, 3");
}

// The data text is parsed at start-up whatever it holds, the edit's own "0" included.
TEST(OmbrikSettingsFile, TheDataTextIsParsedAtStartUpWhateverItHolds)
{
    const std::pair<const char*, const char*> rows[] = {{"0", "Adat bájtok száma = 1"},
                                                        {"", "Adat bájtok száma = 0"},
                                                        {"7 8", "Adat bájtok száma = 2"}};
    for (const auto& [text, count] : rows) {
        SCOPED_TRACE(text);
        QTemporaryDir dir;
        QFile file(dir.filePath("ombrik.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("[Edit]\nEdit_InputText=") + text + "\n");
        file.close();
        OmbrikHarness h(file.fileName());
        EXPECT_EQ(h.label("Label_InputSequence")->text().toStdString(), count);
    }
}

TEST(OmbrikSettingsFile, AFolderThatCannotBeWrittenGivesNoMessage)
{
    OmbrikHarness h("/proc/ombrik-settings/ombrik.ini");
    EXPECT_EQ(h.edit("Edit2")->text(), "2018");
    h.w->close();
    EXPECT_FALSE(QFile::exists(h.iniPath));
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_FALSE(top->isVisible() && top != h.w.get()) << top->metaObject()->className();
}

TEST(OmbrikUsb, PlugShowsTheDeviceEveryReplyBeepsAndUnplugStopsTheLink)
{
    OmbrikHarness h;
    EXPECT_EQ(h.find<qs::Shape>("Shape_MBUOn")->brushColor(), clLime);
    EXPECT_EQ(h.label("Label_VendorID")->text(), "$04D8 = 1240");
    EXPECT_EQ(h.label("Label_ProductID")->text(), "$003F = 63");
    EXPECT_EQ(h.label("Label_ProductName")->text(), "Quorin panel meter");
    h.tick(3);
    EXPECT_EQ(h.beeps, 3);

    // Unplugged in the middle of an exchange: it ends as a time-out, nothing is sent while
    // the unit is away, and the poll resumes when it is back.
    h.meter->latencyMs = 50;
    h.session().Tick();
    h.meter->unplug();
    eventloop::Pump();
    EXPECT_EQ(h.find<qs::Shape>("Shape_MBUOn")->brushColor(), clBtnFace);
    EXPECT_TRUE(h.label("Label_VendorName")->text().isEmpty());
    ASSERT_TRUE(eventloop::WaitFor([&] { return !h.session().Busy(); }));
    EXPECT_EQ(h.label("Label_MBURxError")->text(), "6: Time out.");
    const std::size_t before = h.meter->framesReceived().size();
    h.button("SpeedButton_OptionRead")->click();
    h.tick(3);
    EXPECT_EQ(h.meter->framesReceived().size(), before);

    h.meter->latencyMs = 0;
    h.meter->plug();
    eventloop::Pump();
    EXPECT_EQ(h.find<qs::Shape>("Shape_MBUOn")->brushColor(), clLime);
    h.tick(2);
    EXPECT_EQ(h.sent().back(), 101);
    EXPECT_EQ(h.sent()[h.sent().size() - 2], 111);
    EXPECT_EQ(h.label("Label_MBURxError")->text(), "0");
}

// An installed copy: the settings file in a folder the user may not write to, or itself
// read-only to the user. Closing saves the edits where the user may write the file, and
// leaves a read-only file as it was, its mode too.
TEST(OmbrikSettingsFile, ClosingSavesTheEditsOnlyWhereTheUserMayWriteTheFile)
{
    struct Case {
        const char* name;
        QFile::Permissions folder;
        QFile::Permissions file;
        bool saved;
    };
    const auto r = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto x = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    const Case cases[] = {
        {"read-only folder, writable file", r | x, r | QFile::WriteOwner, true},
        {"read-only file", r | x | QFile::WriteOwner, r, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        ASSERT_TRUE(QDir(dir.path()).mkdir("install"));
        const QString folder = dir.filePath("install");
        const QString path = folder + "/ombrik.ini";
        const QByteArray text = "[Edit]\nEdit1=7\nEdit_InputText=1 2\n";
        {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(text);
        }
        ASSERT_TRUE(QFile::setPermissions(path, c.file));
        ASSERT_TRUE(QFile::setPermissions(folder, c.folder));
        struct stat before {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &before), 0);
        {
            OmbrikHarness h(path);
            EXPECT_EQ(h.edit("Edit_InputText")->text(), "1 2");
            h.edit("Edit_InputText")->setText("7 8 9");
            h.w->close();
        }
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray after = file.readAll();
        if (c.saved) {
            EXPECT_TRUE(after.contains("[Date]") && after.contains("\nEdit_InputText=7 8 9\n"))
                << after.toStdString();
        } else {
            EXPECT_EQ(after, text);
        }
        EXPECT_EQ(QFile::permissions(path) & 0x7077, c.file);
        EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"ombrik.ini"});
        struct stat now {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &now), 0);
        EXPECT_EQ(now.st_ino, before.st_ino) << "the same file, written in place";

        OmbrikHarness again(path);
        EXPECT_EQ(again.edit("Edit_InputText")->text(), c.saved ? "7 8 9" : "1 2");
        QFile::setPermissions(folder, r | x | QFile::WriteOwner);  // so that it can be removed
    }
}

// Data bytes pasted over two or more lines: the edit shows them on one line, each break a
// blank, parses that, saves it on close and shows it again at the next start.
TEST(OmbrikSettingsFile, PastedLineBreaksAreSavedAsBlanksAndReadBackAtStart)
{
    struct Row {
        const char* pasted;
        const char* line;
        const char* count;
    };
    const Row rows[] = {{"1 2\r\n3 4", "1 2 3 4", "Adat bájtok száma = 4"},
                        {"1 2\n3 4", "1 2 3 4", "Adat bájtok száma = 4"},
                        {"1 2\r3 4", "1 2 3 4", "Adat bájtok száma = 4"},
                        {"5\r\n\r\n6", "5  6", "Adat bájtok száma = 2"}};
    for (const auto& [pasted, line, count] : rows) {
        SCOPED_TRACE(pasted);
        OmbrikHarness h;
        h.enter("TabSheet3");
        QApplication::setActiveWindow(h.w.get());
        QLineEdit* edit = h.edit("Edit_InputText");
        edit->setFocus();
        edit->selectAll();
        QGuiApplication::clipboard()->setText(QString::fromLatin1(pasted));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(edit->text().toStdString(), line);
        EXPECT_EQ(h.label("Label_InputSequence")->text().toStdString(), count);
        h.w->close();

        QFile file(h.iniPath);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().contains(QByteArray("\nEdit_InputText=") + line + "\n"));
        OmbrikHarness again(h.iniPath);
        EXPECT_EQ(again.edit("Edit_InputText")->text().toStdString(), line);
    }
}
