// The module dialogs' frame and openers end to end: every opener's caption, place and
// commands, the per-dialog slot, requests that outlive a showing, the relay test, and the
// Alt-alone refresh.
#include "DialogHarness.h"

#include "korvel/window/dialogs/PasswordDialog.h"
#include "common/ui/RadioGroup.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

using namespace qs;
using namespace korvel;

namespace {

void PressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
}

}  // namespace

// Every opener in the order of the model pages, in one session: the caption it leaves, the
// module slot, the place and the commands of the dialog's read, and for the slot dialogs of
// its factory-default read and its write with the read-back that follows.
TEST(ModuleOpeners, EachOpensItsDialogWithItsCaptionSlotAndCommands)
{
    struct Row {
        const char* button;
        Trio dialog;
        const char* caption;
        std::uint8_t moduleSlot;
        std::vector<std::uint8_t> commands;  // read; for the slot dialogs default, write, read-back
    };
    const Row rows[] = {
        {"Button_QV3310_QVAO_Fo", Trio::Qvao, "QVAO - Fő modul", 1, {203, 212, 204, 203}},
        {"Button_QV3320_QVAIN", Trio::Qvain, "QVAIN", 1, {201}},
        {"Button_QV3320_QVTMP", Trio::Qvtmp, "QVTMP", 1, {223}},
        {"Button_QV3320_QVAO_Fo", Trio::Qvao, "QVAO - Fő modul", 1, {203, 212, 204, 203}},
        {"Button_QV3320_QVSER_Fo", Trio::Qvser, "QVSER - Fő modul", 1, {214}},
        {"Button_QV3320_QVRO_Fo", Trio::Qvro, "QVRO - Fő modul", 1, {207, 213, 208, 207}},
        {"Button_QV3320_QVAO_Tovabbi", Trio::Qvao, "QVAO - További modul", 0, {205, 212, 206, 205}},
        {"Button_QV3320_QVRO_Tovabbi", Trio::Qvro, "QVRO - További modul", 0, {209, 213, 210, 209}},
        {"Button_QV5510_QVAIN", Trio::Qvain, "QVAIN", 0, {201}},
        {"Button_QV5510_QVTMP", Trio::Qvtmp, "QVTMP", 0, {223}},
        {"Button_QV5510_QVSER_Fo", Trio::Qvser, "QVSER bemeneti modul", 1, {214}},
        {"Button_QV5510_Rel1", Trio::Qvro, "Rel1", 1, {207, 213, 208, 207}},
        {"Button_QV5510_Rel2", Trio::Qvro, "Rel2", 0, {209, 213, 210, 209}},
        {"Button_QV5530_QVAIN", Trio::Qvain, "QVAIN", 0, {201}},
        {"Button_QV5530_QVTMP", Trio::Qvtmp, "QVTMP", 0, {223}},
        {"Button_QV5530_QVAO_Fo", Trio::Qvao, "QVAO", 1, {203, 212, 204, 203}},
        {"Button_QV5530_QVSER_Fo", Trio::Qvser, "QVSER", 1, {214}},
    };
    DialogHarness h;
    h.w->move(40, 30);
    ASSERT_EQ(ModuleOpeners().size(), std::size(rows));
    for (const Row& r : rows) {
        ModuleDialog* d = h.dialogOf(r.dialog);
        QPushButton* opener = h.button(r.button);
        ASSERT_NE(opener, nullptr) << r.button;
        h.meter->clearLog();
        const bool modal = h.whileOpen(opener, d, [&] {
            EXPECT_EQ(d->windowTitle().toStdString(), r.caption) << r.button;
            EXPECT_EQ(d->pos(), QPoint(61, 385)) << r.button;
            EXPECT_EQ(h.session().ModuleSlot(), r.moduleSlot) << r.button;
            EXPECT_TRUE(h.trioButton(d, "SpeedButton_ReadFromDevice")->IsDown()) << r.button;
            h.tick();
            if (r.commands.size() > 1) {
                h.trioButton(d, "SpeedButton_ReadDefault")->click();
                h.tick();
                h.trioButton(d, "SpeedButton_WriteToDevice")->click();
                h.tick();
                h.tick();
            }
        });
        EXPECT_TRUE(modal) << r.button;
        EXPECT_FALSE(d->isVisible()) << r.button;
        EXPECT_EQ(RequestsBesidesPolls(*h.meter), r.commands) << r.button;
    }
}

