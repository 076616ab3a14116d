#pragma once
#include "CommandTable.h"
#include "common/link/PendingSet.h"

#include <cstdint>
#include <optional>

namespace ombrik {

namespace mbu {

// Which command the 30 ms tick starts once the link is free: the command a reply chained to
// first, then the highest pending key's command, then the status poll unless it is paused.
// There is no queue and no resend: a request goes again only while its key stays pending.
std::optional<Command> NextCommand(std::uint8_t chainedCommand, const qs::PendingSet& pending,
                                   bool pollPaused);

}  // namespace mbu

}  // namespace ombrik
