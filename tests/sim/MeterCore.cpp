#include "MeterCore.h"

#include "korvel/link/CommandTable.h"

#include <algorithm>
#include <bit>
#include <utility>

using namespace qs;
using namespace korvel;
using namespace ombrik;

using namespace mbu3;

MeterCore::MeterCore()
{
    setHandler(Code(Command::StatusPoll), [this](const std::vector<std::uint8_t>& request) {
        lastStatusRequest = request;
        return Reply{0, EncodeStatusRecord(status)};
    });
}

MeterCore::~MeterCore() = default;

std::vector<std::uint8_t> MeterCore::EncodeStatusRecord(const StatusRecord& r)
{
    std::vector<std::uint8_t> out;
    auto u8 = [&](std::uint8_t v) { out.push_back(v); };
    auto u16 = [&](std::uint16_t v) {
        u8(static_cast<std::uint8_t>(v));
        u8(static_cast<std::uint8_t>(v >> 8));
    };
    auto u32 = [&](std::uint32_t v) {
        u16(static_cast<std::uint16_t>(v));
        u16(static_cast<std::uint16_t>(v >> 16));
    };
    auto f32 = [&](float v) { u32(std::bit_cast<std::uint32_t>(v)); };
    u8(r.uGyariSzamEv);
    u8(r.uGyariSzamHonap);
    u32(static_cast<std::uint32_t>(r.iADRaw));
    u32(static_cast<std::uint32_t>(r.iADAveraged));
    u32(r.uErrorBits);
    f32(r.fFizikaiMennyiseg);
    f32(r.fKimenetSzazalek);
    u32(static_cast<std::uint32_t>(r.iSkalazottKijezesiErtek));
    u8(r.uInputType);
    u8(r.uDecimals);
    u8(r.uCRCOKbits);
    u8(r.uAfterWriteOKbits);
    u16(r.uSPS);
    u8(r.bPt1000 ? 1 : 0);
    u8(r.uFRAMSizeKB);
    u32(r.uSecondsOfOperation);
    u8(r.uCRCOKbits2);
    u8(r.uAfterWriteOKbits2);
    f32(r.fResistanceOfWires);
    u8(r.uDigitalOutputs);
    u8(r.uQVOptIn);
    u8(r.uQVOptOut2);
    u8(r.uQVOptOut1);
    u8(r.uKeys);
    u32(r.uMainLoopFrequency);
    return out;
}
void MeterCore::setHandler(std::uint8_t command, Handler handler)
{
    handlers_[command] = std::move(handler);
}

void MeterCore::setReplyData(std::uint8_t command, std::vector<std::uint8_t> data)
{
    setHandler(command, [data = std::move(data)](const std::vector<std::uint8_t>&) {
        return Reply{0, data};
    });
}

void MeterCore::failNextReplies(std::uint8_t errorCode, int n)
{
    for (int i = 0; i < n; ++i)
        failures_.push_back(errorCode);
}

std::vector<std::uint8_t> MeterCore::commandsSeen() const
{
    std::vector<std::uint8_t> codes;
    for (const Request& r : requests_)
        codes.push_back(r.command);
    return codes;
}

Frame MeterCore::replyHeader(std::uint8_t command, std::uint8_t error) const
{
    Frame f{};
    Put16(f, off::DeviceType, deviceType);
    Put16(f, off::Firmware, firmware);
    f[off::ErrorCode] = error;
    f[off::Command] = command;
    Put32(f, off::HostOrDeviceId, deviceId);
    return f;
}

Frame MeterCore::segmentReply(std::uint8_t command, std::uint16_t offset)
{
    Frame f = replyHeader(command, 0);
    Put16(f, off::TotalLength, replyAnnounced_);
    Put16(f, off::SegmentOffset, offset);
    if (segmentsAtOffsetZero) {
        Put16(f, off::TotalLength, static_cast<std::uint16_t>(replyAnnounced_ + kSegmentSize));
        Put16(f, off::SegmentOffset, 0);
    }
    for (std::size_t i = 0; i < kSegmentSize && offset + i < replyData_.size(); ++i)
        f[kDataOffset + i] = replyData_[offset + i];
    return f;
}

