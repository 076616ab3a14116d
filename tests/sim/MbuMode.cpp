// The simulated meter's MBU mode: the QV5530 as Ombrik talks to it.
#include "ombrik/link/MbuFrame.h"
#include "ombrik/link/records/MbuStatusRecord.h"
#include "MeterCore.h"

#include <algorithm>
#include <array>

using namespace qs;
using namespace korvel;
using namespace ombrik;

namespace {

using Reply = MeterCore::Reply;
using Data = std::vector<std::uint8_t>;

template <typename Record>
Reply ReplyWith(const Record& record)
{
    std::array<std::uint8_t, mbu::kDataSize> area{};
    ByteWriter w(area);
    record.Encode(w);
    return Reply{0, std::vector<std::uint8_t>(w.Data().begin(), w.Data().end())};
}

template <typename Record>
Record Decoded(const Data& data)
{
    ByteReader r(data);
    return Record::Decode(r);
}

// The developer page's preset codes: display and memory tests the unit acknowledges.
constexpr std::uint8_t kPresetCodes[] = {1, 2, 7, 8, 11, 12, 13, 14, 16, 17, 18};

}  // namespace

void MeterCore::useMbuProtocol()
{
    mbuProtocol_ = true;
    firmware = VersionDateCode(2018, 8, 28);
    checkRequestedType = true;
    handlers_.clear();
    MbuStore& m = mbu;

    setHandler(101, [this, &m](const Data& data) {
        lastStatusRequest.assign(data.begin(), data.begin() + MbuStatusRequest::kSize);
        m.lastPoll = Decoded<MbuStatusRequest>(data);
        MbuStatusRecord live;
        static_cast<LiveStatus&>(live) = status;
        return ReplyWith(live);
    });
    // Input and Pt calibration points: the filtered reading, kept and answered.
    auto takePoint = [this](std::int32_t& point) {
        return [this, &point](const Data&) {
            point = status.iADAveraged;
            return ReplyWith(CalibrationPoint{{point}});
        };
    };
    for (std::size_t i = 0; i < 4; ++i) {
        setHandler(static_cast<std::uint8_t>(102 + i), takePoint(m.input.points[i]));
        setHandler(static_cast<std::uint8_t>(125 + i), takePoint(m.pt.points[i]));
    }
    // Output points: the PWM value of the last poll, for the output type it selected.
    auto takePwm = [&m](std::size_t currentPoint, std::size_t voltagePoint) {
        return [&m, currentPoint, voltagePoint](const Data&) {
            const bool current = (m.lastPoll.controlBits & output_drive::CurrentOutput) != 0;
            std::uint16_t& point = m.output.points[current ? currentPoint : voltagePoint];
            point = m.lastPoll.pwmValue;
            return ReplyWith(PwmCalibrationPoint{{point}});
        };
    };
    setHandler(114, takePwm(output_cal::PWM4mA, output_cal::PWM2V));
    setHandler(115, takePwm(output_cal::PWM20mA, output_cal::PWM10V));
    setHandler(110, [&m](const Data&) { return ReplyWith(m.input); });
    setHandler(116, [&m](const Data&) { return ReplyWith(m.output); });
    setHandler(129, [&m](const Data&) { return ReplyWith(m.pt); });
    setHandler(111, [&m](const Data&) { return ReplyWith(m.options); });
    setHandler(112, [&m](const Data& data) {
        m.options = Decoded<OptionsRecord>(data);
        return Reply{};
    });
    setHandler(130, [this](const Data& data) {
        status.bPt1000 = Decoded<Pt1000Choice>(data).bPt1000;
        return Reply{};
    });
    setHandler(106, [&m](const Data&) {
        ++m.framErasures;
        return Reply{};
    });
    setHandler(113, [&m](const Data&) {
        ++m.resets;
        return Reply{};
    });
    // The display, a pair of rows a frame from the row asked for.
    for (const std::uint8_t code : {123, 124})
        setHandler(code, [&m](const Data& data) {
            const std::uint8_t row = data.empty() ? 0 : data[0];
            m.displayRowsAsked.push_back(row);
            return ReplyWith(DisplayRowPair::Of(m.display, row));
        });
    for (std::uint8_t code : kPresetCodes)
        setHandler(code, [](const Data&) { return Reply{}; });
}

void MeterCore::handleMbuFrame(const mbu3::Frame& frame)
{
    const std::uint8_t command = frame[mbu::off::Command];
    auto reply = [&](std::uint8_t status, const std::vector<std::uint8_t>& data = {}) {
        mbu::MBUFrame f{};
        mbu3::Put16(f, mbu::off::DeviceType, deviceType);
        mbu3::Put16(f, mbu::off::Firmware, firmware);
        f[mbu::off::Status] = status;
        f[mbu::off::Command] = command;
        std::copy_n(data.begin(), std::min(data.size(), mbu::kDataSize),
                    f.begin() + mbu::kDataOffset);
        sendReply(f);
    };
    mbu::MBUFrame check = frame;
    if (!mbu::CheckRxCRC(check))
        return reply(mbu::StatusCrc);
    if (!failures_.empty()) {
        const std::uint8_t code = failures_.front();
        failures_.pop_front();
        return reply(code);
    }
    const std::uint16_t type = mbu::FrameWord(frame, mbu::off::DeviceType);
    if (checkRequestedType && type != deviceType)
        return reply(mbu::StatusDevice);
    if (firmware > mbu::FrameWord(frame, mbu::off::VersionMax))
        return reply(mbu::StatusProgramOld);
    if (firmware < mbu::FrameWord(frame, mbu::off::VersionMin))
        return reply(mbu::StatusProgramNew);
    const std::vector<std::uint8_t> data(frame.begin() + mbu::kDataOffset,
                                         frame.begin() + mbu::kCrcOffset);
    requests_.push_back({command, type, data});
    const auto it = handlers_.find(command);
    const Reply r = it != handlers_.end() ? it->second(data) : Reply{mbu::StatusCommand, {}};
    reply(r.error, r.error == 0 ? r.data : std::vector<std::uint8_t>{});
}
