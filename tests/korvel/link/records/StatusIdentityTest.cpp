#include "korvel/link/CommandTable.h"
#include "korvel/link/records/IdentityRecord.h"
#include "tests/korvel/link/LinkTestSupport.h"
#include "korvel/link/records/StatusRecord.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

using namespace qs;
using namespace korvel;

using linktest::Bytes;
using linktest::Hex;

namespace {

// The request data as they leave the stream.
std::string RequestHex(const StatusRequest& r)
{
    std::array<std::uint8_t, 16> area{};
    ByteWriter w(area);
    r.Encode(w);
    return Hex(w.Data());
}

std::string RequestHex(const StatusRequestInputs& in)
{
    return RequestHex(BuildStatusRequest(in).request);
}

Bytes FromHex(const std::string& hex)
{
    Bytes bytes;
    for (std::size_t i = 0; i + 2 <= hex.size(); i += 3)
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

// Every field distinguishable; multi-byte fields little-endian.
const std::string kStatusHex =
    "14 08 "           // year 20, month 8
    "FE FF FF FF "     // raw reading -2
    "56 34 12 00 "     // filtered reading 0x123456
    "42 00 00 80 "     // error bits 0x80000042
    "00 00 C0 3F "     // physical value 1.5
    "00 00 00 3E "     // output level 0.125
    "24 FA FF FF "     // displayed value -1500
    "03 02 0F 05 "     // input type, decimals, CRC-OK bits, after-write bits
    "F4 01 "           // 500 samples per second
    "02 20 "           // Pt1000 (any non-zero byte), FRAM 32 kB
    "CD 5F 01 00 "     // 90061 seconds
    "0E 0D "           // CRC-OK bits 2, after-write bits 2
    "00 00 80 BE "     // lead resistance -0.25
    "0A 02 05 03 07 "  // outputs, module kinds in / out2 / out1, keys
    "FE FF FF FF";     // main-loop frequency 4294967294

StatusRecord ExpectedStatus()
{
    StatusRecord s;
    s.uGyariSzamEv = 20;
    s.uGyariSzamHonap = 8;
    s.iADRaw = -2;
    s.iADAveraged = 0x123456;
    s.uErrorBits = 0x80000042u;
    s.fFizikaiMennyiseg = 1.5f;
    s.fKimenetSzazalek = 0.125f;
    s.iSkalazottKijezesiErtek = -1500;
    s.uInputType = 3;
    s.uDecimals = 2;
    s.uCRCOKbits = 0x0F;
    s.uAfterWriteOKbits = 0x05;
    s.uSPS = 500;
    s.bPt1000 = true;
    s.uFRAMSizeKB = 32;
    s.uSecondsOfOperation = 90061;
    s.uCRCOKbits2 = 0x0E;
    s.uAfterWriteOKbits2 = 0x0D;
    s.fResistanceOfWires = -0.25f;
    s.uDigitalOutputs = 0x0A;
    s.uQVOptIn = 2;
    s.uQVOptOut2 = 5;
    s.uQVOptOut1 = 3;
    s.uKeys = 7;
    s.uMainLoopFrequency = 4294967294u;
    return s;
}

}  // namespace

// ---- status request -----------------------------------------------------------------------

TEST(StatusRequest, NothingSetSendsFiveZeroBytes)
{
    EXPECT_EQ(RequestHex(StatusRequestInputs{}), "00 00 00 00 00");
}

TEST(StatusRequest, ControlBitsAndPwmValueLittleEndian)
{
    StatusRequestInputs in;
    in.pwmForceDown = true;
    in.currentOutputSelected = true;
    in.checkCurrentDown = true;
    in.checkVoltageDown = true;
    in.qvaoModule1Selected = true;
    in.pwmValue = 0x1234;
    EXPECT_EQ(RequestHex(in), "1F 34 12 00 00");

    // "Feszültség" selected and "#2: Fő modul" selected leave their bits 0.
    in.currentOutputSelected = false;
    in.qvaoModule1Selected = false;
    in.pwmValue = 65535;
    EXPECT_EQ(RequestHex(in), "0D FF FF 00 00");

    StatusRequestInputs one;
    one.checkVoltageDown = true;
    EXPECT_EQ(RequestHex(one), "08 00 00 00 00");
}

TEST(StatusRequest, UncalibratedOutputReleasesTheCheckButtonsInsteadOfSendingThem)
{
    StatusRequestInputs in;
    in.pwmForceDown = true;
    in.checkCurrentDown = true;
    in.lastErrorBits = status_error::UncalibratedOutput;
    auto built = BuildStatusRequest(in);
    EXPECT_EQ(RequestHex(built.request), "01 00 00 00 00");
    EXPECT_FALSE(built.buttons.checkCurrentDown);

    in.checkCurrentDown = false;
    in.checkVoltageDown = true;
    built = BuildStatusRequest(in);
    EXPECT_EQ(built.request.controlBits, 0x01);
    EXPECT_FALSE(built.buttons.checkVoltageDown);

    // Other error bits withhold nothing.
    in.lastErrorBits = ~status_error::UncalibratedOutput;
    built = BuildStatusRequest(in);
    EXPECT_EQ(built.request.controlBits, 0x09);
    EXPECT_TRUE(built.buttons.checkVoltageDown);
}

TEST(StatusRequest, ForceButtonsFollowTheDeviceOutputsWhileForcingIsOff)
{
    StatusRequestInputs in;
    in.lastDigitalOutputs = 0x05;
    in.digitalOutForceDown = {false, true, false, true};  // pressed by hand: overruled
    auto built = BuildStatusRequest(in);
    EXPECT_EQ(RequestHex(built.request), "00 00 00 00 00");
    EXPECT_EQ(built.buttons.digitalOutForceDown, (std::array<bool, 4>{true, false, true, false}));

    in.lastDigitalOutputs = 0xF8;  // only bit 3 of the four
    built = BuildStatusRequest(in);
    EXPECT_EQ(built.buttons.digitalOutForceDown, (std::array<bool, 4>{false, false, false, true}));
}

TEST(StatusRequest, ForcingSendsF0PlusThePressedButtonsAndKeepsThem)
{
    StatusRequestInputs in;
    in.digitalOutForceEngDown = true;
    in.digitalOutForceDown = {true, false, true, false};
    in.lastDigitalOutputs = 0x0A;
    auto built = BuildStatusRequest(in);
    EXPECT_EQ(RequestHex(built.request), "00 00 00 00 F5");
    EXPECT_EQ(built.buttons.digitalOutForceDown, in.digitalOutForceDown);

    in.digitalOutForceDown = {};
    EXPECT_EQ(RequestHex(in), "00 00 00 00 F0");
}

TEST(StatusRequest, RelayDialogTestUsesTheMaskAndBitOfItsSlot)
{
    StatusRequestInputs in;
    in.relayTestTicked = true;
    in.relayForceDown = true;
    in.moduleSlot = 0;  // additional: mask 0x20, output bit 1
    EXPECT_EQ(RequestHex(in), "00 00 00 00 22");

    in.digitalOutForceEngDown = true;
    in.digitalOutForceDown = {true, false, true, false};
    EXPECT_EQ(RequestHex(in), "00 00 00 00 F7");

    StatusRequestInputs main;
    main.relayTestTicked = true;
    main.moduleSlot = 1;  // main: mask 0x10, output bit 0
    main.relayForceDown = true;
    EXPECT_EQ(RequestHex(main), "00 00 00 00 11");
    main.relayForceDown = false;
    main.lastDigitalOutputs = 0x01;  // ticked: the button is not mirrored
    const auto built = BuildStatusRequest(main);
    EXPECT_EQ(RequestHex(built.request), "00 00 00 00 10");
    EXPECT_FALSE(built.buttons.relayForceDown);
}

TEST(StatusRequest, RelayDialogButtonMirrorsItsSlotsOutputWhileUnticked)
{
    StatusRequestInputs in;
    in.lastDigitalOutputs = 0x02;
    in.moduleSlot = 0;
    auto built = BuildStatusRequest(in);
    EXPECT_TRUE(built.buttons.relayForceDown);
    EXPECT_EQ(built.request.digitalOutForce, 0x00);

    in.moduleSlot = 1;
    in.relayForceDown = true;
    built = BuildStatusRequest(in);
    EXPECT_FALSE(built.buttons.relayForceDown);
}

TEST(StatusRequest, DisplayTestNumberDependsOnTheActiveModelTab)
{
    StatusRequestInputs in;
    in.displayTestDown = {false, false, true, false, true, false};
    in.qv5510TestTicked = true;
    in.testPattern = 21;

    // The test buttons lie on the factory tab: while it is shown nothing is sent.
    in.activePage = ActiveModelPage::Other;
    EXPECT_EQ(RequestHex(in), "00 00 00 00 00");

    // On the QV5530 tab the first pressed button counts ("Keret a kijelzőn", 3).
    in.activePage = ActiveModelPage::QV5530;
    EXPECT_EQ(RequestHex(in), "00 00 00 03 00");
    in.displayTestDown = {false, false, false, false, false, true};
    EXPECT_EQ(RequestHex(in), "00 00 00 06 00");

    // On the QV5510 tab the pattern goes while its box is ticked; the buttons do not count.
    in.activePage = ActiveModelPage::QV5510;
    EXPECT_EQ(RequestHex(in), "00 00 00 15 00");
    in.qv5510TestTicked = false;
    EXPECT_EQ(RequestHex(in), "00 00 00 00 00");
}

// ---- status record ------------------------------------------------------------------------

TEST(StatusRecordCodec, FiftyThreeBytesInFieldOrderBothWays)
{
    const Bytes data = FromHex(kStatusHex);
    ASSERT_EQ(data.size(), kStatusRecordSize);
    ByteReader r(data);
    EXPECT_EQ(StatusRecord::Decode(r), ExpectedStatus());
    EXPECT_EQ(r.Position(), kStatusRecordSize);

    std::array<std::uint8_t, 64> area{};
    ByteWriter w(area);
    ExpectedStatus().Encode(w);
    // The Pt1000 flag is sent as 1 whatever non-zero byte it was read from.
    Bytes expected = data;
    expected[32] = 1;
    EXPECT_EQ(Hex(w.Data()), Hex(expected));
}

TEST(StatusRecordCodec, PollExchangeCarriesTheRequestAndTheTwoSegmentReply)
{
    linktest::FakeDevice device;
    device.replyData = FromHex(kStatusHex + " AA BB");  // bytes past the record are ignored
    auto t = std::make_unique<SegmentedTransfer>();
    t->Begin(Code(Command::StatusPoll), 5530);
    StatusRequestInputs in;
    in.pwmForceDown = true;
    in.pwmValue = 32657;
    BuildStatusRequest(in).request.Encode(t->Request());
    ASSERT_EQ(linktest::Exchange(*t, device), SegmentedTransfer::StepResult::Complete);

    ASSERT_EQ(device.requests.size(), 2u);  // the reply spans two frames
    EXPECT_EQ(Hex(device.requests[0], 6, 4), "65 03 05 00");
    EXPECT_EQ(Hex(device.requests[0], mbu3::kDataOffset, 6), "01 91 7F 00 00 00");
    ByteReader reply = t->Reply();
    EXPECT_EQ(StatusRecord::Decode(reply), ExpectedStatus());
}

TEST(StatusRecordCodec, ShortReplyReadsZerosPastItsEnd)
{
    // Year, month, the raw reading and two bytes of the filtered reading.
    const Bytes data = FromHex("14 08 FE FF FF FF 56 34");
    ByteReader r(data);
    const StatusRecord s = StatusRecord::Decode(r);
    StatusRecord expected;
    expected.uGyariSzamEv = 20;
    expected.uGyariSzamHonap = 8;
    expected.iADRaw = -2;
    expected.iADAveraged = 0x3456;
    EXPECT_EQ(s, expected);

    ByteReader empty;
    EXPECT_EQ(StatusRecord::Decode(empty), StatusRecord{});
}

TEST(StatusRequestCodec, DecodeThenEncodeGivesTheSameFiveBytes)
{
    const Bytes data = FromHex("17 34 12 05 F5");
    ByteReader r(data);
    const StatusRequest s = StatusRequest::Decode(r);
    EXPECT_EQ(s, (StatusRequest{0x17, 0x1234, 5, 0xF5}));
    EXPECT_EQ(RequestHex(s), "17 34 12 05 F5");
}

// ---- identity record ----------------------------------------------------------------------

TEST(IdentityRecordCodec, ElevenBytesInFieldOrderBothWays)
{
    IdentityRecord id;
    id.uGyariSzam = 123456;
    id.uGyariSzamEv = 20;
    id.uGyariSzamHonap = 8;
    id.uDeviceType = 5530;
    id.uQVOptIn = 1;
    id.uQVOptOut2 = 3;
    id.uQVOptOut1 = 5;
    auto t = std::make_unique<SegmentedTransfer>();
    t->Begin(Code(Command::IdentityWrite), 5530);
    id.Encode(t->Request());
    ASSERT_EQ(t->TxDataLen(), kIdentityRecordSize);
    EXPECT_EQ(Hex(t->Request().Data()), "40 E2 01 00 14 08 9A 15 01 03 05");
    ByteReader r(t->Request().Data());
    EXPECT_EQ(IdentityRecord::Decode(r), id);

    // One frame, first and last, with the record at the data offset.
    ASSERT_TRUE(t->SendNextFrame());
    EXPECT_EQ(Hex(t->TxFrame, 6, 4), "01 03 0B 00");
    EXPECT_EQ(Hex(t->TxFrame, mbu3::kDataOffset, 12), "40 E2 01 00 14 08 9A 15 01 03 05 00");
}
