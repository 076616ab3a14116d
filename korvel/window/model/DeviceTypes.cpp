#include "DeviceTypes.h"

#include "common/numbers/PictureFormat.h"
#include "common/numbers/TextNumber.h"

#include <algorithm>

namespace korvel {

using namespace qs;

namespace {

constexpr std::array<DeviceTypeRow, 8> kDeviceTypes{{
    {"QV3310", 3310, "QV3310"},
    {"QV3320", 3320, "QV3320"},
    {"QV3330", 3330, "QV3330"},
    {"QV3340", 3340, "QV3340"},
    {"QV5510", 5510, "QV5510"},
    {"QV5520 IP", 5520, "QV5520 IP"},
    {"QV5530", 5530, "QV5530"},
    {"Teszt", kTestDeviceType, ""},
}};

constexpr std::array<ModuleGroup, kIdentitySlots> kModuleGroups{{
    {IdentitySlot::Input, "GroupBox_InputModul", "Bemeneti modul (uQVOptIn)"},
    {IdentitySlot::Output2, "GroupBox_OutputModul2", "Kimeneti modul 2 (fő) (uQVOptOut2)"},
    {IdentitySlot::Output1, "GroupBox_OutputModul1", "Kimeneti modul 1 (további) (uQVOptOut1)"},
}};

constexpr std::array<ModuleRadio, kIdentitySlots * kRadiosPerGroup> kModuleRadios{{
    {IdentitySlot::Input, 0, ModuleNone, "RadioButton_InputModulNone", "Nincs"},
    {IdentitySlot::Input, 1, ModuleQVAIN, "RadioButton_InputModulQVAIN", "QVAIN (analóg bemenet)"},
    {IdentitySlot::Input, 2, ModuleQVTMP, "RadioButton_InputModulQVTMP",
     "QVTMP (hőmérséklet mérő)"},
    {IdentitySlot::Input, 3, ModuleQVSERInput, "RadioButton_InputModulQVSER", "QVSER (RS-485)"},
    {IdentitySlot::Output2, 0, ModuleNone, "RadioButton_OutputModul2None", "Nincs"},
    {IdentitySlot::Output2, 1, ModuleQVAO, "RadioButton_OutputModul2QVAO", "QVAO (analóg kimenet)"},
    {IdentitySlot::Output2, 2, ModuleQVSER, "RadioButton_OutputModul2QVSER", "QVSER (RS-485)"},
    {IdentitySlot::Output2, 3, ModuleQVRO, "RadioButton_OutputModul2QVRO", "QVRO (1 relé)"},
    {IdentitySlot::Output1, 0, ModuleNone, "RadioButton_OutputModul1None", "Nincs"},
    {IdentitySlot::Output1, 1, ModuleQVAO, "RadioButton_OutputModul1QVAO", "QVAO (analóg kimenet)"},
    {IdentitySlot::Output1, 2, ModuleQVSER, "RadioButton_OutputModul1QVSER", "QVSER (RS-485)"},
    {IdentitySlot::Output1, 3, ModuleQVRO, "RadioButton_OutputModul1QVRO", "QVRO (1 relé)"},
}};

// ---- model rows -----------------------------------------------------------------------------

using Names = std::span<const std::string_view>;

// What a polled kind does in a tested slot: check its radio, enable a button, show a lamp.
struct KindAction {
    std::uint8_t kind;
    std::string_view button;  // empty: none
    std::string_view lamp;    // empty: none
};

// A slot of a row: either tested (the polled kind picks an action; a kind without one checks
// nothing) or fixed (the given kind is always checked).
struct SlotRule {
    bool tested;
    std::uint8_t fixedKind;
    std::span<const KindAction> actions;
};

struct RowRule {
    ModelRow row;
    std::string_view tab;
    Names radiosEnabled;
    Names radiosDisabled;
    Names buttonsDisabled;
    Names lampsHidden;
    std::array<SlotRule, kIdentitySlots> slots;
};

constexpr std::string_view kLamp1_3320 = "Shape_DigitalOut1_QV3320";
constexpr std::string_view kLamp2_3320 = "Shape_DigitalOut2_QV3320";

// QV3310: one analogue output, nothing tested.
constexpr std::string_view k3310Enabled[] = {
    "RadioButton_InputModulNone", "RadioButton_OutputModul2QVAO", "RadioButton_OutputModul1None"};
constexpr std::string_view k3310Disabled[] = {
    "RadioButton_InputModulQVAIN",   "RadioButton_InputModulQVTMP",
    "RadioButton_InputModulQVSER",   "RadioButton_OutputModul2None",
    "RadioButton_OutputModul2QVSER", "RadioButton_OutputModul2QVRO",
    "RadioButton_OutputModul1QVAO",  "RadioButton_OutputModul1QVSER",
    "RadioButton_OutputModul1QVRO"};

// QV3320: input module and two output modules.
constexpr std::string_view k3320Enabled[] = {
    "RadioButton_InputModulQVAIN",   "RadioButton_InputModulQVTMP",  "RadioButton_OutputModul2QVAO",
    "RadioButton_OutputModul2QVSER", "RadioButton_OutputModul2QVRO", "RadioButton_OutputModul1QVAO",
    "RadioButton_OutputModul1QVRO"};
constexpr std::string_view k3320Disabled[] = {"RadioButton_InputModulQVSER",
                                              "RadioButton_OutputModul1QVSER"};
constexpr std::string_view k3320Buttons[] = {
    "Button_QV3320_QVAIN",       "Button_QV3320_QVTMP",   "Button_QV3320_QVAO_Fo",
    "Button_QV3320_QVSER_Fo",    "Button_QV3320_QVRO_Fo", "Button_QV3320_QVAO_Tovabbi",
    "Button_QV3320_QVRO_Tovabbi"};
constexpr std::string_view k3320Lamps[] = {kLamp1_3320, kLamp2_3320};
constexpr KindAction k3320In[] = {{ModuleNone, "", ""},
                                  {ModuleQVAIN, "Button_QV3320_QVAIN", ""},
                                  {ModuleQVTMP, "Button_QV3320_QVTMP", ""}};
constexpr KindAction k3320Out2[] = {{ModuleNone, "", ""},
                                    {ModuleQVAO, "Button_QV3320_QVAO_Fo", ""},
                                    {ModuleQVSER, "Button_QV3320_QVSER_Fo", ""},
                                    {ModuleQVRO, "Button_QV3320_QVRO_Fo", kLamp1_3320}};
constexpr KindAction k3320Out1[] = {{ModuleNone, "", ""},
                                    {ModuleQVAO, "Button_QV3320_QVAO_Tovabbi", ""},
                                    {ModuleQVRO, "Button_QV3320_QVRO_Tovabbi", kLamp2_3320}};

// QV5510 and QV5520: an input module; the outputs are the built-in relays.
constexpr std::string_view k5510Enabled[] = {
    "RadioButton_InputModulQVAIN", "RadioButton_InputModulQVTMP", "RadioButton_InputModulQVSER"};
constexpr std::string_view k5510Disabled[] = {
    "RadioButton_OutputModul2QVAO",  "RadioButton_OutputModul2QVSER",
    "RadioButton_OutputModul2QVRO",  "RadioButton_OutputModul1QVAO",
    "RadioButton_OutputModul1QVSER", "RadioButton_OutputModul1QVRO"};
constexpr std::string_view k5510Buttons[] = {"Button_QV5510_QVAIN", "Button_QV5510_QVTMP",
                                             "Button_QV5510_QVSER_Fo"};
constexpr KindAction k5510In[] = {{ModuleNone, "", ""},
                                  {ModuleQVAIN, "Button_QV5510_QVAIN", ""},
                                  {ModuleQVTMP, "Button_QV5510_QVTMP", ""},
                                  {ModuleQVSERInput, "Button_QV5510_QVSER_Fo", ""}};

// QV5530: an input module and the main output module. A relay reported in the main slot
// checks its (disabled) radio and shows the main relay lamp of the QV3320 tab.
constexpr std::string_view k5530Enabled[] = {
    "RadioButton_InputModulQVAIN", "RadioButton_InputModulQVTMP", "RadioButton_OutputModul2QVAO",
    "RadioButton_OutputModul2QVSER"};
constexpr std::string_view k5530Disabled[] = {
    "RadioButton_InputModulQVSER", "RadioButton_OutputModul2QVRO", "RadioButton_OutputModul1QVAO",
    "RadioButton_OutputModul1QVSER", "RadioButton_OutputModul1QVRO"};
constexpr std::string_view k5530Buttons[] = {"Button_QV5530_QVAIN", "Button_QV5530_QVTMP",
                                             "Button_QV5530_QVAO_Fo", "Button_QV5530_QVSER_Fo"};
constexpr KindAction k5530In[] = {{ModuleNone, "", ""},
                                  {ModuleQVAIN, "Button_QV5530_QVAIN", ""},
                                  {ModuleQVTMP, "Button_QV5530_QVTMP", ""}};
constexpr KindAction k5530Out2[] = {{ModuleNone, "", ""},
                                    {ModuleQVAO, "Button_QV5530_QVAO_Fo", ""},
                                    {ModuleQVSER, "Button_QV5530_QVSER_Fo", ""},
                                    {ModuleQVRO, "", kLamp1_3320}};

constexpr SlotRule Tested(std::span<const KindAction> actions)
{
    return {true, 0, actions};
}
constexpr SlotRule Fixed(std::uint8_t kind)
{
    return {false, kind, {}};
}

const std::array<RowRule, 4> kRows{{
    {ModelRow::QV3310,
     "TabSheet_3310",
     k3310Enabled,
     k3310Disabled,
     {},
     {},
     {Fixed(ModuleNone), Fixed(ModuleQVAO), Fixed(ModuleNone)}},
    {ModelRow::QV3320,
     "TabSheet_3320",
     k3320Enabled,
     k3320Disabled,
     k3320Buttons,
     k3320Lamps,
     {Tested(k3320In), Tested(k3320Out2), Tested(k3320Out1)}},
    {ModelRow::QV5510,
     "TabSheet_5510",
     k5510Enabled,
     k5510Disabled,
     k5510Buttons,
     {},
     {Tested(k5510In), Fixed(ModuleNone), Fixed(ModuleNone)}},
    {ModelRow::QV5530,
     "TabSheet_5530",
     k5530Enabled,
     k5530Disabled,
     k5530Buttons,
     k3320Lamps,
     {Tested(k5530In), Tested(k5530Out2), Fixed(ModuleNone)}},
}};

std::vector<std::string_view> ToVector(Names names)
{
    return {names.begin(), names.end()};
}

// The picture of a fixed-width number; the separator never shows, the numbers are whole.
std::string Picture(std::uint32_t value, std::string_view picture)
{
    return FormatInteger(value, picture, ".");
}

}  // namespace

// ---- device types -------------------------------------------------------------------------

std::span<const DeviceTypeRow> DeviceTypeTable()
{
    return kDeviceTypes;
}

std::uint16_t DeviceTypeFromIndex(int listIndex)
{
    if (listIndex < 0 || listIndex >= static_cast<int>(kDeviceTypes.size()))
        return 0;
    return kDeviceTypes[static_cast<std::size_t>(listIndex)].code;
}

int DeviceTypeToIndex(std::uint16_t code)
{
    for (std::size_t i = 0; i < kDeviceTypes.size(); ++i) {
        if (kDeviceTypes[i].code == code)
            return static_cast<int>(i);
    }
    return 0;
}

DeviceTypeLabel DeviceTypeLabelFor(std::uint16_t code)
{
    for (const DeviceTypeRow& row : kDeviceTypes) {
        if (row.code == code && code != kTestDeviceType)
            return {std::string(row.headerText), true};
    }
    return {"Ismeretlen készülék. Azonosítója: " + std::to_string(code), false};
}

// ---- module kinds -------------------------------------------------------------------------

std::span<const ModuleGroup> ModuleGroupTable()
{
    return kModuleGroups;
}

std::span<const ModuleRadio> ModuleRadioTable()
{
    return kModuleRadios;
}

const ModuleRadio* FindModuleRadio(IdentitySlot slot, std::uint8_t kind)
{
    for (const ModuleRadio& radio : kModuleRadios) {
        if (radio.slot == slot && radio.kind == kind)
            return &radio;
    }
    return nullptr;
}

std::uint8_t ModuleKindOfRadio(IdentitySlot slot, int indexInGroup)
{
    for (const ModuleRadio& radio : kModuleRadios) {
        if (radio.slot == slot && radio.indexInGroup == indexInGroup)
            return radio.kind;
    }
    return ModuleNone;
}

// ---- the identity to write ----------------------------------------------------------------

std::uint32_t FactoryNumberFromText(std::string_view text)
{
    const auto entered = static_cast<std::uint32_t>(TextToInt32(text).value_or(0));
    return std::min(entered, kMaxFactoryNumber);
}

std::uint8_t YearFromText(std::string_view text)
{
    const auto entered = static_cast<std::uint8_t>(TextToInt32(text).value_or(0) & 0xFF);
    return std::min<std::uint8_t>(entered, 99);
}

std::uint8_t MonthFromText(std::string_view text)
{
    const auto entered = TextToInt32(text);
    if (!entered)
        return 0;
    const auto month = static_cast<std::uint8_t>(*entered & 0xFF);
    return std::clamp<std::uint8_t>(month, 1, 12);
}

std::string FactoryNumberText(std::uint32_t value)
{
    return Picture(value, "000000");
}

std::string TwoDigitText(std::uint8_t value)
{
    return Picture(value, "00");
}

IdentityTaken ReadIdentityEdits(const IdentityEdits& edits)
{
    IdentityTaken taken;
    IdentityRecord& id = taken.identity;
    id.uGyariSzam = FactoryNumberFromText(edits.gyariSzam);
    id.uGyariSzamEv = YearFromText(edits.gyariSzamEv);
    id.uGyariSzamHonap = MonthFromText(edits.gyariSzamHonap);
    id.uDeviceType = DeviceTypeFromIndex(edits.deviceListIndex);
    id.uQVOptIn = ModuleKindOfRadio(IdentitySlot::Input, edits.checkedRadio[0]);
    id.uQVOptOut2 = ModuleKindOfRadio(IdentitySlot::Output2, edits.checkedRadio[1]);
    id.uQVOptOut1 = ModuleKindOfRadio(IdentitySlot::Output1, edits.checkedRadio[2]);
    taken.gyariSzamText = FactoryNumberText(id.uGyariSzam);
    taken.gyariSzamEvText = TwoDigitText(id.uGyariSzamEv);
    taken.gyariSzamHonapText = TwoDigitText(id.uGyariSzamHonap);
    taken.deviceListIndex = DeviceTypeToIndex(id.uDeviceType);
    return taken;
}

std::uint32_t FactoryNumberPlus1(std::uint32_t value)
{
    return value < kMaxFactoryNumber ? value + 1 : kMaxFactoryNumber;
}

std::uint32_t FactoryNumberMinus1(std::uint32_t value)
{
    return value > 0 ? value - 1 : 0;
}

// ---- model pages --------------------------------------------------------------------------

ModelRow ModelRowOf(std::uint16_t code)
{
    switch (code) {
    case 3310:
        return ModelRow::QV3310;
    case 3320:
        return ModelRow::QV3320;
    case 5510:
    case 5520:
        return ModelRow::QV5510;
    case 5530:
        return ModelRow::QV5530;
    default:
        return ModelRow::None;
    }
}

ModelPageDecision ConfigureModelPage(std::uint16_t code, const PolledModules& polled,
                                     bool factoryMode, bool factoryTabActive)
{
    ModelPageDecision d;
    d.row = ModelRowOf(code);
    const auto rule =
        std::find_if(kRows.begin(), kRows.end(), [&](const RowRule& r) { return r.row == d.row; });
    if (rule == kRows.end())
        return d;

    d.radiosEnabled = ToVector(rule->radiosEnabled);
    d.radiosDisabled = ToVector(rule->radiosDisabled);
    d.buttonsDisabled = ToVector(rule->buttonsDisabled);
    d.lampsHidden = ToVector(rule->lampsHidden);

    const std::array<std::uint8_t, kIdentitySlots> kinds{polled.in, polled.out2, polled.out1};
    for (std::size_t s = 0; s < kIdentitySlots; ++s) {
        const auto slot = static_cast<IdentitySlot>(s);
        const SlotRule& slotRule = rule->slots[s];
        const KindAction* action = nullptr;
        std::uint8_t kind = slotRule.fixedKind;
        if (slotRule.tested) {
            const auto found =
                std::find_if(slotRule.actions.begin(), slotRule.actions.end(),
                             [&](const KindAction& a) { return a.kind == kinds[s]; });
            if (found == slotRule.actions.end())
                continue;  // a kind the model cannot carry checks nothing
            action = &*found;
            kind = found->kind;
        }
        const ModuleRadio* radio = FindModuleRadio(slot, kind);
        d.radiosChecked.push_back(radio->objectName);
        d.checkedRadio[s] = radio->indexInGroup;
        if (action && !action->button.empty())
            d.buttonsEnabled.push_back(action->button);
        if (action && !action->lamp.empty())
            d.lampsShown.push_back(action->lamp);
    }

    d.tabShown = rule->tab;
    if (!factoryMode) {
        for (std::string_view tab : kModelTabs) {
            if (tab != d.tabShown)
                d.tabsHidden.push_back(tab);
        }
    }
    d.activateTab = !factoryTabActive;
    return d;
}

// ---- identity read-back ---------------------------------------------------------------------

IdentityReadBack ReadBackIdentity(const PolledIdentity& polled, bool factoryMode,
                                  bool factoryTabActive)
{
    IdentityReadBack r;
    r.written.gyariSzam = FactoryNumberText(polled.deviceId);
    r.written.gyariSzamEv = TwoDigitText(polled.year);
    r.written.gyariSzamHonap = TwoDigitText(polled.month);
    r.written.deviceListIndex = DeviceTypeToIndex(polled.reportedType);
    r.label = DeviceTypeLabelFor(polled.reportedType);
    r.page = ConfigureModelPage(polled.reportedType, polled.modules, factoryMode, factoryTabActive);
    r.written.checkedRadio = r.page.checkedRadio;
    r.taken = ReadIdentityEdits(r.written);
    return r;
}

}  // namespace korvel
