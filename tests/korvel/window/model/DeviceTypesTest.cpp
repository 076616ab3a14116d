#include "korvel/window/model/DeviceTypes.h"
#include "tests/HexText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

using namespace qs;
using namespace korvel;

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

using hextext::Hex;

namespace {

std::string IdentityBytes(const IdentityRecord& id)
{
    std::array<std::uint8_t, 16> area{};
    ByteWriter w(area);
    id.Encode(w);
    return Hex(w.Data());
}

IdentityEdits Edits(std::string number, std::string year, std::string month, int listIndex = 0)
{
    IdentityEdits e;
    e.gyariSzam = std::move(number);
    e.gyariSzamEv = std::move(year);
    e.gyariSzamHonap = std::move(month);
    e.deviceListIndex = listIndex;
    return e;
}

bool Contains(const std::vector<std::string_view>& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

constexpr std::uint16_t kEveryCode[] = {0, 1, 3310, 3320, 3330, 3340, 5510, 5520, 5530, 4000};

}  // namespace

// ---- device types -------------------------------------------------------------------------

TEST(DeviceTypes, ListRowsAndCodesMapOneToOne)
{
    const auto table = DeviceTypeTable();
    ASSERT_EQ(table.size(), 8u);
    const std::uint16_t codes[] = {3310, 3320, 3330, 3340, 5510, 5520, 5530, 1};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(DeviceTypeFromIndex(i), codes[i]);
        EXPECT_EQ(DeviceTypeToIndex(codes[i]), i);
    }
    EXPECT_EQ(table[5].listItem, "QV5520 IP");
    EXPECT_EQ(table[7].listItem, "Teszt");

    EXPECT_EQ(DeviceTypeFromIndex(-1), 0);  // no selection
    EXPECT_EQ(DeviceTypeFromIndex(8), 0);
    EXPECT_EQ(DeviceTypeToIndex(0), 0);
    EXPECT_EQ(DeviceTypeToIndex(4000), 0);
}

TEST(DeviceTypes, HeaderLabelNamesKnownModelsAndShowsOtherCodesInRed)
{
    EXPECT_EQ(DeviceTypeLabelFor(5520).text, "QV5520 IP");
    EXPECT_TRUE(DeviceTypeLabelFor(5520).known);
    EXPECT_EQ(DeviceTypeLabelFor(3310).text, "QV3310");

    const auto test = DeviceTypeLabelFor(1);
    EXPECT_EQ(test.text, "Ismeretlen készülék. Azonosítója: 1");
    EXPECT_FALSE(test.known);
    EXPECT_EQ(DeviceTypeLabelFor(65535).text, "Ismeretlen készülék. Azonosítója: 65535");
    EXPECT_FALSE(DeviceTypeLabelFor(0).known);
}

