#include "Scheduler.h"

namespace ombrik {

using namespace qs;

namespace mbu {

std::optional<Command> NextCommand(std::uint8_t chainedCommand, const PendingSet& pending,
                                   bool pollPaused)
{
    if (const CommandInfo* chained = FindCommand(chainedCommand))
        return chained->code;
    // A button's key is the command it starts.
    if (const std::vector<PendingSet::Key> keys = pending.Pending(); !keys.empty())
        return static_cast<Command>(keys.front());
    if (pollPaused)
        return std::nullopt;
    return Command::StatusPoll;
}

}  // namespace mbu

}  // namespace ombrik
