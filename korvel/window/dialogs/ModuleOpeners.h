#pragma once
#include "korvel/link/CommandTable.h"

#include <cstdint>
#include <optional>
#include <span>

namespace korvel {

// The module buttons of the model pages and the dialog each opens. A slot opener sets
// ModuleSlot, and with it the slot the dialog's requests go out for, and the dialog's
// caption; the others leave both as they are.
struct ModuleOpener {
    const char* button;
    const char* handler;  // the click handler's name (one handler may serve two buttons)
    Trio dialog;
    std::optional<std::uint8_t> slot;  // 1 main, 0 additional
    const char* caption;               // with a slot only
};

// Every opener, in the order of the model pages.
std::span<const ModuleOpener> ModuleOpeners();

}  // namespace korvel
