// The base-unit settings record end to end: the two settings pages and the QVSER dialog's
// MODBUS controls on the simulated meter's stored and default blocks.
#include "tests/korvel/window/KorvelHarness.h"
#include "tests/LocaleScope.h"
#include "korvel/window/SettingsCommands.h"
#include "tests/sim/SettingsStore.h"
#include "common/ui/ModbusControls.h"
#include "common/ui/TypingLimit.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace qs;
using namespace korvel;

namespace {

std::vector<std::uint8_t> Bytes(const SettingsRecord& r)
{
    return SettingsStore::Encoded(r);
}

// The controls as the form creates them, taken with the window's start format (0 decimals).
SettingsRecord DesignState()
{
    SettingsRecord r = SettingsStore::DesignState();
    r.brightness = 5;
    r.modbusBaudRate = -1;  // no selection: 255
    return r;
}

struct SettingsFixture : ::testing::Test {
    KorvelHarness h{{"/VORKAL"}};
    SettingsStore store{*h.meter};

    // One status poll that sets the window's decimal places.
    void Poll(std::uint8_t decimals)
    {
        h.meter->status.uDecimals = decimals;
        h.tick();
    }
    void Run(SpeedButton* button)
    {
        button->click();
        h.tick();
    }
};
}  // namespace

TEST_F(SettingsFixture, EveryFieldHasItsControl)
{
    EXPECT_TRUE(MainWindowTestAccess::SettingsIO(*h.w).Binding().Missing().empty())
        << MainWindowTestAccess::SettingsIO(*h.w).Binding().Missing().front().toStdString();
    auto limitOf = [](QLineEdit* e) { return e->findChild<TypingLimit*>()->maxLength(); };
    EXPECT_EQ(limitOf(h.C<QLineEdit>("Edit_DisplayTagname")), 21);
    EXPECT_EQ(limitOf(h.C<QLineEdit>("Edit_DisplayDimension")), 8);
    EXPECT_EQ(limitOf(h.C<QLineEdit>("Edit_uSecL3")), 5);
    EXPECT_EQ(limitOf(h.C<QLineEdit>("Edit_uPulseSecL4")), 3);
    EXPECT_EQ(findcontrol::Find<QComboBox>(h.forms->Form_QVSER, "ComboBox_MODBUSAddress")->count(),
              248);
    EXPECT_EQ(
        findcontrol::Find<QComboBox>(h.forms->Form_QVSER, "ComboBox_MODBUSBaudRate")->itemText(15),
        "921600 bit/sec.");
    EXPECT_EQ(h.C<qs::RadioGroup>("RadioGroup_enuLimitModeL1")->item(10)->text(),
              "11. Delta t változás");
}

TEST_F(SettingsFixture, AWriteBeforeAnyReadSendsTheDesignState)
{
    Run(h.C<qs::SpeedButton>("SpeedButton_WriteSettings"));
    ASSERT_EQ(store.writes.size(), 1u);
    EXPECT_EQ(store.writes[0], Bytes(DesignState()));
    EXPECT_EQ(h.C<QLineEdit>("Edit_uSecL1")->text(), "2");  // rewritten with the value sent
    EXPECT_EQ(h.C<QLineEdit>("Edit_iScaleHighSettings")->text(), "00100");
}

TEST_F(SettingsFixture, AWriteIsReadBackByExactlyOneRead)
{
    Run(h.C<qs::SpeedButton>("SpeedButton_WriteSettings2"));
    EXPECT_FALSE(h.C<qs::SpeedButton>("SpeedButton_WriteSettings")->IsDown());
    EXPECT_FALSE(h.C<qs::SpeedButton>("SpeedButton_WriteSettings2")->IsDown());
    EXPECT_TRUE(h.C<qs::SpeedButton>("SpeedButton_ReadSettings")->IsDown());
    EXPECT_TRUE(h.C<qs::SpeedButton>("SpeedButton_ReadSettings2")->IsDown());
    h.tick();
    h.tick();
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{109, 131, 101}));
    EXPECT_FALSE(h.C<qs::SpeedButton>("SpeedButton_ReadSettings")->IsDown());
    EXPECT_FALSE(h.C<qs::SpeedButton>("SpeedButton_ReadSettings2")->IsDown());
}

