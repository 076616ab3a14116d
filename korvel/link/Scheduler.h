#pragma once
#include "CommandTable.h"
#include "common/link/PendingSet.h"

#include <array>
#include <cstdint>
#include <optional>

namespace korvel {

// Which command the 30 ms tick starts. There is no queue: the pending request keys are
// looked at in the command table's order of priority.
namespace scheduler {

// Whether a row's slot condition holds for a module slot (1 main, 0 additional).
bool SlotHolds(Slot slot, std::uint8_t moduleSlot);

// The module slot each trio's requests go out for. A dialog that serves two slots keeps the
// slot its last opener gave it, so a request it left pending goes to that module even after
// another dialog was opened for the other slot. The QVAO and QVRO trios start at the
// additional slot (0), as ModuleSlot does; the QVSER trio always serves the main slot (1).
class TrioSlots {
public:
    TrioSlots();

    void Set(Trio trio, std::uint8_t slot);
    std::uint8_t Of(Trio trio) const;
    // Whether the row's slot condition holds for its own trio's slot.
    bool Holds(const CommandInfo& row) const;

private:
    std::array<std::uint8_t, static_cast<std::size_t>(Trio::Count)> slots_{};
};

// The first row whose key is pending and whose slot condition holds for its trio; else the
// status poll unless it is paused. (Whether the link is free to start anything is the
// caller's test.)
std::optional<Command> NextCommand(const qs::PendingSet& pending, const TrioSlots& slots,
                                   bool pollPaused);

}  // namespace scheduler

}  // namespace korvel