TEST(ModuleKinds, RadioGroupsHoldTheirSlotsKindsInTableOrder)
{
    const auto radios = ModuleRadioTable();
    ASSERT_EQ(radios.size(), 12u);
    std::vector<std::uint8_t> inputKinds, out2Kinds, out1Kinds;
    for (const ModuleRadio& r : radios) {
        auto& kinds = r.slot == IdentitySlot::Input     ? inputKinds
                      : r.slot == IdentitySlot::Output2 ? out2Kinds
                                                        : out1Kinds;
        EXPECT_EQ(r.indexInGroup, kinds.size());
        kinds.push_back(r.kind);
    }
    EXPECT_THAT(inputKinds, ElementsAre(0, 1, 2, 6));
    EXPECT_THAT(out2Kinds, ElementsAre(0, 3, 4, 5));
    EXPECT_THAT(out1Kinds, ElementsAre(0, 3, 4, 5));

    EXPECT_EQ(FindModuleRadio(IdentitySlot::Input, ModuleQVSERInput)->objectName,
              "RadioButton_InputModulQVSER");
    EXPECT_EQ(FindModuleRadio(IdentitySlot::Output1, ModuleQVRO)->caption, "QVRO (1 relé)");
    EXPECT_EQ(FindModuleRadio(IdentitySlot::Input, ModuleQVTMP)->caption,
              "QVTMP (hőmérséklet mérő)");
    EXPECT_EQ(FindModuleRadio(IdentitySlot::Input, ModuleQVAO), nullptr);
    EXPECT_EQ(FindModuleRadio(IdentitySlot::Output2, ModuleQVSERInput), nullptr);

    EXPECT_EQ(ModuleKindOfRadio(IdentitySlot::Input, 3), ModuleQVSERInput);
    EXPECT_EQ(ModuleKindOfRadio(IdentitySlot::Output2, 2), ModuleQVSER);
    EXPECT_EQ(ModuleKindOfRadio(IdentitySlot::Output1, -1), ModuleNone);
    EXPECT_EQ(ModuleKindOfRadio(IdentitySlot::Output1, 4), ModuleNone);

    EXPECT_EQ(ModuleGroupTable()[1].caption, "Kimeneti modul 2 (fő) (uQVOptOut2)");
}

// ---- identity clamps ----------------------------------------------------------------------

TEST(IdentityEntry, FactoryNumberClampsUnsigned)
{
    EXPECT_EQ(FactoryNumberFromText("123"), 123u);
    EXPECT_EQ(FactoryNumberFromText("-5"), 999999u);
    EXPECT_EQ(FactoryNumberFromText("1234567"), 999999u);
    EXPECT_EQ(FactoryNumberFromText("abc"), 0u);
    EXPECT_EQ(FactoryNumberFromText(""), 0u);
    EXPECT_EQ(FactoryNumberText(123), "000123");
    EXPECT_EQ(FactoryNumberText(1234567), "1234567");
    EXPECT_EQ(FactoryNumberText(4294967295u), "4294967295");
}

TEST(IdentityEntry, YearKeepsTheLowByteThenClampsTo99)
{
    EXPECT_EQ(YearFromText("-1"), 99);  // 255
    EXPECT_EQ(YearFromText("255"), 99);
    EXPECT_EQ(YearFromText("256"), 0);  // low byte 0
    EXPECT_EQ(YearFromText("7"), 7);
    EXPECT_EQ(YearFromText("x"), 0);
    EXPECT_EQ(TwoDigitText(7), "07");
    EXPECT_EQ(TwoDigitText(255), "255");
}

TEST(IdentityEntry, MonthClampsTo1To12ButUnreadableTextStaysZero)
{
    EXPECT_EQ(MonthFromText("0"), 1);
    EXPECT_EQ(MonthFromText("13"), 12);
    EXPECT_EQ(MonthFromText("-1"), 12);
    EXPECT_EQ(MonthFromText("8"), 8);
    EXPECT_EQ(MonthFromText("x"), 0);
    EXPECT_EQ(MonthFromText(""), 0);
}

TEST(IdentityEntry, ReadIdentityEditsGivesTheRecordAndTheRewrittenTexts)
{
    IdentityEdits e = Edits("654321", "7", "x", 6);
    e.checkedRadio = {1, 1, 0};  // QVAIN, QVAO, Nincs
    const IdentityTaken taken = ReadIdentityEdits(e);
    EXPECT_EQ(taken.gyariSzamText, "654321");
    EXPECT_EQ(taken.gyariSzamEvText, "07");
    EXPECT_EQ(taken.gyariSzamHonapText, "00");
    EXPECT_EQ(taken.deviceListIndex, 6);
    EXPECT_EQ(IdentityBytes(taken.identity), "F1 FB 09 00 07 00 9A 15 01 03 00");

    IdentityEdits big = Edits("1234567", "99", "12", 7);
    big.checkedRadio = {3, 3, 2};  // QVSER in, QVRO main, QVSER additional
    const IdentityTaken clamped = ReadIdentityEdits(big);
    EXPECT_EQ(clamped.gyariSzamText, "999999");
    EXPECT_EQ(IdentityBytes(clamped.identity), "3F 42 0F 00 63 0C 01 00 06 05 04");
}

