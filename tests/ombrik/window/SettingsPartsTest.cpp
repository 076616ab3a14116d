// The settings record in three chained parts end to end, on both settings pages and the
// simulated meter's stored and factory blocks.
#include "tests/FindControl.h"
#include "tests/ombrik/link/ByteText.h"
#include "tests/LocaleScope.h"
#include "OmbrikHarness.h"
#include "ombrik/window/SettingsParts.h"

#include <gtest/gtest.h>

using namespace qs;
using namespace ombrik;

using bytetext::Hex;
using Bytes = std::vector<std::uint8_t>;
using Codes = std::vector<std::uint8_t>;

namespace {

Bytes Encoded(const SettingsRecord& r)
{
    return SettingsStore::Encoded(r);
}

// The controls as the window starts, taken with the start format (no decimals).
SettingsRecord InitialContents()
{
    SettingsRecord r = SettingsStore::DesignState();
    r.brightness = 127;
    r.displayTagname = "123456789012345678901";
    r.displayDimension = "12345678";
    r.modbusBaudRate = 5;  // "9600 bit/sec."
    return r;
}

struct OmbrikSettings : ::testing::Test {
    OmbrikHarness h;
    SettingsStore& store = *h.settings;

    // A button's whole chain.
    void Run(SpeedButton* button)
    {
        button->click();
        h.tick(3);
    }
    // The record the last write chain sent, its three parts end to end.
    Bytes Written() const
    {
        Bytes all;
        for (std::size_t p = store.writes.size() - 3; p < store.writes.size(); ++p)
            all.insert(all.end(), store.writes[p].begin(), store.writes[p].end());
        return all;
    }
    SettingsRecord Shown() const
    {
        return OmbrikWindowTestAccess::SettingsIO(*h.w).Binding().Take();
    }
};

}  // namespace

TEST_F(OmbrikSettings, EveryFieldHasItsControlAndTheBrightnessRunsTo255)
{
    EXPECT_TRUE(OmbrikWindowTestAccess::SettingsIO(*h.w).Binding().Missing().empty())
        << OmbrikWindowTestAccess::SettingsIO(*h.w).Binding().Missing().front().toStdString();
    EXPECT_EQ(h.find<QSlider>("TrackBar_DisplayBrightness")->maximum(), 255);
    EXPECT_EQ(h.find<QSlider>("TrackBar_DisplayBrightness")->pageStep(), 25);
    EXPECT_EQ(h.find("ModbusControls")->parentWidget(), h.find<QGroupBox>("GroupBox_Modbus"));
    EXPECT_TRUE(
        h.find<QWidget>("TabSheet2")->isAncestorOf(h.find<qs::RadioGroup>("RadioGroup_uPtWires")));
    EXPECT_TRUE(h.find<QWidget>("TabSheet5")->isAncestorOf(h.edit("Edit_uPulseSecL4")));
}

TEST_F(OmbrikSettings, EachChainsFramesFollowEachOtherWithNothingBetween)
{
    h.button("SpeedButton_OptionRead")->click();  // waits until the chain is done
    Run(h.button("SpeedButton_WriteSettings"));
    h.tick(2);
    EXPECT_EQ(h.sent(), (Codes{109, 119, 122, 111, 101}));
    ASSERT_EQ(store.writes.size(), 3u);
    EXPECT_EQ(Hex(Written()), Hex(Encoded(InitialContents())))
        << "a write before any read sends the initial contents";
    EXPECT_EQ(h.edit("Edit_uSecL1")->text(), "2") << "rewritten with the value sent";
    EXPECT_FALSE(h.button("SpeedButton_WriteSettings")->IsDown());

    // A read from either page fills both.
    store.stored = Encoded(SettingsStore::Sample(0));
    h.meter->clearLog();
    Run(h.button("SpeedButton_ReadSettings2"));
    EXPECT_EQ(h.sent(), (Codes{107, 117, 120}));
    EXPECT_EQ(Shown(), SettingsStore::Sample(0));
    EXPECT_EQ(h.edit("Edit_DisplayTagname")->text(), "Tartály 1");
    EXPECT_EQ(h.edit("Edit_uSecL2")->text(), "120");
    EXPECT_FALSE(h.button("SpeedButton_ReadSettings2")->IsDown());

    h.meter->clearLog();
    Run(h.button("SpeedButton_ReadDefaultSettings"));
    EXPECT_EQ(h.sent(), (Codes{108, 118, 121}));
    EXPECT_EQ(Shown(), SettingsStore::Sample(1));
    EXPECT_EQ(h.find<qs::RadioGroup>("RadioGroup_enuLimitModeL4")->ItemIndex(),
              SettingsStore::Sample(1).limits[3].enuLimitMode);
    h.tick();
    EXPECT_EQ(h.sent().back(), 101)
        << "nothing is read back after a write, nothing chained after a read";
}

