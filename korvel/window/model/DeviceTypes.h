#pragma once
#include "korvel/link/records/IdentityRecord.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvel {

// Device identity without widgets: the device-type and module-kind tables, the rules that
// take the identity to write from the identity group's edits, and the model-page decision.
// The window reads its controls into these structs and applies the results by objectName.

// ---- device types -------------------------------------------------------------------------

// One row of ListBox_uDeviceType; the row's index is its list index.
struct DeviceTypeRow {
    std::string_view listItem;
    std::uint16_t code;
    std::string_view headerText;  // empty: the header shows the code as an unknown device
};

constexpr std::uint16_t kTestDeviceType = 1;

// The eight rows in list order: QV3310 .. QV5530, then "Teszt" (code 1).
std::span<const DeviceTypeRow> DeviceTypeTable();

// The code of a list row; 0 for any index outside the table (also -1, no selection).
std::uint16_t DeviceTypeFromIndex(int listIndex);
// The list row of a code; 0 (the first row) for any code not in the table.
int DeviceTypeToIndex(std::uint16_t code);

// The header's device label (Label_KeszulekTipus).
struct DeviceTypeLabel {
    std::string text;
    bool known;  // true: window-text colour; false: red
};
// The row's header text for a code of the table other than the test code; for any other
// code "Ismeretlen készülék. Azonosítója: " and the code in unsigned decimal.
DeviceTypeLabel DeviceTypeLabelFor(std::uint16_t code);
// The label's text until the first identity is shown.
constexpr std::string_view kUnknownDeviceText = "Ismeretlen készülék";

// ---- module kinds -------------------------------------------------------------------------

// The one-byte module-kind codes of the three module slots.
enum ModuleKind : std::uint8_t {
    ModuleNone = 0,
    ModuleQVAIN = 1,       // analogue input (input slot)
    ModuleQVTMP = 2,       // temperature input (input slot)
    ModuleQVAO = 3,        // analogue output (output slots)
    ModuleQVSER = 4,       // RS-485 in an output slot
    ModuleQVRO = 5,        // one relay (output slots)
    ModuleQVSERInput = 6,  // RS-485 in the input slot
};

// The three module slots of the identity, in record order.
enum class IdentitySlot : std::uint8_t { Input = 0, Output2 = 1, Output1 = 2 };
constexpr std::size_t kIdentitySlots = 3;

// A radio group of the identity group.
struct ModuleGroup {
    IdentitySlot slot;
    std::string_view objectName;  // GroupBox_InputModul, ...
    std::string_view caption;
};
// Input, output 2 (main), output 1 (additional).
std::span<const ModuleGroup> ModuleGroupTable();

// A module radio button of the identity group.
struct ModuleRadio {
    IdentitySlot slot;
    std::uint8_t indexInGroup;
    std::uint8_t kind;
    std::string_view objectName;
    std::string_view caption;
};
// The twelve radio buttons, by group, each group in its own order ("Nincs" first).
std::span<const ModuleRadio> ModuleRadioTable();
constexpr int kRadiosPerGroup = 4;

// The radio button of a kind in a slot; nullptr for a kind the slot does not offer.
const ModuleRadio* FindModuleRadio(IdentitySlot slot, std::uint8_t kind);
// The kind of the radio checked in a group, by its index there; 0 for -1 (none checked)
// or any index outside the group.
std::uint8_t ModuleKindOfRadio(IdentitySlot slot, int indexInGroup);

// ---- the identity to write ----------------------------------------------------------------

// What the identity group shows.
struct IdentityEdits {
    std::string gyariSzam;       // Edit_GyariSzam
    std::string gyariSzamEv;     // Edit_GyariSzamEv
    std::string gyariSzamHonap;  // Edit_GyariSzamHonap
    int deviceListIndex = -1;    // ListBox_uDeviceType's current row, -1 for none
    // The checked radio of each group (IdentitySlot order) as its index there, -1 for none.
    std::array<int, kIdentitySlots> checkedRadio{-1, -1, -1};
};

// The identity taken from the controls, and what the controls are rewritten with.
struct IdentityTaken {
    IdentityRecord identity;
    std::string gyariSzamText;       // "000000"
    std::string gyariSzamEvText;     // "00"
    std::string gyariSzamHonapText;  // "00"
    int deviceListIndex = 0;
};

