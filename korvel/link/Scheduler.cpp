#include "Scheduler.h"

#include <array>

namespace scheduler {

namespace {
constexpr std::string_view kMain = "Form1";
constexpr std::string_view kQVAIN = "Form_QVAIN";
constexpr std::string_view kQVAO = "Form_QVAO";
constexpr std::string_view kQVRO = "Form_QVRO";
constexpr std::string_view kQVSER = "Form_QVSER";
constexpr std::string_view kPassword = "Form_Password";
constexpr std::string_view kQVTMP = "Form_QVTMP";

// Read and factory-default reads of the settings come before their write; within each
// module dialog read comes before write, and the factory-default reads of QVAIN, QVAO and
// QVRO after all of their reads and writes.
constexpr std::array<PriorityRow, 46> kTable{{
    {kMain, "SpeedButton_GyariSzamAKeszulekbe", {}, 1, Slot::Any},
    {kMain, "SpeedButton_Cal0mA", {}, 102, Slot::Any},
    {kMain, "SpeedButton_Cal20mA", {}, 103, Slot::Any},
    {kMain, "SpeedButton_Cal0V", {}, 104, Slot::Any},
    {kMain, "SpeedButton_Cal10V", {}, 105, Slot::Any},
    {kMain, "SpeedButton_EraseFRAM1", {}, 106, Slot::Any},
    {kMain, "SpeedButton_ReadSettings", "SpeedButton_ReadSettings2", 131, Slot::Any},
    {kMain, "SpeedButton_ReadDefaultSettings", "SpeedButton_ReadDefaultSettings2", 132, Slot::Any},
    {kMain, "SpeedButton_WriteSettings", "SpeedButton_WriteSettings2", 109, Slot::Any},
    {kMain, "SpeedButton_ReadCalIn", {}, 110, Slot::Any},
    {kMain, "SpeedButton_Reset", {}, 113, Slot::Any},
    {kMain, "SpeedButton_CalPWML", {}, 114, Slot::Any},
    {kMain, "SpeedButton_CalPWMH", {}, 115, Slot::Any},
    {kMain, "SpeedButton_ReadPWMCal", {}, 116, Slot::Any},
    {kMain, "SpeedButton_ReadDisplay", {}, 123, Slot::Any},
    {kMain, "SpeedButton_iCalPt0ohm4W", {}, 125, Slot::Any},
    {kMain, "SpeedButton_iCalPtXohm4W", {}, 126, Slot::Any},
    {kMain, "SpeedButton_iCalPt0ohm3W", {}, 127, Slot::Any},
    {kMain, "SpeedButton_iCalPtXohm3W", {}, 128, Slot::Any},
    {kMain, "SpeedButton_ReadCalPt", {}, 129, Slot::Any},
    {kMain, "SpeedButton_bPt1000", {}, 130, Slot::Any},
    {kQVAIN, "SpeedButton_ReadFromDevice", {}, 201, Slot::Any},
    {kQVAIN, "SpeedButton_WriteToDevice", {}, 202, Slot::Any},
    {kQVAO, "SpeedButton_ReadFromDevice", {}, 203, Slot::Main},
    {kQVAO, "SpeedButton_WriteToDevice", {}, 204, Slot::Main},
    {kQVAO, "SpeedButton_ReadFromDevice", {}, 205, Slot::Additional},
    {kQVAO, "SpeedButton_WriteToDevice", {}, 206, Slot::Additional},
    {kQVRO, "SpeedButton_ReadFromDevice", {}, 207, Slot::Main},
    {kQVRO, "SpeedButton_WriteToDevice", {}, 208, Slot::Main},
    {kQVRO, "SpeedButton_ReadFromDevice", {}, 209, Slot::Additional},
    {kQVRO, "SpeedButton_WriteToDevice", {}, 210, Slot::Additional},
    {kQVAIN, "SpeedButton_ReadDefault", {}, 211, Slot::Any},
    {kQVAO, "SpeedButton_ReadDefault", {}, 212, Slot::Any},
    {kQVRO, "SpeedButton_ReadDefault", {}, 213, Slot::Any},
    {kQVSER, "SpeedButton_ReadFromDevice", {}, 214, Slot::Main},
    {kQVSER, "SpeedButton_WriteToDevice", {}, 215, Slot::Main},
    {kQVSER, "SpeedButton_ReadDefault", {}, 216, Slot::Main},
    {kMain, "SpeedButton_ReadFromDevice_QV5510", {}, 217, Slot::Any},
    {kMain, "SpeedButton_WriteToDevice_QV5510", {}, 218, Slot::Any},
    {kMain, "SpeedButton_ReadDefault_QV5510", {}, 219, Slot::Any},
    {kPassword, "SpeedButton_ReadFromDevice_Password", {}, 220, Slot::Any},
    {kPassword, "SpeedButton_ReadDefault_Password", {}, 221, Slot::Any},
    {kPassword, "SpeedButton_WriteToDevice_Password", {}, 222, Slot::Any},
    {kQVTMP, "SpeedButton_ReadFromDevice", {}, 223, Slot::Any},
    {kQVTMP, "SpeedButton_ReadDefault", {}, 224, Slot::Any},
    {kQVTMP, "SpeedButton_WriteToDevice", {}, 225, Slot::Any},
}};

bool slotHolds(Slot slot, std::uint8_t moduleSlot)
{
    switch (slot) {
    case Slot::Main: return moduleSlot == 1;
    case Slot::Additional: return moduleSlot == 0;
    case Slot::Any: break;
    }
    return true;
}
}  // namespace

std::span<const PriorityRow> PriorityTable()
{
    return kTable;
}

std::optional<std::uint8_t> NextCommand(const LinkSnapshot& link,
                                        std::span<const PendingRequest> table)
{
    if (!link.usbOnline || link.transferState != 0)
        return std::nullopt;
    for (const PendingRequest& row : table)
        if (slotHolds(row.slot, link.moduleSlot) && row.isPending && row.isPending())
            return row.command;
    if (!link.pollPaused)
        return kStatusPoll;
    return std::nullopt;
}

}  // namespace scheduler