TEST(IdentityEntry, NoListRowTakesType0AndSelectsTheFirstRow)
{
    const IdentityTaken taken = ReadIdentityEdits(Edits("1", "20", "1", -1));
    EXPECT_EQ(taken.identity.uDeviceType, 0);
    EXPECT_EQ(taken.deviceListIndex, 0);
    EXPECT_EQ(taken.identity.uQVOptIn, 0);  // no radio checked
}

TEST(IdentityEntry, StepButtonsWorkOnTheClampedNumber)
{
    // "-1" in the edit, then "+1": clamped to 999999 first, so it stays there.
    const std::uint32_t taken = ReadIdentityEdits(Edits("-1", "20", "1")).identity.uGyariSzam;
    EXPECT_EQ(FactoryNumberText(FactoryNumberPlus1(taken)), "999999");
    EXPECT_EQ(FactoryNumberPlus1(999998), 999999u);
    EXPECT_EQ(FactoryNumberMinus1(0), 0u);
    EXPECT_EQ(FactoryNumberText(FactoryNumberMinus1(1)), "000000");
}

// ---- model pages --------------------------------------------------------------------------

TEST(ModelPage, ModelsWithoutAPageOnlyUncheckTheRadios)
{
    for (std::uint16_t code : {3330, 3340, 1, 0, 4000}) {
        const auto d = ConfigureModelPage(code, {1, 3, 3}, false, false);
        EXPECT_EQ(d.row, ModelRow::None) << code;
        EXPECT_THAT(d.radiosEnabled, IsEmpty());
        EXPECT_THAT(d.radiosChecked, IsEmpty());
        EXPECT_THAT(d.tabsHidden, IsEmpty());
        EXPECT_TRUE(d.tabShown.empty());
        EXPECT_FALSE(d.activateTab);
        EXPECT_EQ(d.checkedRadio, (std::array<int, 3>{-1, -1, -1}));
    }
}

TEST(ModelPage, QV3310ChecksItsFixedModulesWhateverIsPolled)
{
    const auto d = ConfigureModelPage(3310, {2, 5, 3}, false, false);
    EXPECT_EQ(d.row, ModelRow::QV3310);
    EXPECT_THAT(d.radiosEnabled,
                UnorderedElementsAre("RadioButton_InputModulNone", "RadioButton_OutputModul2QVAO",
                                     "RadioButton_OutputModul1None"));
    EXPECT_EQ(d.radiosDisabled.size(), 9u);
    EXPECT_TRUE(Contains(d.radiosDisabled, "RadioButton_OutputModul2None"));
    EXPECT_THAT(d.radiosChecked,
                ElementsAre("RadioButton_InputModulNone", "RadioButton_OutputModul2QVAO",
                            "RadioButton_OutputModul1None"));
    EXPECT_EQ(d.checkedRadio, (std::array<int, 3>{0, 1, 0}));
    EXPECT_THAT(d.buttonsDisabled, IsEmpty());
    EXPECT_THAT(d.buttonsEnabled, IsEmpty());
    EXPECT_EQ(d.tabShown, "TabSheet_3310");
    EXPECT_THAT(d.tabsHidden,
                UnorderedElementsAre("TabSheet_3320", "TabSheet_3330", "TabSheet_3340",
                                     "TabSheet_5510", "TabSheet_5530"));
    EXPECT_TRUE(d.activateTab);
}