// The frame of all six dialogs: captions, size, the common buttons and GroupBox9; Alt alone
// with any key, or "Kép frissítés", refreshes the windows; the Esc key clicks "Kilépés (Esc)".
TEST(ModuleDialogFrame, CommonControlsRefreshAndEsc)
{
    DialogHarness h;
    struct Row {
        ModuleDialog* d;
        const char* name;
        const char* caption;
        const char* group;
    };
    const Row rows[] = {
        {h.qvain, "Form_QVAIN", "QVAIN", "Bemenet típusa és a bemenet skálázása"},
        {h.qvao, "Form_QVAO", "QVAO", "Analóg kimenet típusa, skálázása, hibajelzés módja"},
        {h.qvro, "Form_QVRO", "QVRO",
         "Határérték relé kimenet üzemmódja, beállításai és tesztelése"},
        {h.qvser, "Form_QVSER", "QVSER", "Soros kommunikáció beállítása"},
        {h.qvtmp, "Form_QVTMP", "QVTMP", "Pt bemenet beállításai"},
        {h.forms->Form_Password, "Form_Password", "Password",
         "A készülékben tárolt kezelői jelszó és mérnöki jelszó módosítása"},
    };
    for (const Row& r : rows) {
        ModuleDialog* d = r.d;
        EXPECT_EQ(d->objectName().toStdString(), r.name);
        EXPECT_EQ(d->windowTitle().toStdString(), r.caption) << r.name;
        // Outer size 1271 x 538 with the usual frame round the client area.
        EXPECT_EQ(d->size(), QSize(1255, 500)) << r.name;
        EXPECT_FALSE(d->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint))
            << r.name;
        EXPECT_EQ(findcontrol::Find<QPushButton>(d, "Button_Esc")->text(), "Kilépés (Esc)")
            << r.name;
        EXPECT_EQ(findcontrol::Find<QPushButton>(d, "Button_RefreshForm")->text(), "Kép frissítés")
            << r.name;
        EXPECT_EQ(findcontrol::Find<QGroupBox>(d, "GroupBox9")->title().toStdString(), r.group)
            << r.name;
        EXPECT_EQ(h.trioButton(d, "SpeedButton_ReadFromDevice")->text(), "Kiolvasás a készülékből")
            << r.name;
        EXPECT_EQ(h.trioButton(d, "SpeedButton_ReadDefault")->text(),
                  "Gyári alapértékek megjelenítése")
            << r.name;
        EXPECT_EQ(h.trioButton(d, "SpeedButton_WriteToDevice")->text(), "Beírás a készülékbe")
            << r.name;
    }
    std::vector<DialogBase*> all = {h.editor};
    for (const Row& r : rows)
        all.push_back(r.d);
    for (DialogBase* d : all) {
        QWidget* control = d->findChildren<QPushButton*>().back();
        PressKey(control, Qt::Key_X, Qt::AltModifier);
        PressKey(control, Qt::Key_X, Qt::AltModifier | Qt::ShiftModifier);
        PressKey(control, Qt::Key_X, Qt::AltModifier | Qt::ControlModifier);
        PressKey(control, Qt::Key_X, Qt::NoModifier);
        EXPECT_EQ(d->RefreshCount, 1) << d->objectName().toStdString();
        findcontrol::Find<QPushButton>(d, "Button_RefreshForm")->click();
        EXPECT_EQ(d->RefreshCount, 2) << d->objectName().toStdString();
    }
    EXPECT_EQ(MainWindowTestAccess::RefreshCount(*h.w), 0);

    // The Esc key closes the dialog through its button; the relay dialog first ends its test.
    bool closedByKey = false;
    EXPECT_TRUE(h.whileOpen(h.button("Button_QV5510_Rel1"), h.qvro, [&] {
        findcontrol::Find<QCheckBox>(h.qvro, "CheckBox_DigitalOutForceEng")->setChecked(true);
        PressKey(findcontrol::Find<QLineEdit>(h.qvro, "Edit_uSec"), Qt::Key_Escape, Qt::NoModifier);
        closedByKey = !h.qvro->isVisible();
    }));
    EXPECT_TRUE(closedByKey);
    EXPECT_FALSE(findcontrol::Find<QCheckBox>(h.qvro, "CheckBox_DigitalOutForceEng")->isChecked());
}

