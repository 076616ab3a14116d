#include "FactoryStore.h"

#include "korvel/link/CommandTable.h"
#include "korvel/link/records/StatusRecord.h"

#include <algorithm>

using namespace qs;
using namespace korvel;
using namespace ombrik;

namespace {
template <class Record>
std::vector<std::uint8_t> Bytes(const Record& r)
{
    std::vector<std::uint8_t> area(4096);
    ByteWriter w(area);
    r.Encode(w);
    return {w.Data().begin(), w.Data().end()};
}

MeterCore::Reply Answer(std::vector<std::uint8_t> data)
{
    return MeterCore::Reply{0, std::move(data)};
}
}  // namespace

FactoryStore::FactoryStore(MeterCore& meter) : meter_(meter)
{
    using Request = const std::vector<std::uint8_t>&;
    // Input and Pt steps store what the meter measures for their point.
    struct Step {
        Command command;
        std::size_t point;
        bool pt;
    };
    const Step steps[] = {
        {Command::CalIn0mA, input_cal::Low1, false},
        {Command::CalIn20mA, input_cal::High1, false},
        {Command::CalIn0V, input_cal::Low2, false},
        {Command::CalIn10V, input_cal::High2, false},
        {Command::CalPt0Ohm4W, pt_cal::Pt0ohm4W, true},
        {Command::CalPtXOhm4W, pt_cal::PtXohm4W, true},
        {Command::CalPt0Ohm3W, pt_cal::Pt0ohm3W, true},
        {Command::CalPtXOhm3W, pt_cal::PtXohm3W, true},
    };
    for (const Step& step : steps)
        meter.setHandler(Code(step.command), [this, step](Request) {
            std::int32_t& stored = (step.pt ? pt : input).points[step.point];
            stored = (step.pt ? ptMeasured : inputMeasured)[step.point];
            return Answer(Bytes(CalibrationPoint{{stored}}));
        });
    meter.setHandler(Code(Command::InputCalRead), [this](Request) { return Answer(Bytes(input)); });

    for (const auto& [command, high] :
         {std::pair{Command::CalPwmLow, false}, std::pair{Command::CalPwmHigh, true}})
        meter.setHandler(Code(command), [this, high](Request) {
            ByteReader r(meter_.lastStatusRequest);
            const StatusRequest poll = StatusRequest::Decode(r);
            const bool current = poll.controlBits & status_control::CurrentOutput;
            const std::size_t point = current ? (high ? output_cal::PWM20mA : output_cal::PWM4mA)
                                              : (high ? output_cal::PWM10V : output_cal::PWM2V);
            output.points[point] = poll.pwmValue;
            return Answer(Bytes(PwmCalibrationPoint{{poll.pwmValue}}));
        });
    meter.setHandler(Code(Command::PwmCalRead), [this](Request) { return Answer(Bytes(output)); });

    meter.setHandler(Code(Command::PtCalRead), [this](Request) { return Answer(Bytes(pt)); });
    meter.setHandler(Code(Command::Pt1000Write), [this](Request request) {
        const bool pt1000 = !request.empty() && request[0] != 0;
        pt1000Writes.push_back(pt1000);
        meter_.status.bPt1000 = pt1000;
        return Answer({});
    });

    meter.setHandler(Code(Command::DisplayRead), [this](Request request) {
        displayRequests.push_back(request);
        std::vector<std::uint8_t> bytes(display.bytes.begin(), display.bytes.end());
        bytes.resize(std::min(displayLength, bytes.size()));
        return Answer(std::move(bytes));
    });

    meter.setHandler(Code(Command::IdentityWrite), [this](Request request) {
        ByteReader r(request);
        const IdentityRecord id = IdentityRecord::Decode(r);
        identityWrites.push_back(id);
        meter_.deviceId = id.uGyariSzam;
        meter_.deviceType = id.uDeviceType;
        meter_.status.uGyariSzamEv = id.uGyariSzamEv;
        meter_.status.uGyariSzamHonap = id.uGyariSzamHonap;
        meter_.status.uQVOptIn = id.uQVOptIn;
        meter_.status.uQVOptOut2 = id.uQVOptOut2;
        meter_.status.uQVOptOut1 = id.uQVOptOut1;
        return Answer({});
    });
    meter.setHandler(Code(Command::EraseFram), [this](Request) {
        ++erases;
        return Answer({});
    });
    meter.setHandler(Code(Command::Reset), [this](Request) {
        ++resets;
        return Answer({});
    });
}
