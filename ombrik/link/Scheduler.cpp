#include "Scheduler.h"

namespace mbu {

std::optional<Command> NextCommand(std::uint8_t chainedCommand, const PendingSet& pending, bool pollPaused)
{
    if (const CommandInfo* chained = FindCommand(chainedCommand))
        return chained->code;
    const std::vector<PendingSet::Key> keys = pending.Pending();
    if (!keys.empty())
        for (const CommandInfo& row : CommandTable())
            if (row.key == keys.front())
                return row.code;
    if (pollPaused)
        return std::nullopt;
    return CmdStatusPoll;
}

}  // namespace mbu
