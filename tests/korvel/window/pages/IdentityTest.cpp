// Identity read-back, the identity to write, and the model pages, on the simulated meter.
#include "tests/korvel/window/KorvelHarness.h"

#include <QApplication>
#include <QKeyEvent>

#include <array>

#include <gtest/gtest.h>

using namespace qs;
using namespace korvel;

namespace {
// Two seconds of traffic, as the one-second timer sees it.
void TwoSecondsOfTraffic(KorvelHarness& h)
{
    for (int second = 0; second < 2; ++second) {
        h.tick();
        h.tick();
        h.session().SecondTick();
    }
}
}  // namespace

TEST(ModelPages, AfterTwoSecondsOfPollingOnlyTheReportedModelsTabShows)
{
    KorvelHarness h({}, /*runTicks=*/true);
    h.meter->deviceType = 3320;
    h.meter->status.uQVOptIn = 2;
    h.meter->status.uQVOptOut2 = 5;
    h.meter->status.uQVOptOut1 = 3;
    EXPECT_EQ(h.C<qs::PageControl>("PageControl4")->visibleTabCount(), 0);
    ASSERT_TRUE(KorvelHarness::waitFor(
        [&] { return h.C<qs::PageControl>("PageControl4")->visibleTabCount() > 0; }, 3500));
    EXPECT_EQ(h.C<qs::PageControl>("PageControl4")->visibleTabCount(), 1);
    EXPECT_TRUE(h.C<qs::PageControl>("PageControl4")->isTabVisible(h.C<QWidget>("TabSheet_3320")));
    EXPECT_EQ(h.C<qs::PageControl>("PageControl4")->activePage(), h.C<QWidget>("TabSheet_3320"));
    EXPECT_FALSE(h.C<QPushButton>("Button_QV3320_QVAIN")->isEnabled());
    EXPECT_TRUE(h.C<QPushButton>("Button_QV3320_QVTMP")->isEnabled());
    EXPECT_TRUE(h.C<QPushButton>("Button_QV3320_QVRO_Fo")->isEnabled());
    EXPECT_FALSE(h.C<QPushButton>("Button_QV3320_QVAO_Fo")->isEnabled());
    EXPECT_TRUE(h.C<QPushButton>("Button_QV3320_QVAO_Tovabbi")->isEnabled());
    EXPECT_FALSE(h.C<qs::Shape>("Shape_DigitalOut1_QV3320")->isHidden());
    EXPECT_TRUE(h.C<qs::Shape>("Shape_DigitalOut2_QV3320")->isHidden());
    EXPECT_EQ(h.C<QLabel>("Label_KeszulekTipus")->text(), "QV3320");

    // A time-out hides every model tab again.
    h.meter->dropNextReplies(1000);
    ASSERT_TRUE(KorvelHarness::waitFor(
        [&] { return h.C<qs::PageControl>("PageControl4")->visibleTabCount() == 0; }, 1000));
    EXPECT_EQ(h.C<qs::PageControl>("PageControl5")->activePage(), h.C<QWidget>("TabSheet_NoComm"));
}

TEST(ModelPages, FactoryModeKeepsEveryTabAndTheFactoryPage)
{
    KorvelHarness h({"/VORKAL"});
    h.meter->deviceType = 5530;
    h.meter->status.uQVOptIn = 1;
    h.meter->status.uQVOptOut2 = 4;
    TwoSecondsOfTraffic(h);
    EXPECT_EQ(h.C<qs::PageControl>("PageControl4")->activePage(), h.C<QWidget>("TabSheet_Quorin"));
    EXPECT_TRUE(h.C<qs::PageControl>("PageControl4")->isTabVisible(h.C<QWidget>("TabSheet_3310")));
    EXPECT_TRUE(h.C<QPushButton>("Button_QV5530_QVAIN")->isEnabled());
    EXPECT_FALSE(h.C<QPushButton>("Button_QV5530_QVTMP")->isEnabled());
    EXPECT_TRUE(h.C<QPushButton>("Button_QV5530_QVSER_Fo")->isEnabled());
    EXPECT_TRUE(h.C<QRadioButton>("RadioButton_InputModulQVAIN")->isChecked());
    EXPECT_TRUE(h.C<QRadioButton>("RadioButton_OutputModul2QVSER")->isChecked());
    EXPECT_TRUE(h.C<QRadioButton>("RadioButton_OutputModul1None")->isChecked());
}