void MeterCore::handleFrame(const Frame& frame)
{
    if (mbuProtocol_) {
        handleMbuFrame(frame);
        return;
    }
    const std::uint8_t command = frame[off::Command];
    Frame check = frame;
    if (!CheckCRC(check)) {
        sendReply(replyHeader(command, ErrCrc));
        return;
    }
    if (!failures_.empty()) {
        const std::uint8_t code = failures_.front();
        failures_.pop_front();
        sendReply(replyHeader(command, code));
        return;
    }
    const std::uint8_t flags = frame[off::Flags];
    const std::uint16_t total = Get16(frame, off::TotalLength);
    const std::uint16_t offset = Get16(frame, off::SegmentOffset);

    if (flags == kFlagAskReply) {
        sendReply(segmentReply(command, offset));
        return;
    }
    if (flags & kFlagFirst) {
        rxCommand_ = command;
        rxTotal_ = total;
        rxData_.assign(total, 0);
        requestedType_ = Get16(frame, off::DeviceType);
    }
    if (total > rxCapacity) {
        sendReply(replyHeader(command, ErrBufferFull));
        return;
    }
    for (std::size_t i = 0; i < kSegmentSize && offset + i < rxData_.size(); ++i)
        rxData_[offset + i] = frame[kDataOffset + i];
    if (!(flags & kFlagLast)) {
        // Segment acknowledged with the count of request bytes received so far.
        Frame ack = replyHeader(command, 0);
        Put16(ack, off::SegmentOffset,
              static_cast<std::uint16_t>(std::min<std::size_t>(offset + kSegmentSize, total)));
        sendReply(ack);
        return;
    }

    const std::uint16_t lowest = Get16(frame, off::VersionMin);
    const std::uint16_t highest = Get16(frame, off::VersionMax);
    std::uint8_t error = 0;
    if (checkRequestedType && requestedType_ != 0 && requestedType_ != deviceType)
        error = ErrDevice;
    else if (firmware > highest)
        error = ErrProgramOld;
    else if (firmware < lowest)
        error = ErrProgramNew;
    if (error != 0) {
        sendReply(replyHeader(command, error));
        return;
    }
    requests_.push_back({rxCommand_, requestedType_, rxData_});
    auto it = handlers_.find(rxCommand_);
    Reply reply = it != handlers_.end() ? it->second(rxData_) : Reply{ErrCommand, {}};
    if (reply.error != 0) {
        sendReply(replyHeader(command, reply.error));
        return;
    }
    replyData_ = std::move(reply.data);
    replyAnnounced_ = static_cast<std::uint16_t>(std::min<std::size_t>(replyData_.size(), 0xFFFF));
    if (announce_) {
        replyAnnounced_ = *announce_;
        announce_.reset();
    }
    sendReply(segmentReply(command, 0));
}

void MeterCore::releaseHeldReply()
{
    if (const std::optional<Frame> reply = std::exchange(held_, std::nullopt))
        sendFrame(*reply);
}

void MeterCore::clearLog()
{
    frames_.clear();
    requests_.clear();
}

void MeterCore::receiveFrame(const Frame& frame)
{
    frames_.push_back(frame);
    handleFrame(frame);
}

void MeterCore::resetLink()
{
    rxData_.clear();
    replyData_.clear();
}

void MeterCore::sendReply(Frame reply)
{
    reply[off::Counter] = counter_;
    SetCRC(reply);
    if (holdNext_) {
        holdNext_ = false;
        held_ = reply;
        ++counter_;
        return;
    }
    if (drop_ > 0) {
        --drop_;
        return;
    }
    if (corrupt_ > 0) {
        --corrupt_;
        reply[kCrcOffset] ^= 0x5A;
    }
    ++counter_;
    sendFrame(reply);
}
