#include "MbuStatusRequest.h"

#include "MbuStatusRecord.h"

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
    MbuStatusRequestBuild out;
    MbuStatusRequest& q = out.request;
    if (in.pwmForceDown)
        q.controlBits |= mbu_control::PWMForce;
    if (in.currentOutputSelected)
        q.controlBits |= mbu_control::CurrentOutput;

    const bool checkable = (in.lastStatusBits & mbu_status::OutputNotCalibrated) == 0;
    out.buttons.checkCurrentDown = in.checkCurrentDown && checkable;
    out.buttons.checkVoltageDown = in.checkVoltageDown && checkable;
    if (out.buttons.checkCurrentDown)
        q.controlBits |= mbu_control::CheckCurrent;
    if (out.buttons.checkVoltageDown)
        q.controlBits |= mbu_control::CheckVoltage;

    q.pwmValue = in.pwmValue;
    for (std::size_t i = 0; i < in.displayTestDown.size() && q.displayTest == 0; ++i) {
        if (in.displayTestDown[i])
            q.displayTest = static_cast<std::uint8_t>(i + 1);
    }
    return out;
}
