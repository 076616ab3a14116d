#include "Scheduler.h"

namespace scheduler {

bool SlotHolds(Slot slot, std::uint8_t moduleSlot)
{
    switch (slot) {
    case Slot::Main: return moduleSlot == 1;
    case Slot::Additional: return moduleSlot == 0;
    case Slot::Any: break;
    }
    return true;
}

std::optional<Command> NextCommand(const PendingSet& pending, std::uint8_t moduleSlot, bool pollPaused)
{
    if (!pending.Empty())
        for (const CommandInfo& row : CommandTable())
            if (row.key != KeyNone && pending.IsPending(row.key) && SlotHolds(row.slot, moduleSlot))
                return row.code;
    if (!pollPaused)
        return CmdStatusPoll;
    return std::nullopt;
}

}  // namespace scheduler
