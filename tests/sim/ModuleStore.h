#pragma once
#include "MeterCore.h"

#include <cstdint>
#include <map>
#include <vector>

// The settings blocks of the plug-in modules, the display block and the passwords as the
// simulated meter keeps them: per block (and per slot where a module has two) the stored bytes,
// which a read returns and a write replaces byte for byte, and the factory defaults a default read
// returns. A write can be refused, with an error code in place of the acknowledgement, until it is
// allowed again. The handlers are registered on the meter, whose other commands stay as they were.
class ModuleStore {
public:
    using Bytes = std::vector<std::uint8_t>;

    // With the analogue input, the analogue output's main and additional slot, the relay
    // output's, the RS-485 module, the display block, the passwords and the temperature
    // module, each read and written by its own commands and with its factory defaults; each
    // stored block and default a distinct valid block.
    explicit ModuleStore(MeterCore& meter);

    // A block read by `read`, written by `write`, starting as `stored`.
    void AddBlock(std::uint8_t read, std::uint8_t write, Bytes stored);
    // A factory-default read.
    void AddDefaults(std::uint8_t read, Bytes defaults);

    // The stored block that `read` returns (the one `write` replaces).
    Bytes& Stored(std::uint8_t read) { return stored_.at(read); }
    Bytes& Defaults(std::uint8_t read) { return defaults_.at(read); }

    // Answers `write` with `errorCode` (0: accepts it again).
    void Refuse(std::uint8_t write, std::uint8_t errorCode) { refused_[write] = errorCode; }

    // The sample blocks the store starts with.
    static const Bytes kQvain, kQvainDefaults, kQvaoMain, kQvaoAdditional, kQvaoDefaults, kQvroMain,
        kQvroAdditional, kQvroDefaults, kQvser, kQvserDefaults, kQv5510, kQv5510Defaults,
        kPasswords, kPasswordDefaults, kQvtmp, kQvtmpDefaults;

private:
    MeterCore& meter_;
    std::map<std::uint8_t, Bytes> stored_;
    std::map<std::uint8_t, Bytes> defaults_;
    std::map<std::uint8_t, std::uint8_t> refused_;
};
