#pragma once
#include "common/link/ByteStream.h"

#include <cstddef>
#include <cstdint>

namespace ombrik {

// The fitted modules (reply data of 111, request data of 112), 2 bytes. The codes are the item
// indexes of the input and output module choices on the page, Ombrik's own numbering.
struct OptionsRecord {
    std::uint8_t inputModuleKind = 0;   // InputModuleKind: mbu_input_module
    std::uint8_t outputModuleKind = 0;  // OutputModuleKind: mbu_output_module

    static constexpr std::size_t kSize = 2;

    void Encode(qs::ByteWriter& w) const;
    static OptionsRecord Decode(qs::ByteReader& r);

    // The record to write from the two choices' item indexes; a choice with no selection
    // (index -1) sends item 0, "Nincs". The window selects item 0 in such a choice as well.
    static OptionsRecord FromSelection(int inputItemIndex, int outputItemIndex);

    friend bool operator==(const OptionsRecord&, const OptionsRecord&) = default;
};

namespace mbu_input_module {
constexpr std::uint8_t None = 0;   // "Nincs"
constexpr std::uint8_t QVAIN = 1;  // analogue input
constexpr std::uint8_t QVTM = 2;   // temperature input (Pt100 / Pt1000)
}  // namespace mbu_input_module

namespace mbu_output_module {
constexpr std::uint8_t None = 0;   // "Nincs"
constexpr std::uint8_t QVAO = 1;   // analogue output
constexpr std::uint8_t QVSER = 2;  // RS-485
}  // namespace mbu_output_module

}  // namespace ombrik
