#pragma once
#include <cstdint>

class QComboBox;

namespace qs {

// Drop-down lists (non-editable QComboBox) selected from device values.

// Selects the item; an index outside the items (negative or past the last) leaves nothing
// selected. Like every change from code it runs no user handler that hangs on activated().
void SetComboIndex(QComboBox* combo, int index);

// An item index as the byte that is sent: no selection (-1) gives 0xFF.
constexpr std::uint8_t IndexByte(int itemIndex)
{
    return static_cast<std::uint8_t>(itemIndex & 0xFF);
}

}  // namespace qs