// The relay dialog's test, by the slot its opener gave it: the output-force byte of the status
// request carries $10 or $20, with the test button down $11 or $22; the state labels follow
// that slot's output; Esc ends the test.
TEST(RelayTest, ByTheDialogsSlot)
{
    struct Row {
        const char* opener;
        std::uint8_t test;
        std::uint8_t forced;
        bool outputOn;  // with output 1 on and output 2 off
    };
    const Row rows[] = {
        {"Button_QV5510_Rel1", 0x10, 0x11, true},
        {"Button_QV5510_Rel2", 0x20, 0x22, false},
        {"Button_QV3320_QVRO_Fo", 0x10, 0x11, true},
        {"Button_QV3320_QVRO_Tovabbi", 0x20, 0x22, false},
    };
    for (const Row& r : rows) {
        DialogHarness h;
        h.meter->status.uDigitalOutputs = 0b01;
        auto forceByte = [&] { return h.meter->lastStatusRequest.at(4); };
        EXPECT_TRUE(h.whileOpen(h.button(r.opener), h.qvro, [&] {
            h.tick();  // the opener's read
            h.tick();
            EXPECT_EQ(forceByte(), 0) << r.opener;
            EXPECT_EQ(findcontrol::Find<QLabel>(h.qvro, "Label_DigitalOutOn")->isEnabled(),
                      r.outputOn)
                << r.opener;
            EXPECT_EQ(findcontrol::Find<QLabel>(h.qvro, "Label_DigitalOutOff")->isEnabled(),
                      !r.outputOn)
                << r.opener;
            findcontrol::Find<QCheckBox>(h.qvro, "CheckBox_DigitalOutForceEng")->click();
            h.tick();
            EXPECT_EQ(forceByte(), r.test) << r.opener;
            findcontrol::Find<qs::SpeedButton>(h.qvro, "SpeedButton_DigitalOut1Force")->click();
            h.tick();
            EXPECT_EQ(forceByte(), r.forced) << r.opener;
        })) << r.opener;
        EXPECT_FALSE(
            findcontrol::Find<QCheckBox>(h.qvro, "CheckBox_DigitalOutForceEng")->isChecked())
            << r.opener;
        h.tick();
        EXPECT_EQ(forceByte(), 0) << r.opener;
    }
}

// A QVAO write refused in the main slot stays pending while the relay dialog is opened for the
// additional slot: it still goes out as 204 and reads back as 203, and the additional QVAO
// module's block is untouched.
TEST(DialogSlot, APendingWriteGoesToTheSlotOfItsDialog)
{
    for (const char* otherSlot : {"Button_QV5510_Rel2", "Button_QV3320_QVRO_Tovabbi"}) {
        DialogHarness h;
        EXPECT_TRUE(h.leaveWritePending("Button_QV3320_QVAO_Fo", h.qvao, 204, [&] {
            findcontrol::Find<qs::RadioGroup>(h.qvao, "RadioGroup_uAnalogueType")->item(3)->click();
        }));
        h.meter->clearLog();
        h.modules.Refuse(204, 0);
        EXPECT_TRUE(h.whileOpen(h.button(otherSlot), h.qvro, [&] {
            EXPECT_EQ(h.session().ModuleSlot(), 0) << otherSlot;
            for (int i = 0; i < 3; ++i)
                h.tick();
        }));
        EXPECT_EQ(RequestsBesidesPolls(*h.meter), (std::vector<std::uint8_t>{204, 203, 209}))
            << otherSlot;
        ModuleStore::Bytes written = ModuleStore::kQvaoMain;
        written[0] = 3;
        EXPECT_EQ(h.modules.Stored(203), written) << otherSlot;
        EXPECT_EQ(h.modules.Stored(205), ModuleStore::kQvaoAdditional) << otherSlot;
        EXPECT_EQ(h.qvao->windowTitle(), "QVAO - Fő modul");
    }
}

// A main-slot read already on its way when the dialog is reopened for the additional slot:
// its reply fills nothing and releases nothing; the read then goes out for the new slot.
TEST(DialogSlot, AReplyForTheSlotTheDialogLeftFillsNothing)
{
    DialogHarness h;
    EXPECT_TRUE(h.whileOpen(h.button("Button_QV3320_QVAO_Fo"), h.qvao, [] {}));
    h.session().Tick();
    ASSERT_TRUE(h.session().Busy());  // 203 on its way; its reply waits in the event loop
    EXPECT_TRUE(h.whileOpen(h.button("Button_QV3320_QVAO_Tovabbi"), h.qvao, [&] {
        ASSERT_TRUE(h.waitFor([&] { return !h.session().Busy(); }));
        EXPECT_EQ(findcontrol::Find<QLabel>(h.qvao, "Label_iScaleLowSettings")->text(), "xxxxx");
        EXPECT_EQ(
            findcontrol::Find<qs::RadioGroup>(h.qvao, "RadioGroup_uAnalogueType")->ItemIndex(), 0);
        EXPECT_TRUE(
            findcontrol::Find<qs::SpeedButton>(h.qvao, "SpeedButton_ReadFromDevice")->IsDown());
        h.tick();
        EXPECT_EQ(
            findcontrol::Find<qs::RadioGroup>(h.qvao, "RadioGroup_uAnalogueType")->ItemIndex(),
            4);  // the additional module's
        EXPECT_FALSE(
            findcontrol::Find<qs::SpeedButton>(h.qvao, "SpeedButton_ReadFromDevice")->IsDown());
    }));
    EXPECT_EQ(RequestsBesidesPolls(*h.meter), (std::vector<std::uint8_t>{203, 205}));
}

