#include "MbuStatusRequest.h"

#include "common/link/records/LiveStatus.h"

namespace ombrik {

using namespace qs;

void MbuStatusRequest::Encode(ByteWriter& w) const
{
    w.PutByte(controlBits);
    w.PutWord(pwmValue);
    w.PutByte(displayTest);
}

MbuStatusRequest MbuStatusRequest::Decode(ByteReader& r)
{
    MbuStatusRequest q;
    q.controlBits = r.GetByte();
    q.pwmValue = r.GetWord();
    q.displayTest = r.GetByte();
    return q;
}

MbuStatusRequestBuild BuildMbuStatusRequest(const MbuStatusRequestInputs& in)
{
    const OutputDrive drive =
        BuildOutputDrive(in, (in.lastStatusBits & live_status::OutputNotCalibrated) != 0);
    MbuStatusRequestBuild out;
    out.request.controlBits = drive.controlBits;
    out.request.pwmValue = in.pwmValue;
    for (std::size_t i = 0; i < in.displayTestDown.size() && out.request.displayTest == 0; ++i)
        if (in.displayTestDown[i])
            out.request.displayTest = static_cast<std::uint8_t>(i + 1);
    out.checkCurrentDown = drive.checkCurrentDown;
    out.checkVoltageDown = drive.checkVoltageDown;
    return out;
}

}  // namespace ombrik