TEST_F(SettingsFixture, AShortReplyReadsZerosForTheMissingFields)
{
    store.stored.resize(40);  // up to the analogue high value
    Run(h.C<qs::SpeedButton>("SpeedButton_ReadSettings"));
    EXPECT_EQ(h.C<QSlider>("TrackBar_Brightness")->value(), 7);
    EXPECT_EQ(h.C<QLineEdit>("Edit_DisplayTagname")->text(), "Tartály 1");
    EXPECT_EQ(h.C<qs::RadioGroup>("RadioGroup_uRoundSettings")->ItemIndex(), 0);  // "1"
    EXPECT_EQ(h.C<qs::RadioGroup>("RadioGroup_uPtWires")->ItemIndex(), -1);
    EXPECT_EQ(h.C<QLineEdit>("Edit_iBgHigh")->text(), "00000");
    EXPECT_EQ(findcontrol::Find<QComboBox>(h.forms->Form_QVSER, "ComboBox_MODBUSBaudRate")
                  ->currentIndex(),
              0);

    store.stored.clear();
    Run(h.C<qs::SpeedButton>("SpeedButton_ReadSettings"));
    EXPECT_EQ(h.C<QSlider>("TrackBar_Brightness")->value(), 1);  // held within 1..10
    EXPECT_EQ(h.C<QLineEdit>("Edit_DisplayTagname")->text(), "");
    EXPECT_EQ(h.C<qs::RadioGroup>("RadioGroup_DisplayRefresh")->ItemIndex(), 5);  // "500"
}

TEST_F(SettingsFixture, ReplyValuesTheControlsCannotShowAreHeldOrDropped)
{
    SettingsRecord r = SettingsStore::Sample(0);
    r.brightness = 200;
    r.uPtWires = -1;  // wires 1: no item
    store.stored = Bytes(r);
    store.stored[135] = 16;   // baud past the list
    store.stored[136] = 250;  // address past the list
    Run(h.C<qs::SpeedButton>("SpeedButton_ReadSettings"));
    EXPECT_EQ(h.C<QSlider>("TrackBar_Brightness")->value(), 10);
    EXPECT_EQ(h.C<qs::RadioGroup>("RadioGroup_uPtWires")->ItemIndex(), -1);
    EXPECT_EQ(findcontrol::Find<QComboBox>(h.forms->Form_QVSER, "ComboBox_MODBUSBaudRate")
                  ->currentIndex(),
              -1);
    EXPECT_EQ(
        findcontrol::Find<QComboBox>(h.forms->Form_QVSER, "ComboBox_MODBUSAddress")->currentIndex(),
        -1);
    // Written back: wires -1 + 2, baud and address without selection 255.
    Run(h.C<qs::SpeedButton>("SpeedButton_WriteSettings"));
    EXPECT_EQ(store.writes.back()[138], 1);
    EXPECT_EQ(store.writes.back()[135], 0xFF);
    EXPECT_EQ(store.writes.back()[136], 0xFF);
    EXPECT_EQ(store.writes.back()[0], 10);
}

TEST_F(SettingsFixture, CounterEditsAreClampedAndRewritten)
{
    struct Row {
        const char* text;
        std::uint16_t sent;
        const char* shown;
    };
    for (const Row& row : {Row{"1", 2, "2"}, Row{"70000", 65535, "65535"}, Row{"abc", 2, "2"},
                           Row{"-5", 65535, "65535"}}) {
        h.C<QLineEdit>("Edit_uSecL1")->setText(row.text);
        h.C<QLineEdit>("Edit_uPulseSecL2")->setText("300");
        Run(h.C<qs::SpeedButton>("SpeedButton_WriteSettings"));
        const auto& sent = store.writes.back();
        EXPECT_EQ(sent[121] | sent[122] << 8, row.sent) << row.text;
        EXPECT_EQ(h.C<QLineEdit>("Edit_uSecL1")->text(), row.shown) << row.text;
        EXPECT_EQ(sent[130], 255);
        EXPECT_EQ(h.C<QLineEdit>("Edit_uPulseSecL2")->text(), "255");
        h.tick();  // the read-back
    }
}

