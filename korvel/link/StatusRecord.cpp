#include "StatusRecord.h"

StatusRecord ReadStatusRecord(SegmentedTransfer& t)
{
    StatusRecord s;
    s.uGyariSzamEv = t.GetByte();
    s.uGyariSzamHonap = t.GetByte();
    s.iADRaw = t.GetInteger();
    s.iADAveraged = t.GetInteger();
    s.uErrorBits = t.GetCardinal();
    s.fFizikaiMennyiseg = t.GetSingle();
    s.fKimenetSzazalek = t.GetSingle();
    s.iSkalazottKijezesiErtek = t.GetInteger();
    s.uInputType = t.GetByte();
    s.uDecimals = t.GetByte();
    s.uCRCOKbits = t.GetByte();
    s.uAfterWriteOKbits = t.GetByte();
    s.uSPS = t.GetWord();
    s.bPt1000 = t.GetBoolean();
    s.uFRAMSizeKB = t.GetByte();
    s.uSecondsOfOperation = t.GetCardinal();
    s.uCRCOKbits2 = t.GetByte();
    s.uAfterWriteOKbits2 = t.GetByte();
    s.fResistanceOfWires = t.GetSingle();
    s.uDigitalOutputs = t.GetByte();
    s.uQVOptIn = t.GetByte();
    s.uQVOptOut2 = t.GetByte();
    s.uQVOptOut1 = t.GetByte();
    s.uKeys = t.GetByte();
    s.uMainLoopFrequency = t.GetCardinal();
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
    b.checkCurrentDown = in.checkCurrentDown;
    b.checkVoltageDown = in.checkVoltageDown;
    b.digitalOutForceDown = in.digitalOutForceDown;
    b.relayForceDown = in.relayForceDown;

    // Byte 0: output drive and check bits. An uncalibrated output cannot be checked, so a
    // pressed check button is released instead of sent.
    if (in.pwmForceDown)
        r.controlBits |= status_control::PWMForce;
    if (in.currentOutputSelected)
        r.controlBits |= status_control::CurrentOutput;
    const bool uncalibratedOutput = (in.lastErrorBits & status_error::UncalibratedOutput) != 0;
    if (uncalibratedOutput) {
        b.checkCurrentDown = false;
        b.checkVoltageDown = false;
    } else {
        if (in.checkCurrentDown)
            r.controlBits |= status_control::CheckCurrent;
        if (in.checkVoltageDown)
            r.controlBits |= status_control::CheckVoltage;
    }
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

void PutStatusRequest(SegmentedTransfer& t, const StatusRequest& r)
{
    t.PutByte(r.controlBits);
    t.PutWord(r.pwmValue);
    t.PutByte(r.uTestForce);
    t.PutByte(r.digitalOutForce);
}