TEST(ModelPage, OnlyTheQV3310RowTouchesTheNoneRadios)
{
    for (std::uint16_t code : kEveryCode) {
        if (code == 3310)
            continue;
        const auto d = ConfigureModelPage(code, {}, false, false);
        for (std::string_view none : {"RadioButton_InputModulNone", "RadioButton_OutputModul2None",
                                      "RadioButton_OutputModul1None"}) {
            EXPECT_FALSE(Contains(d.radiosEnabled, none)) << code << " " << none;
            EXPECT_FALSE(Contains(d.radiosDisabled, none)) << code << " " << none;
        }
    }
}

TEST(ModelPage, QV3320EnablesTheButtonsAndLampsOfThePolledModules)
{
    const auto d = ConfigureModelPage(3320, {1, 5, 5}, true, false);
    EXPECT_EQ(d.buttonsDisabled.size(), 7u);
    EXPECT_THAT(d.lampsHidden,
                UnorderedElementsAre("Shape_DigitalOut1_QV3320", "Shape_DigitalOut2_QV3320"));
    EXPECT_THAT(d.radiosChecked,
                ElementsAre("RadioButton_InputModulQVAIN", "RadioButton_OutputModul2QVRO",
                            "RadioButton_OutputModul1QVRO"));
    EXPECT_THAT(d.buttonsEnabled, ElementsAre("Button_QV3320_QVAIN", "Button_QV3320_QVRO_Fo",
                                              "Button_QV3320_QVRO_Tovabbi"));
    EXPECT_THAT(d.lampsShown, ElementsAre("Shape_DigitalOut1_QV3320", "Shape_DigitalOut2_QV3320"));
    EXPECT_THAT(d.tabsHidden, IsEmpty());  // factory mode shows every tab

    const auto other = ConfigureModelPage(3320, {2, 4, 3}, true, false);
    EXPECT_THAT(other.buttonsEnabled, ElementsAre("Button_QV3320_QVTMP", "Button_QV3320_QVSER_Fo",
                                                  "Button_QV3320_QVAO_Tovabbi"));
    EXPECT_THAT(other.lampsShown, IsEmpty());
}

TEST(ModelPage, KindTheModelCannotCarryChecksNothingInItsSlot)
{
    // RS-485 as input on a QV3320; RS-485 in the additional slot is not offered either.
    const auto d = ConfigureModelPage(3320, {ModuleQVSERInput, 0, ModuleQVSER}, false, false);
    EXPECT_THAT(d.radiosChecked, ElementsAre("RadioButton_OutputModul2None"));
    EXPECT_EQ(d.checkedRadio, (std::array<int, 3>{-1, 0, -1}));
    EXPECT_THAT(d.buttonsEnabled, IsEmpty());
}

TEST(ModelPage, QV5520SharesTheQV5510RowAndItsOutputsAreAlwaysNone)
{
    const auto d =
        ConfigureModelPage(5520, {ModuleQVSERInput, ModuleQVRO, ModuleQVAO}, false, false);
    EXPECT_EQ(d.row, ModelRow::QV5510);
    EXPECT_EQ(d.tabShown, "TabSheet_5510");
    EXPECT_THAT(d.radiosChecked,
                ElementsAre("RadioButton_InputModulQVSER", "RadioButton_OutputModul2None",
                            "RadioButton_OutputModul1None"));
    EXPECT_THAT(d.buttonsEnabled, ElementsAre("Button_QV5510_QVSER_Fo"));
    EXPECT_EQ(d.radiosDisabled.size(), 6u);
}

TEST(ModelPage, QV5530RelayInTheMainSlotChecksTheDisabledRadioAndShowsTheQV3320Lamp)
{
    const auto d = ConfigureModelPage(5530, {0, ModuleQVRO, ModuleQVAO}, true, false);
    EXPECT_THAT(d.radiosChecked,
                ElementsAre("RadioButton_InputModulNone", "RadioButton_OutputModul2QVRO",
                            "RadioButton_OutputModul1None"));
    EXPECT_TRUE(Contains(d.radiosDisabled, "RadioButton_OutputModul2QVRO"));
    EXPECT_THAT(d.buttonsEnabled, IsEmpty());
    EXPECT_THAT(d.lampsShown, ElementsAre("Shape_DigitalOut1_QV3320"));
    EXPECT_THAT(d.lampsHidden,
                UnorderedElementsAre("Shape_DigitalOut1_QV3320", "Shape_DigitalOut2_QV3320"));
}