TEST_F(SettingsFixture, TextsAreCutTrimmedAndCodedInWindows1250)
{
    h.C<QLineEdit>("Edit_DisplayTagname")->setText("  Tűz 1  ");
    h.C<QLineEdit>("Edit_DisplayDimension")->setText("kg/m2 abcd");
    Run(h.C<qs::SpeedButton>("SpeedButton_WriteSettings"));
    const std::vector<std::uint8_t> tag(store.writes[0].begin() + 1, store.writes[0].begin() + 23);
    std::vector<std::uint8_t> expected{'T', 0xFB, 'z', ' ', '1'};
    expected.resize(22, 0);
    EXPECT_EQ(tag, expected);
    EXPECT_EQ(std::string(store.writes[0].begin() + 23, store.writes[0].begin() + 32),
              std::string("kg/m2 ab\0", 9));

    h.tick();  // the read-back shows what the meter stored
    EXPECT_EQ(h.C<QLineEdit>("Edit_DisplayTagname")->text(), "Tűz 1");

    h.C<QLineEdit>("Edit_DisplayTagname")->setText("ABCDEFGHIJKLMNOPQRST  XYZ");  // 25 characters
    Run(h.C<qs::SpeedButton>("SpeedButton_WriteSettings"));
    ASSERT_EQ(store.writes.size(), 2u);
    std::string cut = "ABCDEFGHIJKLMNOPQRST";  // 21 characters kept, the blank trimmed
    cut.resize(22, '\0');
    EXPECT_EQ(std::string(store.writes[1].begin() + 1, store.writes[1].begin() + 23), cut);
}

class SettingsLocales : public SettingsFixture, public ::testing::WithParamInterface<Separator> {};

TEST_P(SettingsLocales, ReadsShowTheBlocksAndAWriteSendsThemBack)
{
    LocaleScope scope(GetParam().locale);
    const QString sep = GetParam().text();
    Poll(2);
    Run(h.C<qs::SpeedButton>("SpeedButton_ReadDefaultSettings"));
    EXPECT_FALSE(h.C<qs::SpeedButton>("SpeedButton_ReadDefaultSettings")->IsDown());
    EXPECT_EQ(h.C<QLineEdit>("Edit_DisplayTagname")->text(), "Quorin");
    EXPECT_EQ(
        findcontrol::Find<QComboBox>(h.forms->Form_QVSER, "ComboBox_MODBUSAddress")->currentIndex(),
        147);

    Run(h.C<qs::SpeedButton>("SpeedButton_ReadSettings2"));
    EXPECT_EQ(MainWindowTestAccess::SettingsIO(*h.w).Take(),
              SettingsStore::Sample(0));  // every field shown
    EXPECT_EQ(h.C<QSlider>("TrackBar_Brightness")->value(), 7);
    EXPECT_EQ(h.C<QLineEdit>("Edit_DisplayTagname")->text(), "Tartály 1");
    EXPECT_EQ(h.C<QLineEdit>("Edit_DisplayDimension")->text(), "°C");
    EXPECT_EQ(h.C<QLineEdit>("Edit_iScaleHighSettings")->text(), "020" + sep + "00");
    EXPECT_EQ(h.C<QLineEdit>("Edit_iAnalogueLow")->text(), "-015" + sep + "00");
    EXPECT_EQ(h.C<qs::RadioGroup>("RadioGroup_DisplayRefresh")->ItemIndex(), 2);
    EXPECT_EQ(h.C<qs::RadioGroup>("RadioGroup_uRoundSettings")->ItemIndex(), 2);
    EXPECT_EQ(h.C<qs::RadioGroup>("RadioGroup_uPtWires")->ItemIndex(), 1);
    EXPECT_TRUE(h.C<QCheckBox>("CheckBox_BargraphDot")->isChecked());
    EXPECT_EQ(h.C<qs::RadioGroup>("RadioGroup_enuLimitModeL4")->ItemIndex(), 10);
    EXPECT_EQ(h.C<QLineEdit>("Edit_uSecL2")->text(), "120");
    EXPECT_EQ(findcontrol::Find<qs::RadioGroup>(h.forms->Form_QVSER, "RadioGroup_MODBUSProtocol")
                  ->ItemIndex(),
              1);
    EXPECT_EQ(findcontrol::Find<qs::RadioGroup>(h.forms->Form_QVSER, "RadioGroup_MODBUSParity")
                  ->ItemIndex(),
              3);
    EXPECT_EQ(findcontrol::Find<QComboBox>(h.forms->Form_QVSER, "ComboBox_MODBUSBaudRate")
                  ->currentIndex(),
              15);
    EXPECT_EQ(
        findcontrol::Find<QComboBox>(h.forms->Form_QVSER, "ComboBox_MODBUSAddress")->currentIndex(),
        247);

    // Right after the read a write sends back the bytes read.
    const std::vector<std::uint8_t> read = store.stored;
    Run(h.C<qs::SpeedButton>("SpeedButton_WriteSettings"));
    EXPECT_EQ(store.writes.back(), read);
    h.tick();

    // One control changed changes only its field; the edit shows the value sent (12,125 is
    // 1212.5, to the even 1212).
    h.C<QLineEdit>("Edit_iScaleHighSettings")->setText("12" + sep + "125");
    Run(h.C<qs::SpeedButton>("SpeedButton_WriteSettings"));
    std::vector<std::uint8_t> expected = read;
    expected[60] = 0xBC, expected[61] = 0x04, expected[62] = 0, expected[63] = 0;
    EXPECT_EQ(store.writes.back(), expected);
    EXPECT_EQ(h.C<QLineEdit>("Edit_iScaleHighSettings")->text(), "012" + sep + "12");
    h.tick();

    // A dialog control counts as one of the record's.
    findcontrol::Find<QComboBox>(h.forms->Form_QVSER, "ComboBox_MODBUSBaudRate")
        ->setCurrentIndex(3);
    Run(h.C<qs::SpeedButton>("SpeedButton_WriteSettings"));
    expected[135] = 3;
    EXPECT_EQ(store.writes.back(), expected);
}

