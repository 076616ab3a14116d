#include "StatusRecord.h"

namespace korvel {

using namespace qs;

void StatusRecord::Encode(ByteWriter& w) const
{
    w.PutByte(uGyariSzamEv);
    w.PutByte(uGyariSzamHonap);
    EncodeLive(w);
    w.PutByte(uFRAMSizeKB);
    w.PutCardinal(uSecondsOfOperation);
    w.PutByte(uCRCOKbits2);
    w.PutByte(uAfterWriteOKbits2);
    w.PutSingle(fResistanceOfWires);
    w.PutByte(uDigitalOutputs);
    w.PutByte(uQVOptIn);
    w.PutByte(uQVOptOut2);
    w.PutByte(uQVOptOut1);
    w.PutByte(uKeys);
    w.PutCardinal(uMainLoopFrequency);
}

StatusRecord StatusRecord::Decode(ByteReader& r)
{
    StatusRecord s;
    s.uGyariSzamEv = r.GetByte();
    s.uGyariSzamHonap = r.GetByte();
    s.DecodeLive(r);
    s.uFRAMSizeKB = r.GetByte();
    s.uSecondsOfOperation = r.GetCardinal();
    s.uCRCOKbits2 = r.GetByte();
    s.uAfterWriteOKbits2 = r.GetByte();
    s.fResistanceOfWires = r.GetSingle();
    s.uDigitalOutputs = r.GetByte();
    s.uQVOptIn = r.GetByte();
    s.uQVOptOut2 = r.GetByte();
    s.uQVOptOut1 = r.GetByte();
    s.uKeys = r.GetByte();
    s.uMainLoopFrequency = r.GetCardinal();
    return s;
}

namespace {

// The display test number: the QV5510 pattern while its test is ticked on its tab, the first
// pressed test button while the QV5530 tab is active, else no test.
std::uint8_t TestForce(const StatusRequestInputs& in)
{
    if (in.activePage == ActiveModelPage::QV5510 && in.qv5510TestTicked)
        return in.testPattern;
    if (in.activePage == ActiveModelPage::QV5530) {
        for (std::size_t i = 0; i < in.displayTestDown.size(); ++i) {
            if (in.displayTestDown[i])
                return static_cast<std::uint8_t>(i + 1);
        }
    }
    return 0;
}

}  // namespace

StatusRequestBuild BuildStatusRequest(const StatusRequestInputs& in)
{
    StatusRequestBuild out;
    StatusRequest& r = out.request;
    StatusRequestButtons& b = out.buttons;
    b.digitalOutForceDown = in.digitalOutForceDown;
    b.relayForceDown = in.relayForceDown;

    // Byte 0: output drive and check bits (an uncalibrated output cannot be checked), and the
    // QVAO selection.
    const OutputDrive drive =
        BuildOutputDrive(in, (in.lastErrorBits & status_error::UncalibratedOutput) != 0);
    r.controlBits = drive.controlBits;
    b.checkCurrentDown = drive.checkCurrentDown;
    b.checkVoltageDown = drive.checkVoltageDown;
    if (in.qvaoModule1Selected)
        r.controlBits |= status_control::QVAOModule1;

    r.pwmValue = in.pwmValue;
    r.uTestForce = TestForce(in);

    // Byte 4: forced limit outputs of the main window ...
    if (in.digitalOutForceEngDown) {
        r.digitalOutForce = 0xF0;
        for (std::size_t n = 0; n < in.digitalOutForceDown.size(); ++n) {
            if (in.digitalOutForceDown[n])
                r.digitalOutForce |= static_cast<std::uint8_t>(1u << n);
        }
    } else {
        for (std::size_t n = 0; n < b.digitalOutForceDown.size(); ++n)
            b.digitalOutForceDown[n] = (in.lastDigitalOutputs & (1u << n)) != 0;
    }

    // ... and the relay dialog's test of its slot's output.
    const bool mainSlot = in.moduleSlot == 1;
    const std::uint8_t relayMask = mainSlot ? 0x10 : 0x20;
    const std::uint8_t relayBit = mainSlot ? 0x01 : 0x02;
    if (in.relayTestTicked) {
        r.digitalOutForce |= relayMask;
        if (in.relayForceDown)
            r.digitalOutForce |= relayBit;
    } else {
        b.relayForceDown = (in.lastDigitalOutputs & relayBit) != 0;
    }
    return out;
}

void StatusRequest::Encode(ByteWriter& w) const
{
    w.PutByte(controlBits);
    w.PutWord(pwmValue);
    w.PutByte(uTestForce);
    w.PutByte(digitalOutForce);
}

StatusRequest StatusRequest::Decode(ByteReader& r)
{
    StatusRequest s;
    s.controlBits = r.GetByte();
    s.pwmValue = r.GetWord();
    s.uTestForce = r.GetByte();
    s.digitalOutForce = r.GetByte();
    return s;
}

}  // namespace korvel