TEST(ModelPage, FactoryTabStaysActive)
{
    const auto d = ConfigureModelPage(5530, {}, true, true);
    EXPECT_EQ(d.tabShown, "TabSheet_5530");
    EXPECT_FALSE(d.activateTab);
}

TEST(ModelPage, BuiltInRelayControlsAreNeverDisabledOrHidden)
{
    for (std::uint16_t code : kEveryCode) {
        const auto d = ConfigureModelPage(code, {}, false, false);
        EXPECT_FALSE(Contains(d.buttonsDisabled, "Button_QV5510_Rel1"));
        EXPECT_FALSE(Contains(d.buttonsDisabled, "Button_QV5510_Rel2"));
        EXPECT_FALSE(Contains(d.lampsHidden, "Shape_DigitalOut1_QV5510"));
        EXPECT_FALSE(Contains(d.lampsHidden, "Shape_DigitalOut2_QV5510"));
    }
}

// ---- identity read-back -------------------------------------------------------------------

TEST(IdentityReadBack, WritesThePolledValuesThenClampsThem)
{
    PolledIdentity p;
    p.reportedType = 5530;
    p.deviceId = 1234567;
    p.year = 255;
    p.month = 0;
    p.modules = {ModuleQVTMP, ModuleQVSER, 0};
    const auto r = ReadBackIdentity(p, false, false);
    EXPECT_EQ(r.written.gyariSzam, "1234567");
    EXPECT_EQ(r.written.gyariSzamEv, "255");
    EXPECT_EQ(r.written.gyariSzamHonap, "00");
    EXPECT_EQ(r.written.deviceListIndex, 6);
    EXPECT_EQ(r.label.text, "QV5530");
    EXPECT_EQ(r.taken.gyariSzamText, "999999");
    EXPECT_EQ(r.taken.gyariSzamEvText, "99");
    EXPECT_EQ(r.taken.gyariSzamHonapText, "01");
    EXPECT_EQ(IdentityBytes(r.taken.identity), "3F 42 0F 00 63 01 9A 15 02 04 00");
}

TEST(IdentityReadBack, UnknownOrPagelessModelsTakeNoModules)
{
    PolledIdentity p;
    p.reportedType = 4000;
    p.deviceId = 42;
    p.year = 20;
    p.month = 8;
    p.modules = {1, 3, 5};
    auto r = ReadBackIdentity(p, false, false);
    EXPECT_FALSE(r.label.known);
    EXPECT_EQ(r.written.deviceListIndex, 0);
    // The list then shows its first row, which is what is taken.
    EXPECT_EQ(IdentityBytes(r.taken.identity), "2A 00 00 00 14 08 EE 0C 00 00 00");

    p.reportedType = 1;
    r = ReadBackIdentity(p, false, false);
    EXPECT_EQ(r.written.deviceListIndex, 7);
    EXPECT_EQ(r.taken.identity.uDeviceType, 1);
    EXPECT_EQ(r.taken.identity.uQVOptOut2, 0);
}

TEST(IdentityReadBack, QV3320WithAnRs485InputTakesNoInputModule)
{
    PolledIdentity p;
    p.reportedType = 3320;
    p.modules = {ModuleQVSERInput, ModuleQVAO, ModuleQVRO};
    const auto r = ReadBackIdentity(p, true, false);
    EXPECT_EQ(r.taken.identity.uQVOptIn, 0);
    EXPECT_EQ(r.taken.identity.uQVOptOut2, ModuleQVAO);
    EXPECT_EQ(r.taken.identity.uQVOptOut1, ModuleQVRO);
}
