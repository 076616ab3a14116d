#pragma once
#include "CommandTable.h"
#include "PendingSet.h"

#include <cstdint>
#include <optional>

// Which command the 30 ms tick starts. There is no queue: the pending request keys are
// looked at in the command table's order of priority.
namespace scheduler {

// Whether a row's slot condition holds for ModuleSlot (1 main, 0 additional).
bool SlotHolds(Slot slot, std::uint8_t moduleSlot);

// The first row whose key is pending and whose slot condition holds; else the status poll
// unless it is paused. (Whether the link is free to start anything is the caller's test.)
std::optional<Command> NextCommand(const PendingSet& pending, std::uint8_t moduleSlot, bool pollPaused);

}  // namespace scheduler
