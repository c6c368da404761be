#pragma once
// A keyboard at the far end of a fake serial line: it answers each frame the
// session sends after a chosen delay on the fake clock, only at its own line
// speed, and can be told to stay silent, answer wrongly, or fail the line.

#include "fake_host.h"
#include "serial/frames.h"
#include "serial/serial_port.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <vector>

namespace tarvo::transfer::testing {

// Image bytes 0-335 of a slot: everything the identifying blocks cover.
using SlotHead = std::array<std::uint8_t, 336>;

class ScriptedKeyboard final : public serial::SerialPort {
public:
    struct SentFrame {
        serial::frames::FrameType type;
        std::uint32_t address;
        int baudRate;
        std::int64_t atMs;
    };

    explicit ScriptedKeyboard(FakeHost& host) : m_host(host)
    {
        id.bytes = {'K', 'B', 0, 1, 2, 3, 2, serial::kKeyboardTypeOmnia, 1, 1, 1, 94, 0, 0, 4, 3};
        for (auto& slot : slots)
            slot.fill(0xFF);
    }

    // The keyboard's side.
    int baudRate = 19200;
    serial::KeyboardId id;
    std::array<SlotHead, 13> slots{};
    // A slot's whole image; when set, T0 reads it instead of the slot's head.
    // Past a head holding a table, a slot without one reads zero, as a whole table.
    std::array<std::vector<std::uint8_t>, 13> flash{};
    // Sees each T0 (numbered from 1) with the reply about to go out and may
    // change it; an emptied reply is never sent.
    std::function<void(std::size_t t0Number, serial::frames::Reply& reply)> t0Fault;
    // Faults of the frames that get a status reply (C1, S2, S8): the nth
    // frame of its type (numbered from 1) gets no reply, "CE" or "FE"
    // (and is not carried out), or its reply after kLateReplyMs.
    enum class Fault { Drop, CE, FE, Late };
    struct FaultAt {
        serial::frames::FrameType type;
        std::size_t nth;
        Fault fault;
    };
    static constexpr int kLateReplyMs = 7500;
    std::vector<FaultAt> faults;
    // Erases (C1) and block writes (S2) carried out, per slot.
    std::array<int, 13> erases{};
    std::array<int, 13> blockWrites{};
    int replyDelayMs = 20;
    std::map<serial::frames::FrameType, int> delayFor;
    std::map<serial::frames::FrameType, serial::frames::Reply> replyFor;
    std::set<serial::frames::FrameType> silentFor;
    bool openFails = false;
    bool writeFails = false;
    bool lineUnsupported = false;

    // What the session did.
    std::vector<SentFrame> frames;
    std::vector<int> openedAtBaud;

    // The line reports a fault now (a serial comm_event value).
    void failLine(int controlEvent)
    {
        if (m_listener)
            m_listener->onPortFailed(controlEvent, u"line fault");
    }

    void setListener(Listener* listener) override { m_listener = listener; }

    bool open(int, const serial::LineSettings& line, serial::Handshaking, bool, bool,
              std::u16string& error) override
    {
        if (openFails) {
            error = u"/dev/fake: No such file or directory";
            return false;
        }
        m_open = true;
        m_line = line;
        m_waiting.clear();
        ++m_session;
        openedAtBaud.push_back(line.baudRate);
        return true;
    }
    void close() override
    {
        m_open = false;
        m_waiting.clear();
        ++m_session;
    }
    bool isOpen() const override { return m_open; }
    bool supportsLine(const serial::LineSettings&, std::u16string& error) const override
    {
        if (lineUnsupported)
            error = u"unsupported line";
        return !lineUnsupported;
    }
    bool applyLine(const serial::LineSettings& line, std::u16string&) override
    {
        m_line = line;
        return true;
    }
    bool applyHandshaking(serial::Handshaking, std::u16string&) override { return true; }
    void setRts(bool) override {}
    void setDtr(bool) override {}

    bool write(std::span<const std::uint8_t> bytes, std::u16string& error) override
    {
        if (writeFails) {
            error = u"write failed";
            return false;
        }
        m_input.insert(m_input.end(), bytes.begin(), bytes.end());
        for (;;) {
            serial::frames::ParsedFrame frame;
            const auto status = serial::frames::parseFrame(m_input, frame);
            if (status == serial::frames::ParseStatus::NeedMore)
                break;
            if (status == serial::frames::ParseStatus::Invalid) {
                m_input.erase(m_input.begin());
                continue;
            }
            m_input.erase(m_input.begin(), m_input.begin() + static_cast<std::ptrdiff_t>(frame.size));
            answer(frame);
        }
        return true;
    }
    std::size_t bytesWaiting() const override { return m_waiting.size(); }
    std::size_t bytesToSend() const override { return 0; }
    bool read(std::size_t maxBytes, std::vector<std::uint8_t>& out, std::u16string&) override
    {
        const std::size_t n = std::min(maxBytes, m_waiting.size());
        out.insert(out.end(), m_waiting.begin(), m_waiting.begin() + static_cast<std::ptrdiff_t>(n));
        m_waiting.erase(m_waiting.begin(), m_waiting.begin() + static_cast<std::ptrdiff_t>(n));
        return true;
    }
    std::string devicePath(int portNumber) const override { return "/dev/fake" + std::to_string(portNumber); }

