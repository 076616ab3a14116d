// The simulated meter's MBU mode: the QV5530 as Ombrik talks to it.
#include "ombrik/link/CommandTable.h"
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

}  // namespace

void MeterCore::useMbuProtocol()
{
    mbuProtocol_ = true;
    firmware = VersionDateCode(2018, 8, 28);
    checkRequestedType = true;
    handlers_.clear();
    MbuStore& m = mbu;

    setHandler(Code(mbu::Command::StatusPoll), [this, &m](const Data& data) {
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
    const mbu::Command inputSteps[] = {mbu::Command::CalIn0mA, mbu::Command::CalIn20mA,
                                       mbu::Command::CalIn0V, mbu::Command::CalIn10V};
    const mbu::Command ptSteps[] = {mbu::Command::CalPt0Ohm4W, mbu::Command::CalPtXOhm4W,
                                    mbu::Command::CalPt0Ohm3W, mbu::Command::CalPtXOhm3W};
    for (std::size_t i = 0; i < 4; ++i) {
        setHandler(Code(inputSteps[i]), takePoint(m.input.points[i]));
        setHandler(Code(ptSteps[i]), takePoint(m.pt.points[i]));
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
    setHandler(Code(mbu::Command::CalPwmLow), takePwm(output_cal::PWM4mA, output_cal::PWM2V));
    setHandler(Code(mbu::Command::CalPwmHigh), takePwm(output_cal::PWM20mA, output_cal::PWM10V));
    setHandler(Code(mbu::Command::InputCalRead), [&m](const Data&) { return ReplyWith(m.input); });
    setHandler(Code(mbu::Command::PwmCalRead), [&m](const Data&) { return ReplyWith(m.output); });
    setHandler(Code(mbu::Command::PtCalRead), [&m](const Data&) { return ReplyWith(m.pt); });
    setHandler(Code(mbu::Command::OptionsRead), [&m](const Data&) { return ReplyWith(m.options); });
    setHandler(Code(mbu::Command::OptionsWrite), [&m](const Data& data) {
        m.options = Decoded<OptionsRecord>(data);
        return Reply{};
    });
    setHandler(Code(mbu::Command::Pt1000Write), [this](const Data& data) {
        status.bPt1000 = Decoded<Pt1000Choice>(data).bPt1000;
        return Reply{};
    });
    setHandler(Code(mbu::Command::EraseFram), [&m](const Data&) {
        ++m.framErasures;
        return Reply{};
    });
    setHandler(Code(mbu::Command::Reset), [&m](const Data&) {
        ++m.resets;
        return Reply{};
    });
    // The display, a pair of rows a frame from the row asked for.
    for (const mbu::Command command :
         {mbu::Command::DisplayFirstRows, mbu::Command::DisplayNextRows})
        setHandler(Code(command), [&m](const Data& data) {
            const std::uint8_t row = data.empty() ? 0 : data[0];
            m.displayRowsAsked.push_back(row);
            return ReplyWith(DisplayRowPair::Of(m.display, row));
        });
    // The developer page's presets: display and memory tests the unit acknowledges.
    for (std::uint8_t code : mbu::kDeveloperPresets)
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