// Factory number: a signed 32-bit entry taken as unsigned; above 999999 (so any negative
// entry too) gives 999999; text that is no integer gives 0.
std::uint32_t FactoryNumberFromText(std::string_view text);
// Year: the entry's low 8 bits (-1 gives 255), above 99 gives 99; no integer gives 0.
std::uint8_t YearFromText(std::string_view text);
// Month: the entry's low 8 bits, above 12 gives 12, then below 1 gives 1; no integer
// gives 0, which stays 0.
std::uint8_t MonthFromText(std::string_view text);

std::string FactoryNumberText(std::uint32_t value);  // "000000"; more digits shown in full
std::string TwoDigitText(std::uint8_t value);        // "00"

// Takes the identity to write from the identity group (ReadIdentityEdits), clamped.
IdentityTaken ReadIdentityEdits(const IdentityEdits& edits);

constexpr std::uint32_t kMaxFactoryNumber = 999999;
// "+1" and "-1", applied to the factory number just taken: stop at 999999 and at 0.
std::uint32_t FactoryNumberPlus1(std::uint32_t value);
std::uint32_t FactoryNumberMinus1(std::uint32_t value);

// ---- model pages --------------------------------------------------------------------------

// The model tabs of the main page control.
constexpr std::array<std::string_view, 6> kModelTabs{"TabSheet_3310", "TabSheet_3320",
                                                     "TabSheet_3330", "TabSheet_3340",
                                                     "TabSheet_5510", "TabSheet_5530"};
constexpr std::string_view kFactoryTab = "TabSheet_Quorin";

enum class ModelRow : std::uint8_t { None, QV3310, QV3320, QV5510, QV5530 };
// The model row of a device-type code: 5510 and 5520 share one; 3330, 3340, the test
// code and unknown codes have none.
ModelRow ModelRowOf(std::uint16_t code);

// The module kinds of the last status poll.
struct PolledModules {
    std::uint8_t in = 0;    // uQVOptIn
    std::uint8_t out2 = 0;  // uQVOptOut2
    std::uint8_t out1 = 0;  // uQVOptOut1
};

// What ConfigureModelPage does to the controls, named by objectName. Apply in this order:
//  1. uncheck all twelve module radios (always, also for ModelRow::None);
//  2. if row is None, stop;
//  3. enable radiosEnabled, disable radiosDisabled;
//  4. disable buttonsDisabled, hide lampsHidden; then check radiosChecked, enable
//     buttonsEnabled, show lampsShown;
//  5. show tabShown, hide tabsHidden;
//  6. if activateTab, make tabShown the active page.
// Controls not named keep their state.
struct ModelPageDecision {
    ModelRow row = ModelRow::None;
    std::vector<std::string_view> radiosEnabled;
    std::vector<std::string_view> radiosDisabled;
    std::vector<std::string_view> buttonsDisabled;
    std::vector<std::string_view> lampsHidden;
    std::vector<std::string_view> radiosChecked;
    std::vector<std::string_view> buttonsEnabled;
    std::vector<std::string_view> lampsShown;
    // The radio each group has checked afterwards (index in group, -1 for none).
    std::array<int, kIdentitySlots> checkedRadio{-1, -1, -1};
    std::string_view tabShown;
    std::vector<std::string_view> tabsHidden;  // the other model tabs, outside factory mode
    bool activateTab = false;
};

// The model page for a reported device type and the polled module kinds.
ModelPageDecision ConfigureModelPage(std::uint16_t code, const PolledModules& polled,
                                     bool factoryMode, bool factoryTabActive);

// ---- identity read-back ---------------------------------------------------------------------

// The polled identity: reply header and last status poll.
struct PolledIdentity {
    std::uint16_t reportedType = 0;  // ReportedDeviceType
    std::uint32_t deviceId = 0;      // DeviceID
    std::uint8_t year = 0;           // StatusRecord::uGyariSzamEv
    std::uint8_t month = 0;          // StatusRecord::uGyariSzamHonap
    PolledModules modules;
};

// The whole read-back ("Kiolvasás a készülékből"), step by step:
struct IdentityReadBack {
    IdentityEdits written;   // steps 1-3: edit texts and list row as first written
    DeviceTypeLabel label;   // step 4: header device label
    ModelPageDecision page;  // step 5: model page and module radios
    IdentityTaken taken;     // step 6: the identity to write and the rewritten controls
};
IdentityReadBack ReadBackIdentity(const PolledIdentity& polled, bool factoryMode,
                                  bool factoryTabActive);

}  // namespace korvel