TEST_F(OmbrikSettings, ALostMiddleFrameRestartsItsChainAndPartsShownStay)
{
    h.button("SpeedButton_ReadSettings")->click();
    h.tick();
    h.meter->dropNextReplies();
    h.tick();  // 117 times out
    EXPECT_EQ(h.label("Label_MBURxError")->text(), "6: Time out.");
    EXPECT_EQ(h.session().ChainedCommand(), 0);
    EXPECT_EQ(h.edit("Edit_DisplayTagname")->text(), "Tartály 1") << "part 1 stays shown";
    EXPECT_EQ(h.edit("Edit_uSecL1")->text(), "0") << "part 3 not read yet";
    EXPECT_TRUE(h.button("SpeedButton_ReadSettings")->IsDown());
    h.tick(4);
    EXPECT_EQ(h.sent(), (Codes{107, 117, 107, 117, 120, 101}));
    EXPECT_EQ(Shown(), SettingsStore::Sample(0));
}

TEST_F(OmbrikSettings, APartThreeEditChangedMidChainIsSent)
{
    h.button("SpeedButton_WriteSettings2")->click();
    h.tick();
    h.edit("Edit_uSecL1")->setText("777");
    h.find<QComboBox>("ComboBox_MODBUSAddress")->setCurrentIndex(17);
    h.tick(2);
    ASSERT_EQ(store.writes.size(), 3u);
    EXPECT_EQ(Hex(std::span(store.writes[2]).subspan(14, 2)), "09 03");
    EXPECT_EQ(store.writes[2][29], 17);
}

// Hungarian (a decimal comma) or English (a decimal point).
class OmbrikSettingsLocales : public OmbrikSettings, public ::testing::WithParamInterface<bool> {};