TEST_P(SettingsLocales, ASegmentAnnouncingAnotherTotalIsNotTaken)
{
    // Before the meter's second and third segments of a settings read, a stray segment at the
    // offset asked for arrives announcing another total (20000, then one byte less than the
    // 139): neither is stored nor asked on from, and the read shows the meter's own block.
    LocaleScope scope(GetParam().locale);
    const QString sep = GetParam().text();
    Poll(2);
    std::vector<std::uint16_t> asked;
    h.meter->onFrameWritten = [&](const mbu3::Frame& f) {
        if (f[mbu3::off::Flags] != mbu3::kFlagAskReply)
            return;
        const std::uint16_t at = mbu3::Get16(f, mbu3::off::SegmentOffset);
        asked.push_back(at);
        if (at != 46 && at != 92)
            return;
        mbu3::Frame stray{};
        mbu3::Put16(stray, mbu3::off::DeviceType, h.meter->deviceType);
        mbu3::Put16(stray, mbu3::off::Firmware, h.meter->firmware);
        stray[mbu3::off::Command] = 131;
        mbu3::Put16(stray, mbu3::off::TotalLength, at == 46 ? 20000 : 138);
        mbu3::Put16(stray, mbu3::off::SegmentOffset, at);
        mbu3::Put32(stray, mbu3::off::HostOrDeviceId, h.meter->deviceId);
        std::fill(stray.begin() + mbu3::kDataOffset, stray.begin() + mbu3::kCrcOffset,
                  std::uint8_t{0xEE});
        mbu3::SetCRC(stray);
        h.meter->injectReport(stray);  // ahead of the meter's own reply
    };
    Run(h.C<qs::SpeedButton>("SpeedButton_ReadSettings"));
    h.meter->onFrameWritten = {};

    EXPECT_EQ(asked, (std::vector<std::uint16_t>{46, 92, 138}));
    EXPECT_FALSE(h.C<qs::SpeedButton>("SpeedButton_ReadSettings")->IsDown());
    EXPECT_EQ(MainWindowTestAccess::SettingsIO(*h.w).Take(), SettingsStore::Sample(0));
    EXPECT_EQ(h.C<QLineEdit>("Edit_iScaleHighSettings")->text(), "020" + sep + "00");
    EXPECT_EQ(h.C<QLineEdit>("Edit_iAnalogueLow")->text(), "-015" + sep + "00");
    EXPECT_EQ(h.C<QLabel>("Label_uSumDataByteFromRx")->text(), "139");
    EXPECT_EQ(h.C<QLabel>("Label_MBURxError")->text(), "0");
}

INSTANTIATE_TEST_SUITE_P(Locales, SettingsLocales, ::testing::Values(kComma, kPoint),
                         [](const auto& info) { return std::string(info.param.name); });
