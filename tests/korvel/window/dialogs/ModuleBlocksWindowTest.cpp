// The module blocks and the passwords through their dialogs on the simulated meter: what a
// read and a factory-default read show in the named controls, what a write sends, and the
// edge cases of the QVAIN, QVAO and QVRO blocks' rules.
#include "DialogHarness.h"

#include "common/ui/RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <algorithm>
#include <map>
#include <tuple>

using namespace qs;
using namespace korvel;

namespace {

using Bytes = ModuleStore::Bytes;

// A control's state as text: a radio group's or list's item index, a check as 1 or 0, an
// edit's or label's text.
std::string State(QWidget* in, const QString& name)
{
    if (auto* g = in->findChild<RadioGroup*>(name))
        return std::to_string(g->ItemIndex());
    if (auto* c = in->findChild<QCheckBox*>(name))
        return c->isChecked() ? "1" : "0";
    if (auto* e = in->findChild<QLineEdit*>(name))
        return e->text().toStdString();
    if (auto* b = in->findChild<QComboBox*>(name))
        return std::to_string(b->currentIndex());
    if (auto* l = in->findChild<QLabel*>(name))
        return l->text().toStdString();
    return "<missing>";
}

// Every named selection, check, edit, list and label below `in` that belongs to its window.
std::map<std::string, std::string> Snapshot(QWidget* in)
{
    std::map<std::string, std::string> states;
    for (QWidget* c : in->findChildren<QWidget*>())
        if (!c->objectName().isEmpty() && c->window() == in->window())
            states[c->objectName().toStdString()] = State(in, c->objectName());
    return states;
}

using Expected = std::vector<std::pair<const char*, const char*>>;

void ExpectShown(ModuleDialog* d, const Expected& expected, char sep, const std::string& where)
{
    for (const auto& [name, value] : expected) {
        std::string v = value;
        std::replace(v.begin(), v.end(), '.', sep);
        EXPECT_EQ(State(d, name), v) << where << ": " << name;
    }
}

struct BlockCase {
    const char* name;
    const char* opener;
    Trio dialog;
    std::uint8_t read, defaults, write;
    Bytes stored;
    Expected shownStored;
    Expected shownDefaults;
};

void PrintTo(const BlockCase& c, std::ostream* os)
{
    *os << c.name;
}

class ReadDefaultWrite : public ::testing::TestWithParam<std::tuple<BlockCase, Separator>> {};

const Expected kQvroDefaults = {
    {"RadioGroup_enuLimitMode", "0"}, {"Label_iSettingsA", "00.000"},
    {"Label_iSettingsB", "00.000"},   {"Label_iSettingsHysteresis", "00.010"},
    {"CheckBox_bHold", "0"},          {"Edit_uSec", "2"},
    {"Edit_uPulseSec", "2"}};
const Expected kQvaoDefaults = {{"RadioGroup_uAnalogueType", "0"},
                                {"Label_iScaleLowSettings", "00.000"},
                                {"Label_iScaleHighSettings", "10.000"},
                                {"CheckBox_bAnalogueErrorHigh", "0"},
                                {"CheckBox_bDisableAnalogueError", "0"}};

}  // namespace

