#include "ModuleStore.h"

#include "korvel/link/CommandTable.h"

using namespace qs;
using namespace korvel;
using namespace ombrik;

// Settling 60 ms (5), voltage 0-10 V, 2 decimals, scale 123.45 .. -5.00, rounding 5.
const ModuleStore::Bytes ModuleStore::kQvain = {0x05, 0x02, 0x02, 0x39, 0x30, 0x00,
                                                0x00, 0x0C, 0xFE, 0xFF, 0xFF, 0x05};
// Settling 200 ms (16), current 4-20 mA, 1 decimal, scale 0 .. 1000, rounding 1.
const ModuleStore::Bytes ModuleStore::kQvainDefaults = {0x10, 0x00, 0x01, 0x00, 0x00, 0x00,
                                                        0x00, 0xE8, 0x03, 0x00, 0x00, 0x01};
// 0-20 mA, 100 .. 20000, error by the high level.
const ModuleStore::Bytes ModuleStore::kQvaoMain = {0x01, 0x64, 0x00, 0x00, 0x00, 0x20,
                                                   0x4E, 0x00, 0x00, 0x01, 0x00};
// 2-10 V, -250 .. 7500, error signalling disabled.
const ModuleStore::Bytes ModuleStore::kQvaoAdditional = {0x04, 0x06, 0xFF, 0xFF, 0xFF, 0x4C,
                                                         0x1D, 0x00, 0x00, 0x00, 0x01};
// 4-20 mA, 0 .. 10000.
const ModuleStore::Bytes ModuleStore::kQvaoDefaults = {0x00, 0x00, 0x00, 0x00, 0x00, 0x10,
                                                       0x27, 0x00, 0x00, 0x00, 0x00};
// Between A and B (3): 1000, 2000, hysteresis 50, hold, 30 s, pulse 5 s.
const ModuleStore::Bytes ModuleStore::kQvroMain = {0x03, 0xE8, 0x03, 0x00, 0x00, 0xD0,
                                                   0x07, 0x00, 0x00, 0x32, 0x00, 0x00,
                                                   0x00, 0x01, 0x1E, 0x00, 0x05};
// Delta t rising (8): 25, -1, 3, no hold, 600 s, pulse 10 s.
const ModuleStore::Bytes ModuleStore::kQvroAdditional = {0x08, 0x19, 0x00, 0x00, 0x00, 0xFF,
                                                         0xFF, 0xFF, 0xFF, 0x03, 0x00, 0x00,
                                                         0x00, 0x00, 0x58, 0x02, 0x0A};
// Off: 0, 0, 10, no hold, 2 s, pulse 2 s.
const ModuleStore::Bytes ModuleStore::kQvroDefaults = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                                                       0x00, 0x00, 0x00, 0x0A, 0x00, 0x00,
                                                       0x00, 0x00, 0x02, 0x00, 0x02};

// ASCII, odd parity, 115200 bit/sec. (11), address 17, time-out 300 s.
const ModuleStore::Bytes ModuleStore::kQvser = {0x01, 0x02, 0x0B, 0x11, 0x2C, 0x01};
// RTU, even parity, 9600 bit/sec. (5), address 1, time-out 10 s.
const ModuleStore::Bytes ModuleStore::kQvserDefaults = {0x00, 0x01, 0x05, 0x01, 0x0A, 0x00};
// Brightness 7, no leading zeros, refresh 200 ms.
const ModuleStore::Bytes ModuleStore::kQv5510 = {0x07, 0x00, 0x14};
// Brightness 10, leading zeros, refresh 500 ms.
const ModuleStore::Bytes ModuleStore::kQv5510Defaults = {0x0A, 0x01, 0x32};
// Operator 42, engineer 7.
const ModuleStore::Bytes ModuleStore::kPasswords = {0x2A, 0x00, 0x07, 0x00};
// Operator 0, engineer 1111.
const ModuleStore::Bytes ModuleStore::kPasswordDefaults = {0x00, 0x00, 0x57, 0x04};
// Potentiometer, 2 wires, lead 0.25 ohm, averaging 10, 0 % = 100.5, 100 % = 2000.75,
// 3 decimals, scale 1500 .. -250, rounding 20.
const ModuleStore::Bytes ModuleStore::kQvtmp = {
    0x02, 0x02, 0x00, 0x00, 0x80, 0x3E, 0x0A, 0x00, 0x00, 0xC9, 0x42, 0x00, 0x18,
    0xFA, 0x44, 0x03, 0xDC, 0x05, 0x00, 0x00, 0x06, 0xFF, 0xFF, 0xFF, 0x14};
// °C, 4 wires, lead 0.5 ohm, averaging 1, 0 % = 10, 100 % = 110, 1 decimal, scale 0 .. 1000,
// rounding 1.
const ModuleStore::Bytes ModuleStore::kQvtmpDefaults = {
    0x00, 0x04, 0x00, 0x00, 0x00, 0x3F, 0x01, 0x00, 0x00, 0x20, 0x41, 0x00, 0x00,
    0xDC, 0x42, 0x01, 0x00, 0x00, 0x00, 0x00, 0xE8, 0x03, 0x00, 0x00, 0x01};

ModuleStore::ModuleStore(MeterCore& meter) : meter_(meter)
{
    using C = Command;
    AddBlock(Code(C::QvainRead), Code(C::QvainWrite), kQvain);
    AddDefaults(Code(C::QvainDefaults), kQvainDefaults);
    AddBlock(Code(C::QvaoReadMain), Code(C::QvaoWriteMain), kQvaoMain);
    AddBlock(Code(C::QvaoReadAdditional), Code(C::QvaoWriteAdditional), kQvaoAdditional);
    AddDefaults(Code(C::QvaoDefaults), kQvaoDefaults);
    AddBlock(Code(C::QvroReadMain), Code(C::QvroWriteMain), kQvroMain);
    AddBlock(Code(C::QvroReadAdditional), Code(C::QvroWriteAdditional), kQvroAdditional);
    AddDefaults(Code(C::QvroDefaults), kQvroDefaults);
    AddBlock(Code(C::QvserRead), Code(C::QvserWrite), kQvser);
    AddDefaults(Code(C::QvserDefaults), kQvserDefaults);
    AddBlock(Code(C::Qv5510Read), Code(C::Qv5510Write), kQv5510);
    AddDefaults(Code(C::Qv5510Defaults), kQv5510Defaults);
    AddBlock(Code(C::PasswordRead), Code(C::PasswordWrite), kPasswords);
    AddDefaults(Code(C::PasswordDefaults), kPasswordDefaults);
    AddBlock(Code(C::QvtmpRead), Code(C::QvtmpWrite), kQvtmp);
    AddDefaults(Code(C::QvtmpDefaults), kQvtmpDefaults);
}

void ModuleStore::AddBlock(std::uint8_t read, std::uint8_t write, Bytes stored)
{
    stored_[read] = std::move(stored);
    meter_.setHandler(read, [this, read](const Bytes&) {
        return MeterCore::Reply{0, stored_.at(read)};
    });
    meter_.setHandler(write, [this, read, write](const Bytes& request) {
        if (const auto it = refused_.find(write); it != refused_.end() && it->second != 0)
            return MeterCore::Reply{it->second, {}};
        stored_.at(read) = request;
        return MeterCore::Reply{0, {}};
    });
}

void ModuleStore::AddDefaults(std::uint8_t read, Bytes defaults)
{
    defaults_[read] = std::move(defaults);
    meter_.setHandler(read, [this, read](const Bytes&) {
        return MeterCore::Reply{0, defaults_.at(read)};
    });
}
