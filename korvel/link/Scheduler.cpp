#include "Scheduler.h"

namespace korvel {

using namespace qs;

namespace scheduler {

bool SlotHolds(Slot slot, std::uint8_t moduleSlot)
{
    switch (slot) {
    case Slot::Main:
        return moduleSlot == 1;
    case Slot::Additional:
        return moduleSlot == 0;
    case Slot::Any:
        break;
    }
    return true;
}

TrioSlots::TrioSlots()
{
    Set(Trio::Qvser, 1);
}

void TrioSlots::Set(Trio trio, std::uint8_t slot)
{
    slots_[static_cast<std::size_t>(trio)] = slot;
}

std::uint8_t TrioSlots::Of(Trio trio) const
{
    return slots_[static_cast<std::size_t>(trio)];
}

bool TrioSlots::Holds(const CommandInfo& row) const
{
    return SlotHolds(row.slot, Of(row.trio));
}

std::optional<Command> NextCommand(const PendingSet& pending, const TrioSlots& slots,
                                   bool pollPaused)
{
    if (!pending.Empty())
        for (const CommandInfo& row : CommandTable())
            if (row.key != KeyNone && pending.IsPending(row.key) && slots.Holds(row))
                return row.code;
    if (!pollPaused)
        return Command::StatusPoll;
    return std::nullopt;
}

}  // namespace scheduler

}  // namespace korvel
