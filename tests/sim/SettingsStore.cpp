#include "SettingsStore.h"

#include "korvel/link/CommandTable.h"
#include "ombrik/link/CommandTable.h"

#include <algorithm>

using namespace qs;
using namespace korvel;
using namespace ombrik;

std::vector<std::uint8_t> SettingsStore::Encoded(const SettingsRecord& r)
{
    std::vector<std::uint8_t> area(SettingsRecord::kSize);
    ByteWriter w(area);
    r.Encode(w);
    return {w.Data().begin(), w.Data().end()};
}

SettingsRecord SettingsStore::DesignState()
{
    SettingsRecord r;
    r.displayLeaderZeros = true;
    r.displayRefresh = 3;  // "200"
    r.uAnalogueType = 0;
    r.iAnalogueHigh = 100;
    r.iBgHigh = 100;
    r.uInputTypeSettings = 0;
    r.uDecimalPointSettings = 2;
    r.uRoundSettings = 0;
    r.iScaleHighSettings = 100;
    r.enuLimitDisplayMode = 1;  // "Dinamikus"
    for (auto& limit : r.limits)
        limit.enuLimitMode = 0;
    r.uSec = {2, 2, 2, 2};  // "0" is clamped to 2
    r.uPulseSec = {2, 2, 2, 2};
    r.modbusProtocol = 0;
    r.modbusParity = 1;
    r.modbusAddress = 0;
    r.uPtWires = 2;  // "4"
    return r;
}

// Variant 0 and 1 differ in every field; no field sits at its zero or its design state.
SettingsRecord SettingsStore::Sample(int v)
{
    const bool odd = v % 2 == 1;
    auto pick = [v](int first, int items) { return (first + v) % items; };
    SettingsRecord r;
    r.brightness = static_cast<std::uint8_t>(7 - 3 * v);
    r.displayTagname = odd ? "Quorin" : "Tartály 1";
    r.displayDimension = odd ? "mA" : "°C";
    r.displayLeaderZeros = odd;
    r.displayRefresh = pick(2, 6);
    r.uAnalogueType = pick(3, 5);
    r.iAnalogueLow = -1500 + 1000 * v;
    r.iAnalogueHigh = 123456 - 100000 * v;
    r.bAnalogueErrorHigh = !odd;
    r.bargraphDot = !odd;
    r.iBgLow = -7 + 8 * v;
    r.iBgHigh = 100000 - 90000 * v;
    r.uInputTypeSettings = pick(2, 5);
    r.uDecimalPointSettings = pick(4, 5);
    r.uRoundSettings = pick(2, 3);
    r.iScaleLowSettings = -99 + 100 * v;
    r.iScaleHighSettings = 2000 + 8000 * v;
    r.enuLimitDisplayMode = pick(5, 6);
    for (int n = 0; n < 4; ++n) {
        const int k = n + 1 + 10 * v;
        r.limits[static_cast<std::size_t>(n)] = {pick(7 + n, 11), (n + v) % 2 == 1, 100 * k,
                                                 -200 * k, 5 + k};
        r.uSec[static_cast<std::size_t>(n)] = static_cast<std::uint32_t>(60 * k);
        r.uPulseSec[static_cast<std::size_t>(n)] = static_cast<std::uint32_t>(2 + k);
    }
    r.modbusProtocol = pick(1, 2);
    r.modbusParity = pick(3, 4);
    r.modbusBaudRate = pick(15, 16);
    r.modbusAddress = 247 - 100 * v;
    r.bDisableAnalogueError = !odd;
    r.uPtWires = pick(1, 3);
    return r;
}

SettingsStore::SettingsStore(MeterCore& meter)
    : stored(Encoded(Sample(0))), defaults(Encoded(Sample(1)))
{
    if (meter.mbuProtocol()) {
        // The QV5530's commands of each part: read, defaults, write.
        using C = mbu::Command;
        constexpr C kPartCommands[3][3] = {
            {C::SettingsRead1, C::SettingsDefaults1, C::SettingsWrite1},
            {C::SettingsRead2, C::SettingsDefaults2, C::SettingsWrite2},
            {C::SettingsRead3, C::SettingsDefaults3, C::SettingsWrite3}};
        for (std::size_t p = 0; p < 3; ++p) {
            const auto [offset, size] = SettingsRecord::kParts[p];
            const auto begin = static_cast<std::ptrdiff_t>(offset);
            const auto end = static_cast<std::ptrdiff_t>(offset + size);
            auto part = [begin, end](const std::vector<std::uint8_t>& block) {
                return MeterCore::Reply{0, {block.begin() + begin, block.begin() + end}};
            };
            meter.setHandler(
                Code(kPartCommands[p][0]),
                [this, part](const std::vector<std::uint8_t>&) { return part(stored); });
            meter.setHandler(
                Code(kPartCommands[p][1]),
                [this, part](const std::vector<std::uint8_t>&) { return part(defaults); });
            meter.setHandler(
                Code(kPartCommands[p][2]),
                [this, begin, end](const std::vector<std::uint8_t>& request) {
                    writes.emplace_back(request.begin(), request.begin() + (end - begin));
                    std::copy(writes.back().begin(), writes.back().end(), stored.begin() + begin);
                    return MeterCore::Reply{};
                });
        }
        return;
    }
    meter.setHandler(Code(Command::SettingsWrite),
                     [this](const std::vector<std::uint8_t>& request) {
                         writes.push_back(request);
                         stored = request;
                         return MeterCore::Reply{};
                     });
    meter.setHandler(Code(Command::SettingsRead), [this](const std::vector<std::uint8_t>&) {
        return MeterCore::Reply{0, stored};
    });
    meter.setHandler(Code(Command::SettingsDefaults), [this](const std::vector<std::uint8_t>&) {
        return MeterCore::Reply{0, defaults};
    });
}