// Requests outlive a showing: a write left pending when the dialog closes goes out later and
// its read-back fills the hidden dialog; reopening drops a pending write for a read; with no
// device the opener's read waits for one.
TEST(DialogRequests, PendingRequestsAcrossShowings)
{
    DialogHarness h;
    EXPECT_TRUE(h.leaveWritePending("Button_QV3320_QVAIN", h.qvain, 202, [&] {
        findcontrol::Find<qs::RadioGroup>(h.qvain, "RadioGroup_uInputTypeSettings")
            ->item(4)
            ->click();
    }));
    h.modules.Refuse(202, 0);
    h.tick();
    EXPECT_EQ(h.modules.Stored(201)[1], 4);
    findcontrol::Find<qs::RadioGroup>(h.qvain, "RadioGroup_uInputTypeSettings")
        ->setItemIndex(0);  // shown again by the read-back
    h.tick();
    EXPECT_EQ(
        findcontrol::Find<qs::RadioGroup>(h.qvain, "RadioGroup_uInputTypeSettings")->ItemIndex(),
        4);
    EXPECT_FALSE(
        findcontrol::Find<qs::SpeedButton>(h.qvain, "SpeedButton_ReadFromDevice")->IsDown());

    // Reopening drops a write still pending and reads the block instead.
    h.modules.Refuse(208, mbu3::ErrCommand);
    findcontrol::Find<qs::SpeedButton>(h.qvro, "SpeedButton_WriteToDevice")->click();
    h.tick();
    h.meter->clearLog();
    EXPECT_TRUE(h.whileOpen(h.button("Button_QV5510_Rel1"), h.qvro, [&] {
        EXPECT_FALSE(
            findcontrol::Find<qs::SpeedButton>(h.qvro, "SpeedButton_WriteToDevice")->IsDown());
        h.tick();
        h.tick();
    }));
    EXPECT_EQ(RequestsBesidesPolls(*h.meter), (std::vector<std::uint8_t>{207}));

    // No device: the opener's read stays down, the values of the last showing stay, and the
    // read goes out once the device is there.
    h.meter->unplug();
    KorvelHarness::pump();
    h.meter->clearLog();
    EXPECT_TRUE(h.whileOpen(h.button("Button_QV3320_QVAO_Tovabbi"), h.qvao, [&] {
        h.tick();
        EXPECT_TRUE(
            findcontrol::Find<qs::SpeedButton>(h.qvao, "SpeedButton_ReadFromDevice")->IsDown());
    }));
    EXPECT_TRUE(h.meter->commandsSeen().empty());
    h.meter->plug();
    KorvelHarness::pump();
    h.tick();
    EXPECT_EQ(RequestsBesidesPolls(*h.meter), (std::vector<std::uint8_t>{205}));
    EXPECT_EQ(findcontrol::Find<qs::RadioGroup>(h.qvao, "RadioGroup_uAnalogueType")->ItemIndex(),
              4);
}

// The request group: Read clicked twice leaves nothing pending; Write pressed before the
// opener's read was taken replaces it, and the values on show are written, then read back.
TEST(DialogRequests, TheTrioIsOneGroup)
{
    DialogHarness h;
    h.meter->clearLog();
    EXPECT_TRUE(h.whileOpen(h.button("Button_QV3320_QVRO_Tovabbi"), h.qvro, [&] {
        findcontrol::Find<qs::SpeedButton>(h.qvro, "SpeedButton_ReadFromDevice")->click();
        EXPECT_FALSE(
            findcontrol::Find<qs::SpeedButton>(h.qvro, "SpeedButton_ReadFromDevice")->IsDown());
        findcontrol::Find<qs::SpeedButton>(h.qvro, "SpeedButton_ReadFromDevice")->click();
        findcontrol::Find<qs::SpeedButton>(h.qvro, "SpeedButton_WriteToDevice")->click();
        EXPECT_FALSE(
            findcontrol::Find<qs::SpeedButton>(h.qvro, "SpeedButton_ReadFromDevice")->IsDown());
        h.tick();
        h.tick();
        h.tick();
    }));
    EXPECT_EQ(RequestsBesidesPolls(*h.meter), (std::vector<std::uint8_t>{210, 209}));
}
