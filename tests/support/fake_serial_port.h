#pragma once
// A scripted serial device for tests: what was written is recorded, replies
// come from a queue or a responder, and arrive only when the test pumps them
// (as bytes arrive from the event loop in the programs, never inside the
// write that caused them). Replies can be split into chunks, withheld
// (silence), mixed with noise; writes and opens can fail and the device can
// vanish. Every configuring call is logged in order, and applying the line
// or the handshaking can be made to fail.

#include "serial/comm_settings_tables.h"
#include "serial/serial_port.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace tarvo::serial::testing {

using Bytes = std::vector<std::uint8_t>;
using Chunks = std::vector<Bytes>;

inline Bytes bytesOf(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

// Cuts bytes into chunks of at most chunkBytes.
inline Chunks splitEvery(std::span<const std::uint8_t> bytes, std::size_t chunkBytes)
{
    Chunks chunks;
    for (std::size_t at = 0; at < bytes.size(); at += chunkBytes)
        chunks.emplace_back(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                            bytes.begin() +
                                static_cast<std::ptrdiff_t>(std::min(bytes.size(), at + chunkBytes)));
    return chunks;
}

class FakeSerialPort final : public SerialPort {
public:
    // Answers a write with chunks to deliver (none: silence).
    using Responder = std::function<Chunks(std::span<const std::uint8_t> written)>;

    // --- Scripting ---------------------------------------------------------
    // The next write is answered with these chunks (queued replies are used
    // before the responder).
    void queueReply(Chunks chunks) { m_queued.push_back(std::move(chunks)); }
    void queueReply(const Bytes& reply) { m_queued.push_back(Chunks{reply}); }
    void setResponder(Responder responder) { m_responder = std::move(responder); }
    // Bytes that arrive at once, whatever was written (noise, late replies).
    void arrive(std::span<const std::uint8_t> bytes)
    {
        m_waiting.insert(m_waiting.end(), bytes.begin(), bytes.end());
        if (m_listener)
            m_listener->onBytesArrived();
    }
    // Delivers every pending chunk, one arrival each; false when none was
    // pending.
    bool deliverPending()
    {
        if (m_pending.empty())
            return false;
        while (!m_pending.empty() && m_open) {
            Bytes chunk = std::move(m_pending.front());
            m_pending.pop_front();
            arrive(chunk);
        }
        return true;
    }
    std::size_t pendingChunks() const { return m_pending.size(); }

    void failWrites(bool fail) { m_failWrites = fail; }
    void failReads(bool fail) { m_failReads = fail; }
    // The next open fails with this message (empty: opens succeed).
    void failOpen(std::u16string message) { m_openFailure = std::move(message); }
    // The device goes away: closed, and the listener is told.
    void vanish()
    {
        m_open = false;
        m_waiting.clear();
        m_pending.clear();
        if (m_listener)
            m_listener->onPortFailed(comm_event::kDeviceLost, u"The serial port vanished.");
    }
    // The line settings supportsLine refuses, as the platform does.
    bool refuseFourDataBitsAndOneAndHalfStop = true;
    // "line" or "handshaking": applying it fails with failureText.
    std::string failingApply;
    std::u16string failureText = u"the device refused it";

    // --- What happened -----------------------------------------------------
    std::vector<Bytes> written;
    // The configuring calls in order, one line each ("open 3",
    // "line 19200,N,8,1", "handshaking 2", "rts 1", "dtr 0").
    std::vector<std::string> calls;
    int openCount = 0;
    int openedPortNumber = 0;
    LineSettings line{};
    int appliedLineCount = 0;
    Handshaking handshaking = Handshaking::None;
    bool rts = false;
    bool dtr = false;
    std::size_t waitingBytes() const { return m_waiting.size(); }

    // --- SerialPort --------------------------------------------------------
    void setListener(Listener* listener) override { m_listener = listener; }
    bool open(int portNumber, const LineSettings& l, Handshaking h, bool r, bool d,
              std::u16string& error) override
    {
        calls.push_back("open " + std::to_string(portNumber));
        if (!m_openFailure.empty()) {
            error = m_openFailure;
            return false;
        }
        if (!supportsLine(l, error))
            return false;
        m_open = true;
        ++openCount;
        openedPortNumber = portNumber;
        line = l;
        handshaking = h;
        rts = r;
        dtr = d;
        return true;
    }
    void close() override
    {
        m_open = false;
        m_waiting.clear();
        m_pending.clear();
    }
    bool isOpen() const override { return m_open; }
    bool supportsLine(const LineSettings& l, std::u16string& error) const override
    {
        if (refuseFourDataBitsAndOneAndHalfStop &&
            (l.dataBits == 4 || l.stopBits == StopBits::OnePointFive)) {
            error = u"not supported by the fake port";
            return false;
        }
        return true;
    }
    bool applyLine(const LineSettings& l, std::u16string& error) override
    {
        calls.push_back("line " + narrow(settingsText(l)));
        if (refused("line", error) || !supportsLine(l, error))
            return false;
        line = l;
        ++appliedLineCount;
        return true;
    }
    bool applyHandshaking(Handshaking h, std::u16string& error) override
    {
        calls.push_back("handshaking " + std::to_string(static_cast<int>(h)));
        if (refused("handshaking", error))
            return false;
        handshaking = h;
        return true;
    }
    void setRts(bool on) override
    {
        calls.push_back(on ? "rts 1" : "rts 0");
        rts = on;
    }
    void setDtr(bool on) override
    {
        calls.push_back(on ? "dtr 1" : "dtr 0");
        dtr = on;
    }
    bool write(std::span<const std::uint8_t> bytes, std::u16string& error) override
    {
        if (!m_open || m_failWrites) {
            error = u"The fake port refused the write.";
            return false;
        }
        written.emplace_back(bytes.begin(), bytes.end());
        Chunks reply;
        if (!m_queued.empty()) {
            reply = std::move(m_queued.front());
            m_queued.pop_front();
        } else if (m_responder) {
            reply = m_responder(bytes);
        }
        for (Bytes& chunk : reply)
            m_pending.push_back(std::move(chunk));
        return true;
    }
    std::size_t bytesWaiting() const override { return m_waiting.size(); }
    std::size_t bytesToSend() const override { return 0; }
    bool read(std::size_t maxBytes, std::vector<std::uint8_t>& out, std::u16string& error) override
    {
        if (m_failReads) {
            error = u"The fake port refused the read.";
            return false;
        }
        const std::size_t n = std::min(maxBytes, m_waiting.size());
        out.insert(out.end(), m_waiting.begin(), m_waiting.begin() + static_cast<std::ptrdiff_t>(n));
        m_waiting.erase(m_waiting.begin(), m_waiting.begin() + static_cast<std::ptrdiff_t>(n));
        return true;
    }
    std::string devicePath(int portNumber) const override { return "/dev/fake" + std::to_string(portNumber); }

private:
    bool refused(const std::string& kind, std::u16string& error) const
    {
        if (failingApply != kind)
            return false;
        error = failureText;
        return true;
    }
    // The settings texts are ASCII.
    static std::string narrow(const std::u16string& text) { return std::string(text.begin(), text.end()); }

    Listener* m_listener = nullptr;
    bool m_open = false;
    bool m_failWrites = false;
    bool m_failReads = false;
    std::u16string m_openFailure;
    Bytes m_waiting;
    std::deque<Bytes> m_pending;
    std::deque<Chunks> m_queued;
    Responder m_responder;
};

} // namespace tarvo::serial::testing
