#pragma once
#include "MeterCore.h"
#include "common/link/records/SettingsRecord.h"

#include <cstdint>
#include <vector>

// The base unit's settings as the simulated meter keeps them: a stored block and a
// factory-default block that differ in every field. A settings write stores its 139 bytes as
// they came; the settings read and the factory-default read answer the blocks. Installs its
// handlers on the meter it is given, which must outlive no store it answers from.
//
// A meter in MBU mode moves the same blocks in three parts, bytes 0-52, 53-106 and 107-138:
// each part's read and factory-default read answer their part of a block, each part's write
// stores its part into the stored block.
class SettingsStore {
public:
    explicit SettingsStore(MeterCore& meter);

    // A record with every field off its zero and its design state; variants 0 and 1 differ
    // in every field. The stored block starts as variant 0, the default block as variant 1.
    static qs::SettingsRecord Sample(int variant);
    // The settings controls as both programs' windows create them, taken with no decimals:
    // the selections, numbers and clamps they share. Each program then sets what its own
    // form differs in (brightness, texts, baud rate); here they are 0, empty and none.
    static qs::SettingsRecord DesignState();
    // The record's 139 bytes.
    static std::vector<std::uint8_t> Encoded(const qs::SettingsRecord& r);

    std::vector<std::uint8_t> stored;
    std::vector<std::uint8_t> defaults;
    // The request data of every write (in MBU mode: of every part written), in order.
    std::vector<std::vector<std::uint8_t>> writes;
};