// With the status poll at 3 decimals: a read shows the meter's stored block, a default read
// the default block, a read the stored one again; a write sends exactly what is on show, and
// the block of the same slot is read back on its own.
TEST_P(ReadDefaultWrite, ShowsTheBlocksAndWritesWhatIsOnShow)
{
    const auto& [c, separator] = GetParam();
    LocaleScope locale(separator.locale);
    DialogHarness h;
    h.pollDecimals(3);
    ModuleDialog* d = h.dialogOf(c.dialog);
    h.meter->clearLog();
    EXPECT_TRUE(h.whileOpen(h.button(c.opener), d, [&] {
        h.tick();
        ExpectShown(d, c.shownStored, separator.sep, "read");
        h.trioButton(d, "SpeedButton_ReadDefault")->click();
        h.tick();
        ExpectShown(d, c.shownDefaults, separator.sep, "defaults");
        h.trioButton(d, "SpeedButton_ReadFromDevice")->click();
        h.tick();
        h.trioButton(d, "SpeedButton_WriteToDevice")->click();
        h.tick();
        EXPECT_TRUE(h.trioButton(d, "SpeedButton_ReadFromDevice")->IsDown());
        h.tick();
        ExpectShown(d, c.shownStored, separator.sep, "read-back");
    }));
    EXPECT_EQ(h.meter->commandsSeen(),
              (std::vector<std::uint8_t>{c.read, c.defaults, c.read, c.write, c.read}));
    EXPECT_EQ(LastRequest(*h.meter, c.write), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    ModuleBlocks, ReadDefaultWrite,
    ::testing::Combine(
        ::testing::Values(
            // The QVAIN read sets the window's format to the module's decimals until the next poll.
            BlockCase{"Qvain",
                      "Button_QV5530_QVAIN",
                      Trio::Qvain,
                      201,
                      211,
                      202,
                      ModuleStore::kQvain,
                      {{"RadioGroup_DisplayRefresh", "1"},
                       {"RadioGroup_uInputTypeSettings", "2"},
                       {"RadioGroup_uDecimalPointSettings", "2"},
                       {"Label_iScaleLowSettings", "123.45"},
                       {"Label_iScaleHighSettings", "-005.00"},
                       {"RadioGroup_uRoundSettings", "2"}},
                      {{"RadioGroup_DisplayRefresh", "3"},
                       {"RadioGroup_uInputTypeSettings", "0"},
                       {"RadioGroup_uDecimalPointSettings", "1"},
                       {"Label_iScaleLowSettings", "0000.0"},
                       {"Label_iScaleHighSettings", "0100.0"},
                       {"RadioGroup_uRoundSettings", "0"}}},
            BlockCase{"QvaoMain",
                      "Button_QV3320_QVAO_Fo",
                      Trio::Qvao,
                      203,
                      212,
                      204,
                      ModuleStore::kQvaoMain,
                      {{"RadioGroup_uAnalogueType", "1"},
                       {"Label_iScaleLowSettings", "00.100"},
                       {"Label_iScaleHighSettings", "20.000"},
                       {"CheckBox_bAnalogueErrorHigh", "1"},
                       {"CheckBox_bDisableAnalogueError", "0"}},
                      kQvaoDefaults},
            BlockCase{"QvaoAdditional",
                      "Button_QV3320_QVAO_Tovabbi",
                      Trio::Qvao,
                      205,
                      212,
                      206,
                      ModuleStore::kQvaoAdditional,
                      {{"RadioGroup_uAnalogueType", "4"},
                       {"Label_iScaleLowSettings", "-00.250"},
                       {"Label_iScaleHighSettings", "07.500"},
                       {"CheckBox_bAnalogueErrorHigh", "0"},
                       {"CheckBox_bDisableAnalogueError", "1"}},
                      kQvaoDefaults},
            BlockCase{"QvroMain",
                      "Button_QV5510_Rel1",
                      Trio::Qvro,
                      207,
                      213,
                      208,
                      ModuleStore::kQvroMain,
                      {{"RadioGroup_enuLimitMode", "3"},
                       {"Label_iSettingsA", "01.000"},
                       {"Label_iSettingsB", "02.000"},
                       {"Label_iSettingsHysteresis", "00.050"},
                       {"CheckBox_bHold", "1"},
                       {"Edit_uSec", "30"},
                       {"Edit_uPulseSec", "5"}},
                      kQvroDefaults},
            BlockCase{"QvroAdditional",
                      "Button_QV5510_Rel2",
                      Trio::Qvro,
                      209,
                      213,
                      210,
                      ModuleStore::kQvroAdditional,
                      {{"RadioGroup_enuLimitMode", "8"},
                       {"Label_iSettingsA", "00.025"},
                       {"Label_iSettingsB", "-00.001"},
                       {"Label_iSettingsHysteresis", "00.003"},
                       {"CheckBox_bHold", "0"},
                       {"Edit_uSec", "600"},
                       {"Edit_uPulseSec", "10"}},
                      kQvroDefaults},
            BlockCase{"Qvser",
                      "Button_QV5510_QVSER_Fo",
                      Trio::Qvser,
                      214,
                      216,
                      215,
                      ModuleStore::kQvser,
                      {{"RadioGroup_MODBUSProtocol", "1"},
                       {"RadioGroup_MODBUSParity", "2"},
                       {"ComboBox_MODBUSBaudRate", "11"},
                       {"ComboBox_MODBUSAddress", "17"},
                       {"Edit_MODBUSTimeOut", "300"}},
                      {{"RadioGroup_MODBUSProtocol", "0"},
                       {"RadioGroup_MODBUSParity", "1"},
                       {"ComboBox_MODBUSBaudRate", "5"},
                       {"ComboBox_MODBUSAddress", "1"},
                       {"Edit_MODBUSTimeOut", "10"}}},
            // The scale labels in the block's own decimals (3, then 1), not the poll's; the
            // resistances in "##0.00" (the poll reports a Pt100).
            BlockCase{"Qvtmp",
                      "Button_QV5530_QVTMP",
                      Trio::Qvtmp,
                      223,
                      224,
                      225,
                      ModuleStore::kQvtmp,
                      {{"RadioGroup_QVTMP_Mode", "2"},
                       {"RadioGroup_QVTMP_Wires", "0"},
                       {"Label_QVTMP_R2W", "0.25"},
                       {"RadioGroup_QVTMP_Average", "3"},
                       {"Label_QVTMP_CalPot0", "100.50"},
                       {"Label_QVTMP_CalPot100", "2000.75"},
                       {"RadioGroup_uDecimalPointSettings", "3"},
                       {"Label_iScaleLowSettings", "01.500"},
                       {"Label_iScaleHighSettings", "-00.250"},
                       {"RadioGroup_uRoundSettings", "4"}},
                      {{"RadioGroup_QVTMP_Mode", "0"},
                       {"RadioGroup_QVTMP_Wires", "2"},
                       {"Label_QVTMP_R2W", "0.50"},
                       {"RadioGroup_QVTMP_Average", "0"},
                       {"Label_QVTMP_CalPot0", "10.00"},
                       {"Label_QVTMP_CalPot100", "110.00"},
                       {"RadioGroup_uDecimalPointSettings", "1"},
                       {"Label_iScaleLowSettings", "0000.0"},
                       {"Label_iScaleHighSettings", "0100.0"},
                       {"RadioGroup_uRoundSettings", "0"}}},
            BlockCase{"Password",
                      "Button1",
                      Trio::Password,
                      220,
                      221,
                      222,
                      ModuleStore::kPasswords,
                      {{"Edit_PasswordUser", "0042"}, {"Edit_PasswordSupervisor", "0007"}},
                      {{"Edit_PasswordUser", "0000"}, {"Edit_PasswordSupervisor", "1111"}}}),
        ::testing::Values(kComma, kPoint)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + std::get<1>(info.param).name;
    });

// The edge cases of the three blocks, each a read of a stored block, edits, and the bytes the
// write then sends (or, with no read, the dialog's design state).
TEST(ModuleBlocks, EdgeCases)
{
    struct Case {
        const char* name;
        const char* opener;
        Trio dialog;
        std::uint8_t read, write;
        Bytes stored;  // empty: the write goes out before any reply
        std::function<void(DialogHarness&)> edit;
        Bytes sent;
        Expected shownAfterWrite;  // before the read-back
    };
    const Case cases[] = {
        {"QVAIN settling 7 selects 500 and sends 40; rounding 3 selects 1",
         "Button_QV3320_QVAIN",
         Trio::Qvain,
         201,
         202,
         {7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3},
         nullptr,
         {40, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},
         {{"RadioGroup_DisplayRefresh", "5"}, {"RadioGroup_uRoundSettings", "0"}}},
        {"QVAIN decimals 9 select 4 and leave the window's format",
         "Button_QV3320_QVAIN",
         Trio::Qvain,
         201,
         202,
         {40, 9, 9, 0x39, 0x30, 0, 0, 0, 0, 0, 0, 100},
         nullptr,
         {40, 4, 4, 0x39, 0x30, 0, 0, 0, 0, 0, 0, 100},
         {{"RadioGroup_uDecimalPointSettings", "4"},
          {"RadioGroup_uInputTypeSettings", "4"},
          {"Label_iScaleLowSettings", "12.345"}}},
        {"QVAIN short reply: missing fields read as 0",
         "Button_QV3320_QVAIN",
         Trio::Qvain,
         201,
         202,
         {1, 3, 2},
         nullptr,
         {1, 3, 2, 0, 0, 0, 0, 0, 0, 0, 0, 1},
         {{"Label_iScaleLowSettings", "000.00"}, {"RadioGroup_uRoundSettings", "0"}}},
        {"QVAIN write before any reply: the design state",
         "Button_QV3320_QVAIN",
         Trio::Qvain,
         201,
         202,
         {},
         nullptr,
         {16, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 1},
         {{"Label_iScaleLowSettings", "xxxxx"}}},
        {"QVAO write before any reply",
         "Button_QV5530_QVAO_Fo",
         Trio::Qvao,
         203,
         204,
         {},
         nullptr,
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         {{"Label_iScaleHighSettings", "xxxxx"}}},
        {"QVAO type past the list selects the last; flags by any byte",
         "Button_QV5530_QVAO_Fo",
         Trio::Qvao,
         203,
         204,
         {9, 0, 0, 0, 0, 0, 0, 0, 0, 0x80, 2},
         nullptr,
         {4, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1},
         {{"RadioGroup_uAnalogueType", "4"}}},
        {"QVRO write before any reply: seconds and pulse 2",
         "Button_QV5510_Rel2",
         Trio::Qvro,
         209,
         210,
         {},
         nullptr,
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2},
         {{"Label_iSettingsA", "xxxxx"}, {"Edit_uSec", "2"}, {"Edit_uPulseSec", "2"}}},
        {"QVRO seconds 1 and pulse 300 send 2 and 255",
         "Button_QV5510_Rel1",
         Trio::Qvro,
         207,
         208,
         ModuleStore::kQvroMain,
         [](DialogHarness& h) {
             findcontrol::Find<QLineEdit>(h.qvro, "Edit_uSec")->setText("1");
             findcontrol::Find<QLineEdit>(h.qvro, "Edit_uPulseSec")->setText("300");
         },
         {3, 0xE8, 3, 0, 0, 0xD0, 7, 0, 0, 0x32, 0, 0, 0, 1, 2, 0, 255},
         {{"Edit_uSec", "2"}, {"Edit_uPulseSec", "255"}}},
        {"QVRO text that is no number sends 2; a negative one the maximum",
         "Button_QV5510_Rel1",
         Trio::Qvro,
         207,
         208,
         ModuleStore::kQvroMain,
         [](DialogHarness& h) {
             findcontrol::Find<QLineEdit>(h.qvro, "Edit_uSec")->setText("abc");
             findcontrol::Find<QLineEdit>(h.qvro, "Edit_uPulseSec")->setText("-1");
         },
         {3, 0xE8, 3, 0, 0, 0xD0, 7, 0, 0, 0x32, 0, 0, 0, 1, 2, 0, 255},
         {{"Edit_uSec", "2"}, {"Edit_uPulseSec", "255"}}},
        {"QVRO mode past the list selects the last; hold by any byte",
         "Button_QV5510_Rel1",
         Trio::Qvro,
         207,
         208,
         {11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7, 0xFF, 0xFF, 0xFF},
         [](DialogHarness& h) { findcontrol::Find<QCheckBox>(h.qvro, "CheckBox_bHold")->click(); },
         {10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF},
         {{"RadioGroup_enuLimitMode", "10"}, {"Edit_uSec", "65535"}}},
        {"QVAO edits: what is on show goes out",
         "Button_QV3320_QVAO_Tovabbi",
         Trio::Qvao,
         205,
         206,
         ModuleStore::kQvaoAdditional,
         [](DialogHarness& h) {
             findcontrol::Find<qs::RadioGroup>(h.qvao, "RadioGroup_uAnalogueType")
                 ->item(2)
                 ->click();
             findcontrol::Find<QCheckBox>(h.qvao, "CheckBox_bAnalogueErrorHigh")->click();
             h.qvao->iScaleHighSettings = -2;
         },
         {2, 0x06, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 1, 1},
         {}},
    };
    for (const Case& c : cases) {
        DialogHarness h;
        h.pollDecimals(3);
        if (!c.stored.empty())
            h.modules.Stored(c.read) = c.stored;
        ModuleDialog* d = h.dialogOf(c.dialog);
        h.meter->clearLog();
        EXPECT_TRUE(h.whileOpen(h.button(c.opener), d, [&] {
            if (c.stored.empty())
                h.trioButton(d, "SpeedButton_WriteToDevice")
                    ->click();  // before the opener's read is taken
            else
                h.tick();
            if (c.edit)
                c.edit(h);
            h.trioButton(d, "SpeedButton_WriteToDevice")->SetDown(true);
            h.tick();
            ExpectShown(d, c.shownAfterWrite, '.', c.name);
        })) << c.name;
        EXPECT_EQ(LastRequest(*h.meter, c.write), c.sent) << c.name;
    }
}

