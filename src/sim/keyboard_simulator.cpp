#include "sim/keyboard_simulator.h"

namespace tarvo::sim {
namespace {

using serial::frames::FrameType;
using serial::frames::ParsedFrame;
using serial::frames::ParseStatus;
using serial::frames::StatusReply;

constexpr std::size_t kBlockBytes = serial::frames::kBlockDataBytes;

std::vector<std::uint8_t> status(StatusReply s)
{
    return serial::frames::buildStatusReply(s);
}

// Breaks what the client checks first: the check byte of a data reply, the
// signature of the others.
void corruptReply(FrameType type, bool paged, std::vector<std::uint8_t>& reply)
{
    if (reply.empty())
        return;
    if (type == FrameType::T0 && !paged && reply.size() == serial::frames::kDataReplyBytes)
        reply.back() ^= 0x01;
    else if (type == FrameType::T0 && paged && reply.size() == serial::frames::kDumpLineBytes)
        reply[8] = '?';
    else
        reply.front() ^= 0x20;
}

} // namespace

KeyboardSimulator::KeyboardSimulator(const KeyboardOptions& options, KeyboardFlash& flash, FaultPlan faults)
    : m_options(options), m_flash(flash), m_faults(std::move(faults))
{
}

std::vector<FrameResponse> KeyboardSimulator::receive(std::span<const std::uint8_t> bytes, std::int64_t nowUs,
                                                      int lineBaud)
{
    std::vector<FrameResponse> responses;
    if (lineBaud != m_options.baud) {
        m_pending.clear();
        return responses;
    }
    if (!m_pending.empty() && nowUs - m_lastByteUs > kPartialFrameTimeoutUs)
        m_pending.clear();
    if (bytes.empty())
        return responses;
    if (m_pending.empty())
        m_pendingStartUs = nowUs;
    m_lastByteUs = nowUs;
    m_pending.insert(m_pending.end(), bytes.begin(), bytes.end());

    std::size_t consumed = 0;
    while (consumed < m_pending.size()) {
        ParsedFrame frame;
        const auto rest = std::span<const std::uint8_t>(m_pending).subspan(consumed);
        const ParseStatus parse = serial::frames::parseFrame(rest, frame);
        if (parse == ParseStatus::NeedMore)
            break;
        if (parse == ParseStatus::Invalid) {
            ++consumed; // not a frame start: look for the next one
            continue;
        }
        FrameResponse response = handle(frame);
        response.requestBytes = frame.size;
        response.requestStartUs = m_pendingStartUs;
        responses.push_back(std::move(response));
        consumed += frame.size;
        // Later frames in the same chunk arrived with it.
        m_pendingStartUs = nowUs;
    }
    m_pending.erase(m_pending.begin(), m_pending.begin() + static_cast<std::ptrdiff_t>(consumed));
    return responses;
}

void KeyboardSimulator::discardPartialFrame()
{
    m_pending.clear();
}

bool KeyboardSimulator::takeStateChange()
{
    const bool changed = m_stateChanged;
    m_stateChanged = false;
    return changed;
}

FrameResponse KeyboardSimulator::handle(const ParsedFrame& frame)
{
    FrameResponse response;
    response.type = frame.type;
    const FaultDecision fault = m_faults.onFrame(frame.type);
    if (fault.silent) {
        response.note = "no reply (fault)";
        return response;
    }
    if (fault.replaceWith) {
        response.reply = status(*fault.replaceWith);
        response.note = "fault reply";
    } else if (!frame.checkValid) {
        response.reply = status(StatusReply::CE);
        response.note = "check byte wrong";
    } else {
        switch (frame.type) {
        case FrameType::C0:
            response.reply = serial::frames::buildBannerReply();
            break;
        case FrameType::C1:
            response.reply = answerC1(frame, response);
            break;
        case FrameType::S2:
            response.reply = answerS2(frame, response, fault.flipBit);
            break;
        case FrameType::S8:
            response.reply = answerS8(response);
            break;
        case FrameType::T0:
            response.reply = answerT0(frame, response);
            break;
        case FrameType::T7:
            response.reply = serial::frames::buildKeyboardIdReply(m_options.keyboardId());
            break;
        }
    }
    if (fault.corrupt) {
        corruptReply(frame.type, m_options.pagedAddresses(), response.reply);
        response.note = "corrupted (fault)";
    }
    response.lateMs = fault.lateMs;
    if (m_faults.onReply()) {
        response.reply.insert(response.reply.begin(), kNoise.begin(), kNoise.end());
        response.note += response.note.empty() ? "noise first (fault)" : ", noise first (fault)";
    }
    return response;
}

std::vector<std::uint8_t> KeyboardSimulator::answerC1(const ParsedFrame& frame, FrameResponse& response)
{
    response.slot = frame.slot;
    if (!frame.selectBytesValid || frame.slot >= m_options.slotCount()) {
        response.note = frame.selectBytesValid ? "no such slot" : "select bytes wrong";
        return status(StatusReply::FE);
    }
    m_flash.erase(frame.slot);
    m_selectedSlot = frame.slot;
    m_stateChanged = true;
    return status(StatusReply::OK);
}

std::vector<std::uint8_t> KeyboardSimulator::answerS2(const ParsedFrame& frame, FrameResponse& response,
                                                      bool flipBit)
{
    response.address = frame.address;
    response.slot = static_cast<int>(frame.address >> 16);
    const std::uint32_t offset = frame.address & 0xFFFF;
    if (m_selectedSlot < 0 || response.slot != m_selectedSlot ||
        offset + kBlockBytes > KeyboardFlash::kSlotBytes) {
        response.note = m_selectedSlot < 0 ? "no slot selected" : "outside the selected slot";
        return status(StatusReply::FE);
    }
    std::array<std::uint8_t, kBlockBytes> data = frame.data;
    if (flipBit) {
        data[0] ^= 0x01;
        response.note = "stored with a bit changed (fault)";
    }
    m_flash.program(frame.address, data);
    return status(StatusReply::OK);
}

std::vector<std::uint8_t> KeyboardSimulator::answerS8(FrameResponse& response)
{
    response.slot = m_selectedSlot;
    if (m_selectedSlot < 0) {
        response.note = "no slot selected";
        return status(StatusReply::FE);
    }
    m_flash.markComplete(m_selectedSlot);
    m_selectedSlot = -1;
    m_stateChanged = true;
    return status(StatusReply::OK);
}

std::vector<std::uint8_t> KeyboardSimulator::answerT0(const ParsedFrame& frame, FrameResponse& response)
{
    const auto a2 = static_cast<std::uint8_t>(frame.address >> 16);
    const auto a1 = static_cast<std::uint8_t>(frame.address >> 8);
    const auto a0 = static_cast<std::uint8_t>(frame.address);
    std::uint32_t linear = frame.address;
    if (m_options.pagedAddresses()) {
        std::uint8_t slot = 0;
        int block = 0;
        if (!serial::frames::pagedAddressToBlock(a2, a1, a0, slot, block)) {
            response.note = "not a paged address";
            return status(StatusReply::FE);
        }
        linear = serial::frames::blockAddress(slot, block) | (a0 & 0x0Fu);
    }
    response.address = linear;
    response.slot = static_cast<int>(linear >> 16);
    if (response.slot >= m_options.slotCount() ||
        (linear & 0xFFFF) + kBlockBytes > KeyboardFlash::kSlotBytes) {
        response.note = "no such address";
        return status(StatusReply::FE);
    }
    std::array<std::uint8_t, kBlockBytes> data{};
    const auto bytes = m_flash.bytes(linear, kBlockBytes);
    std::copy(bytes.begin(), bytes.end(), data.begin());
    if (m_options.pagedAddresses())
        return serial::frames::buildDumpLine(a2, a1, a0, data);
    return serial::frames::buildDataReply(data);
}

} // namespace tarvo::sim