TEST_P(OmbrikSettingsLocales, EntryRulesOnWriteAndSelectionRulesOnRead)
{
    const bool hungarian = GetParam();
    LocaleScope scope(hungarian ? HungarianLocale()
                                : QLocale(QLocale::English, QLocale::UnitedKingdom));
    const QString sep = hungarian ? "," : ".";
    const QString other = hungarian ? "." : ",";
    // The analogue input with 2 decimals: "000.00" and 100.
    h.meter->mbu.options = {1, 0};
    h.meter->status.uDecimals = 2;
    h.button("SpeedButton_OptionRead")->click();
    h.tick(2);
    ASSERT_EQ(h.state().Scaled.ScaledFormat(), "000.00");

    struct Edit {
        QLineEdit* edit;
        QString text;
        std::size_t offset;  // in the record
        std::int64_t sent;
        QString shown;
    };
    const Edit edits[] = {
        {h.edit("Edit_iScaleHighSettings"), "12" + sep + "345", 60, 1235, "012" + sep + "35"},
        {h.edit("Edit_iBgLow"), "1" + sep + "005", 45, 100,
         "001" + sep + "00"},  // just below 1.005 as a single
        {h.edit("Edit_iAnalogueHigh"), "abc", 39, 0, "000" + sep + "00"},
        {h.edit("Edit_iLowLimitL4"), "12" + other + "5", 109, 0,
         "000" + sep + "00"},  // only the locale's separator
        {h.edit("Edit_uSecL1"), "1", 121, 2, "2"},
        {h.edit("Edit_uSecL2"), "70000", 123, 65535, "65535"},
        {h.edit("Edit_uSecL3"), "-5", 125, 65535, "65535"},
        {h.edit("Edit_uPulseSecL2"), "300", 130, 255, "255"},
    };
    for (const Edit& e : edits)
        e.edit->setText(e.text);
    h.edit("Edit_DisplayTagname")->setText("  Tűzoltó 1  ");
    h.edit("Edit_DisplayDimension")->setText("ABCDEFGHIJ");
    h.find<qs::RadioGroup>("RadioGroup_DisplayRefresh")->setItemIndex(2);  // "100"
    h.find<qs::RadioGroup>("RadioGroup_uPtWires")->setItemIndex(1);        // "3"
    Run(h.button("SpeedButton_WriteSettings"));
    const Bytes sent = Written();
    for (const Edit& e : edits) {
        SCOPED_TRACE(e.text.toStdString());
        const std::size_t width = e.offset >= 121 ? (e.offset >= 129 ? 1 : 2) : 4;
        std::int64_t value = 0;
        for (std::size_t i = 0; i < width; ++i)
            value |= static_cast<std::int64_t>(sent[e.offset + i]) << (8 * i);
        EXPECT_EQ(value, e.sent);
        EXPECT_EQ(e.edit->text(), e.shown);
    }
    Bytes tag{'T', 0xFB, 'z', 'o', 'l', 't', 0xF3, ' ', '1'};
    tag.resize(22);
    EXPECT_EQ(Hex(std::span(sent).subspan(1, 22)), Hex(tag));
    EXPECT_EQ(Hex(std::span(sent).subspan(23, 9)), "41 42 43 44 45 46 47 48 00");
    EXPECT_EQ(sent[33], 8);
    EXPECT_EQ(sent[138], 3);

    // Read: codes outside the tables, a baud index past the list, a brightness above 10.
    SettingsRecord r = SettingsStore::Sample(0);
    store.stored = Encoded(r);
    store.stored[0] = 200;
    store.stored[33] = 3;    // refresh: no such code
    store.stored[55] = 7;    // rounding: neither 2 nor 5
    store.stored[135] = 16;  // baud past the list
    store.stored[138] = 1;   // wires below 2
    Run(h.button("SpeedButton_ReadSettings"));
    EXPECT_EQ(h.find<QSlider>("TrackBar_DisplayBrightness")->value(), 200);
    EXPECT_EQ(h.find<qs::RadioGroup>("RadioGroup_DisplayRefresh")->ItemIndex(), 5);
    EXPECT_EQ(h.find<qs::RadioGroup>("RadioGroup_uRoundSettings")->ItemIndex(), 0);
    EXPECT_EQ(h.find<QComboBox>("ComboBox_MODBUSBaudRate")->currentIndex(), -1);
    EXPECT_EQ(h.find<qs::RadioGroup>("RadioGroup_uPtWires")->ItemIndex(), -1);
    EXPECT_EQ(h.edit("Edit_iScaleHighSettings")->text(), "020" + sep + "00");
    EXPECT_EQ(h.edit("Edit_iAnalogueLow")->text(), "-015" + sep + "00");
    EXPECT_EQ(h.edit("Edit_DisplayDimension")->text(), "°C");
    store.stored[138] = 4;
    Run(h.button("SpeedButton_ReadSettings"));
    EXPECT_EQ(h.find<qs::RadioGroup>("RadioGroup_uPtWires")->ItemIndex(), 2);

    // Written back: the brightness as it is, no baud as 255, the wires of no selection as 1.
    store.stored[138] = 0;
    Run(h.button("SpeedButton_ReadSettings"));
    Run(h.button("SpeedButton_WriteSettings"));
    EXPECT_EQ(Written()[0], 200);
    EXPECT_EQ(Written()[135], 0xFF);
    EXPECT_EQ(Written()[138], 1);
}

INSTANTIATE_TEST_SUITE_P(Separators, OmbrikSettingsLocales, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Comma" : "Point"; });