// "Tizedesjegyek" changes only what the next write sends: the labels keep their format until
// the read-back after the write.
TEST(ModuleBlocks, QvainDecimalsReformatOnlyAfterTheReadBack)
{
    DialogHarness h;
    h.pollDecimals(0);
    EXPECT_TRUE(h.whileOpen(h.button("Button_QV3320_QVAIN"), h.qvain, [&] {
        h.tick();
        EXPECT_EQ(findcontrol::Find<QLabel>(h.qvain, "Label_iScaleLowSettings")->text(), "123.45");
        findcontrol::Find<qs::RadioGroup>(h.qvain, "RadioGroup_uDecimalPointSettings")
            ->item(4)
            ->click();
        EXPECT_EQ(findcontrol::Find<QLabel>(h.qvain, "Label_iScaleLowSettings")->text(), "123.45");
        findcontrol::Find<qs::SpeedButton>(h.qvain, "SpeedButton_WriteToDevice")->click();
        h.tick();
        EXPECT_EQ(findcontrol::Find<QLabel>(h.qvain, "Label_iScaleLowSettings")->text(), "123.45");
        h.tick();
        EXPECT_EQ(findcontrol::Find<QLabel>(h.qvain, "Label_iScaleLowSettings")->text(), "1.2345");
    }));
    // The next status poll sets the base unit's format again; the labels are rewritten only
    // by the next reply or edit.
    h.tick();
    EXPECT_EQ(h.state().Decimals.Decimals(), 0);
    EXPECT_EQ(findcontrol::Find<QLabel>(h.qvain, "Label_iScaleLowSettings")->text(), "1.2345");
}

