#pragma once
// Faults injected into the simulated keyboard's answers, several at once.
// Frames are counted from 1, per type ("the 3rd S2") or, for garbage and
// stop, over all frames and replies.

#include "serial/frames.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvo::sim {

enum class FaultKind {
    Drop,     // drop:FRAME:N      the frame is lost: no reply, not carried out
    Corrupt,  // corrupt:FRAME:N   the reply's check is broken
    Late,     // late:FRAME:N:MS   the reply comes MS milliseconds later
    AnswerCE, // ce:FRAME:N        "CE" instead of the reply, not carried out
    AnswerFE, // fe:FRAME:N        "FE" instead of the reply, not carried out
    Garbage,  // garbage:N         noise bytes before the N-th reply
    Flip,     // flip:S2:N         "OK", but the block is stored with one bit changed
    Stop,     // stop:N            silent after N frames
};

struct FaultSpec {
    FaultKind kind = FaultKind::Drop;
    std::optional<serial::frames::FrameType> frame; // for the per-frame kinds
    int count = 1;                                  // N
    int lateMs = 0;                                 // MS
};

inline constexpr int kMaxLateMs = 600000;

// Parses one --fault argument; false with a reason for a malformed one.
bool parseFaultSpec(const std::string& text, FaultSpec& out, std::string& error);
// The --help lines that describe the fault kinds.
const char* faultHelpText();

const char* frameTypeName(serial::frames::FrameType type);
bool parseFrameTypeName(const std::string& text, serial::frames::FrameType& out);

// What the faults make of one frame.
struct FaultDecision {
    bool silent = false;                                    // drop or stop: no reply, not carried out
    std::optional<serial::frames::StatusReply> replaceWith; // ce / fe
    bool corrupt = false;
    bool flipBit = false;
    int lateMs = 0;
};

class FaultPlan {
public:
    FaultPlan() = default;
    explicit FaultPlan(std::vector<FaultSpec> specs) : m_specs(std::move(specs)) {}

    // Counts the frame and decides its fate.
    FaultDecision onFrame(serial::frames::FrameType type);
    // Counts a reply about to be sent; true when noise goes before it.
    bool onReply();

private:
    std::vector<FaultSpec> m_specs;
    std::array<int, 6> m_framesByType{};
    int m_frames = 0;
    int m_replies = 0;
};

} // namespace tarvo::sim
