#pragma once
// The simulated keyboard's bootloader: bytes from the line go in, the
// replies come out, each with what the pacing and the trace need. No
// terminal and no clock of its own: the caller passes the time.

#include "serial/frames.h"
#include "sim/fault_plan.h"
#include "sim/keyboard_flash.h"
#include "sim/keyboard_options.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tarvo::sim {

// One frame received and what the keyboard does about it.
struct FrameResponse {
    serial::frames::FrameType type = serial::frames::FrameType::C0;
    int slot = -1;             // the slot the frame names, -1 for none
    std::uint32_t address = 0; // the linear address, for S2 and T0
    std::size_t requestBytes = 0;
    std::int64_t requestStartUs = 0; // when the frame's first byte arrived
    std::vector<std::uint8_t> reply; // empty: no reply
    int lateMs = 0;
    std::string note; // why the reply is not the plain answer, for the trace
};

class KeyboardSimulator {
public:
    // A frame whose bytes stop coming for this long is abandoned (a client
    // that went away mid-frame must not spoil the next one's first frame).
    static constexpr std::int64_t kPartialFrameTimeoutUs = 500000;
    // The noise a garbage fault puts before a reply.
    static constexpr std::array<std::uint8_t, 3> kNoise = {0xA5, 0x00, 0x5A};

    KeyboardSimulator(const KeyboardOptions& options, KeyboardFlash& flash, FaultPlan faults = {});

    // Bytes that arrived at nowUs while the client's line ran at lineBaud.
    // At any other speed than the keyboard's the bytes are noise to it.
    std::vector<FrameResponse> receive(std::span<const std::uint8_t> bytes, std::int64_t nowUs, int lineBaud);
    // The client closed the line: any partial frame is forgotten.
    void discardPartialFrame();

    // True when a slot changed state (erased or ended) since the last call:
    // the flash file is worth saving now.
    bool takeStateChange();
    int selectedSlot() const { return m_selectedSlot; }

private:
    FrameResponse handle(const serial::frames::ParsedFrame& frame);
    std::vector<std::uint8_t> answerC1(const serial::frames::ParsedFrame& frame, FrameResponse& response);
    std::vector<std::uint8_t> answerS2(const serial::frames::ParsedFrame& frame, FrameResponse& response,
                                       bool flipBit);
    std::vector<std::uint8_t> answerS8(FrameResponse& response);
    std::vector<std::uint8_t> answerT0(const serial::frames::ParsedFrame& frame, FrameResponse& response);

    KeyboardOptions m_options;
    KeyboardFlash& m_flash;
    FaultPlan m_faults;
    std::vector<std::uint8_t> m_pending;
    std::int64_t m_pendingStartUs = 0;
    std::int64_t m_lastByteUs = 0;
    int m_selectedSlot = -1;
    bool m_stateChanged = false;
};

} // namespace tarvo::sim