// A module reply changes no control of the base unit's settings pages, and a settings reply
// none of the QVAIN, QVAO and QVRO dialogs, though both use controls of the same names.
TEST(ModuleBlocks, ModuleAndSettingsRepliesKeepToTheirOwnControls)
{
    DialogHarness h;
    h.pollDecimals(2);
    auto pages = [&] {
        auto s = Snapshot(h.C<QWidget>("TabSheet_Settings"));
        s.merge(Snapshot(h.C<QWidget>("TabSheet5")));
        return s;
    };
    const auto before = pages();
    for (ModuleDialog* d : std::initializer_list<ModuleDialog*>{h.qvain, h.qvao, h.qvro}) {
        h.trioButton(d, "SpeedButton_ReadFromDevice")->SetDown(true);
        h.tick();
        EXPECT_FALSE(h.trioButton(d, "SpeedButton_ReadFromDevice")->IsDown());
    }
    EXPECT_EQ(pages(), before);

    auto dialogs = [&] {
        auto s = Snapshot(h.qvain);
        s.merge(Snapshot(h.qvao));
        s.merge(Snapshot(h.qvro));
        return s;
    };
    const auto shown = dialogs();
    Bytes settings(139);
    for (std::size_t i = 0; i < settings.size(); ++i)
        settings[i] = static_cast<std::uint8_t>(i * 37 + 1);
    h.meter->setReplyData(131, settings);
    h.C<qs::SpeedButton>("SpeedButton_ReadSettings")->SetDown(true);
    h.tick();
    EXPECT_EQ(dialogs(), shown);
}