TEST(Identity, ReadBackFillsAndClampsTheEdits)
{
    KorvelHarness h({"/VORKAL"});
    h.meter->deviceType = 5510;
    h.meter->deviceId = 1234567;
    h.meter->status.uGyariSzamEv = 255;
    h.meter->status.uGyariSzamHonap = 3;
    h.meter->status.uQVOptIn = 6;
    h.tick();
    h.C<QPushButton>("Button_GyariSzamToEdits")->click();
    EXPECT_EQ(h.C<QLineEdit>("Edit_GyariSzam")->text(), "999999");
    EXPECT_EQ(h.C<QLineEdit>("Edit_GyariSzamEv")->text(), "99");
    EXPECT_EQ(h.C<QLineEdit>("Edit_GyariSzamHonap")->text(), "03");
    EXPECT_EQ(h.C<QListWidget>("ListBox_uDeviceType")->currentItem()->text(), "QV5510");
    EXPECT_TRUE(h.C<QRadioButton>("RadioButton_InputModulQVSER")->isChecked());
    EXPECT_EQ(h.Part<korvel::IdentityGroup>()->IdentityToWrite.uDeviceType, 5510);
    EXPECT_EQ(h.Part<korvel::IdentityGroup>()->IdentityToWrite.uQVOptIn, 6);

    // An unknown type: first row, red "unknown" header text.
    h.meter->deviceType = 4242;
    h.tick();
    h.C<QPushButton>("Button_GyariSzamToEdits")->click();
    EXPECT_EQ(h.C<QLabel>("Label_KeszulekTipus")->text(), "Ismeretlen készülék. Azonosítója: 4242");
    EXPECT_EQ(FontColorOf(h.C<QLabel>("Label_KeszulekTipus")), clRed);
    EXPECT_EQ(h.C<QListWidget>("ListBox_uDeviceType")->currentRow(), 0);
}

TEST(Identity, EditsAreClampedAndTheRecordIsExact)
{
    KorvelHarness h({"/VORKAL"});
    h.C<QLineEdit>("Edit_GyariSzam")->setText("-1");
    h.C<QLineEdit>("Edit_GyariSzamEv")->setText("7");
    h.C<QLineEdit>("Edit_GyariSzamHonap")->setText("0");
    h.C<QListWidget>("ListBox_uDeviceType")->setCurrentRow(1);
    h.C<QRadioButton>("RadioButton_InputModulQVTMP")->setChecked(true);
    h.C<QRadioButton>("RadioButton_OutputModul2QVRO")->setChecked(true);
    h.C<QRadioButton>("RadioButton_OutputModul1QVAO")->setChecked(true);
    h.C<QPushButton>("Button_GyariSzamPlusz1")
        ->click();  // clamped first: -1 gives 999999, which stays
    EXPECT_EQ(h.C<QLineEdit>("Edit_GyariSzam")->text(), "999999");
    EXPECT_EQ(h.C<QLineEdit>("Edit_GyariSzamEv")->text(), "07");
    EXPECT_EQ(h.C<QLineEdit>("Edit_GyariSzamHonap")->text(), "01");
    h.C<QLineEdit>("Edit_GyariSzam")->setText("123456");
    h.C<QPushButton>("Button_GyariSzamMinusz1")->click();
    EXPECT_EQ(h.C<QLineEdit>("Edit_GyariSzam")->text(), "123455");

    std::array<std::uint8_t, 16> area{};
    ByteWriter w(area);
    h.Part<korvel::IdentityGroup>()->IdentityToWrite.Encode(w);
    const std::vector<std::uint8_t> bytes(w.Data().begin(), w.Data().end());
    EXPECT_EQ(bytes,
              (std::vector<std::uint8_t>{0x3F, 0xE2, 0x01, 0x00, 7, 1, 0xF8, 0x0C, 2, 5, 3}));
}

TEST(Identity, FactoryNumberTypingIsLimitedButReadBackIsNot)
{
    KorvelHarness h({"/VORKAL"});
    h.w->show();
    h.C<QLineEdit>("Edit_GyariSzam")->clear();
    h.C<QLineEdit>("Edit_GyariSzam")->setFocus();
    for (const char* key : {"1", "2", "3", "4", "5", "6", "7"}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QString::fromLatin1(key));
        QApplication::sendEvent(h.C<QLineEdit>("Edit_GyariSzam"), &press);
    }
    EXPECT_EQ(h.C<QLineEdit>("Edit_GyariSzam")->text(), "123456");
    h.C<QLineEdit>("Edit_GyariSzam")->setText("1234567");
    EXPECT_EQ(h.C<QLineEdit>("Edit_GyariSzam")->text(), "1234567");
}

TEST(ModelPages, ReturningFromADialogKeepsTheReportedModelsPage)
{
    KorvelHarness h;
    h.meter->deviceType = 5530;
    h.w->show();
    QApplication::setActiveWindow(h.w);
    KorvelHarness::pump();
    TwoSecondsOfTraffic(h);
    ASSERT_TRUE(h.C<qs::PageControl>("PageControl4")->isTabVisible(h.C<QWidget>("TabSheet_5530")));

    QWidget* dialog = h.forms->Form_QVAIN;
    dialog->show();
    QApplication::setActiveWindow(dialog);
    KorvelHarness::pump();
    dialog->hide();
    QApplication::setActiveWindow(h.w);
    KorvelHarness::pump();
    EXPECT_TRUE(h.C<qs::PageControl>("PageControl4")->isTabVisible(h.C<QWidget>("TabSheet_5530")));
    EXPECT_EQ(h.C<qs::PageControl>("PageControl4")->activePage(), h.C<QWidget>("TabSheet_5530"));
    EXPECT_EQ(h.C<qs::PageControl>("PageControl4")->visibleTabCount(), 1);

    // The activation that a time-out repeats still hides the model tabs.
    h.meter->dropNextReplies();
    h.tick();
    EXPECT_EQ(h.C<qs::PageControl>("PageControl4")->visibleTabCount(), 0);
}