    std::size_t countOf(serial::frames::FrameType type) const
    {
        std::size_t n = 0;
        for (const auto& f : frames)
            n += f.type == type ? 1 : 0;
        return n;
    }

private:
    void answer(const serial::frames::ParsedFrame& frame)
    {
        using serial::frames::FrameType;
        frames.push_back({frame.type, frame.address, m_line.baudRate, m_host.nowMs()});
        if (m_line.baudRate != baudRate || silentFor.count(frame.type))
            return;
        const std::optional<Fault> fault = faultFor(frame.type);
        const bool refused = fault == Fault::CE || fault == Fault::FE;
        if (!refused)
            carryOut(frame);
        if (fault == Fault::Drop)
            return;
        serial::frames::Reply reply;
        if (const auto it = replyFor.find(frame.type); it != replyFor.end())
            reply = it->second;
        else
            reply = normalReply(frame);
        if (frame.type == FrameType::T0 && t0Fault) {
            t0Fault(++m_t0Answered, reply);
            if (reply.empty())
                return;
        }
        auto delay = delayFor.count(frame.type) ? delayFor[frame.type] : replyDelayMs;
        if (refused)
            reply = serial::frames::buildStatusReply(fault == Fault::CE ? serial::frames::StatusReply::CE
                                                                        : serial::frames::StatusReply::FE);
        if (fault == Fault::Late)
            delay = kLateReplyMs;
        m_host.runAfter(delay, [this, reply, session = m_session] {
            if (!m_open || session != m_session)
                return;
            m_waiting.insert(m_waiting.end(), reply.begin(), reply.end());
            if (m_listener)
                m_listener->onBytesArrived();
        });
    }

    std::optional<Fault> faultFor(serial::frames::FrameType type)
    {
        const std::size_t number = ++m_answeredOfType[type];
        for (const auto& f : faults) {
            if (f.type == type && f.nth == number)
                return f.fault;
        }
        return std::nullopt;
    }

    // What the frame does to the flash: C1 erases the slot, S2 stores a block.
    void carryOut(const serial::frames::ParsedFrame& frame)
    {
        using serial::frames::FrameType;
        constexpr std::size_t kSlotBytes = 65536;
        if (frame.type == FrameType::C1 && frame.slot < flash.size()) {
            flash[frame.slot].assign(kSlotBytes, 0xFF);
            ++erases[frame.slot];
        } else if (frame.type == FrameType::S2) {
            const std::size_t slot = frame.address >> 16;
            const std::size_t offset = frame.address & 0xFFFF;
            if (slot < flash.size() && offset + frame.data.size() <= flash[slot].size()) {
                std::copy(frame.data.begin(), frame.data.end(),
                          flash[slot].begin() + static_cast<std::ptrdiff_t>(offset));
                ++blockWrites[slot];
            }
        }
    }

    serial::frames::Reply normalReply(const serial::frames::ParsedFrame& frame) const
    {
        using namespace serial::frames;
        switch (frame.type) {
        case FrameType::C0:
            return buildBannerReply();
        case FrameType::T7:
            return buildKeyboardIdReply(id);
        case FrameType::T0: {
            const auto a2 = static_cast<std::uint8_t>(frame.address >> 16);
            const auto a1 = static_cast<std::uint8_t>(frame.address >> 8);
            const auto a0 = static_cast<std::uint8_t>(frame.address);
            const bool paged = id.addressModeForBootloader() == kAddressModePaged;
            std::uint8_t slot = a2;
            int block = (a1 << 4) | (a0 >> 4);
            if (paged && !pagedAddressToBlock(a2, a1, a0, slot, block))
                return buildStatusReply(StatusReply::FE);
            std::array<std::uint8_t, kBlockDataBytes> data{};
            data.fill(0xFF);
            const std::size_t offset = static_cast<std::size_t>(block) * kBlockDataBytes;
            if (slot < flash.size() && offset + kBlockDataBytes <= flash[slot].size())
                std::copy_n(flash[slot].begin() + static_cast<std::ptrdiff_t>(offset), kBlockDataBytes,
                            data.begin());
            else if (slot < slots.size() && offset + kBlockDataBytes <= slots[slot].size())
                std::copy_n(slots[slot].begin() + static_cast<std::ptrdiff_t>(offset), kBlockDataBytes,
                            data.begin());
            else if (slot < slots.size() && slots[slot][0] != 0x00 && slots[slot][0] != 0xFF)
                data.fill(0x00); // the rest of a whole table, zero as a new table starts
            return paged ? buildDumpLine(a2, a1, a0, data) : buildDataReply(data);
        }
        default:
            return buildStatusReply(StatusReply::OK);
        }
    }

    FakeHost& m_host;
    Listener* m_listener = nullptr;
    bool m_open = false;
    int m_session = 0;
    std::size_t m_t0Answered = 0;
    std::map<serial::frames::FrameType, std::size_t> m_answeredOfType;
    serial::LineSettings m_line;
    std::vector<std::uint8_t> m_input;
    std::vector<std::uint8_t> m_waiting;
};

} // namespace tarvo::transfer::testing
