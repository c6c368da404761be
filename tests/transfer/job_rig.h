#pragma once
// A transfer job's surroundings for tests: the session rig (fake clock,
// scripted keyboard, port) with a listener that records what the job tells
// its front end and answers its questions as a test says, and a line speed
// memory held in a map.

#include "session_rig.h"
#include "transfer/interrupted_writes.h"
#include "transfer/job_listener.h"
#include "transfer/line_speed.h"
#include "transfer/transfer_job.h"

#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace tarvo::transfer::testing {

class RecordingJobListener final : public JobListener {
public:
    void stageStarted(JobStage stage) override
    {
        stages.push_back(stage);
        if (onStage)
            onStage(stage);
    }
    void progress(const BlockProgress& p) override
    {
        progressEvents.push_back(p);
        if (onProgress)
            onProgress(p);
    }
    void slotDone(int slot, SlotOutcome outcome) override { outcomes.emplace_back(slot, outcome); }
    void slotImage(int slot, std::span<const std::uint8_t> image) override
    {
        images.emplace_back(slot, std::vector<std::uint8_t>(image.begin(), image.end()));
        if (onImage)
            onImage(slot);
    }
    void notice(const messages::Message& text) override
    {
        notices.push_back(templates::utf16ToUtf8(text.text()));
    }
    void slotRecovery(int slot, Recovery recovery) override { recoveries.emplace_back(slot, recovery); }
    void tableNotWritten(int table, int, const std::vector<int>& blankSlots) override
    {
        notWritten.emplace_back(table, blankSlots);
    }
    void slotChoiceNeeded() override
    {
        ++choicesAsked;
        if (onChoice)
            onChoice();
    }
    void cancelQuestion(const std::u16string& question) override
    {
        questions.push_back(question);
        if (onQuestion)
            onQuestion();
    }
    void mergeReadDone() override
    {
        ++mergeReads;
        if (onMergeRead)
            onMergeRead();
    }
    void jobEnded(const JobEnd& e) override
    {
        ++ends;
        end = e;
    }

    std::function<void(JobStage)> onStage;
    std::function<void(const BlockProgress&)> onProgress;
    std::function<void()> onChoice;
    std::function<void(int slot)> onImage;
    std::function<void()> onQuestion;
    std::function<void()> onMergeRead;

    std::vector<JobStage> stages;
    std::vector<BlockProgress> progressEvents;
    std::vector<std::pair<int, SlotOutcome>> outcomes;
    std::vector<std::pair<int, std::vector<std::uint8_t>>> images;
    std::vector<std::string> notices;
    std::vector<std::pair<int, Recovery>> recoveries;
    std::vector<std::pair<int, std::vector<int>>> notWritten;
    std::vector<std::u16string> questions;
    int choicesAsked = 0;
    int mergeReads = 0;
    int ends = 0;
    JobEnd end;
};

class MapLineSpeedMemory final : public LineSpeedMemory {
public:
    std::optional<int> remembered(const std::string& devicePath) const override
    {
        const auto it = speeds.find(devicePath);
        return it == speeds.end() ? std::nullopt : std::optional<int>(it->second);
    }
    void remember(const std::string& devicePath, int baudRate) override { speeds[devicePath] = baudRate; }
    std::map<std::string, int> speeds;
};

// The records of interrupted writes kept in a map by id; storing fails
// with the reason a test sets.
class MapInterruptedWrites final : public InterruptedWriteMemory {
public:
    std::vector<InterruptedWrite> records() const override
    {
        std::vector<InterruptedWrite> all;
        for (const auto& [id, write] : writes)
            all.push_back(write);
        return all;
    }
    bool remember(InterruptedWrite& write, std::string& reason) override
    {
        if (!failure.empty()) {
            reason = failure;
            return false;
        }
        write.id = std::to_string(++m_lastId);
        writes[write.id] = write;
        return true;
    }
    void forget(const std::string& id) override { writes.erase(id); }

    std::map<std::string, InterruptedWrite> writes;
    std::string failure;

private:
    int m_lastId = 0;
};

struct JobRig : SessionRig {
    static constexpr const char* kDevice = "/dev/fake3";

    RecordingJobListener listener;
    MapLineSpeedMemory memory;
    MapInterruptedWrites interrupted;
    bool holdAfterMergeRead = false; // as the editor's dialogs run a download

    JobLine line() { return {host, port, settings, kDevice}; }
    JobOptions options(LineSpeedChoice choice = LineSpeedChoice::Auto)
    {
        JobOptions o;
        o.lineSpeed = choice;
        o.speeds = &memory;
        o.interruptedWrites = &interrupted;
        o.holdAfterMergeRead = holdAfterMergeRead;
        return o;
    }
    // Runs the job on the fake clock until it ends or the time is up.
    void runJob(const TransferJob& job, std::int64_t limitMs = 600000)
    {
        for (std::int64_t t = 0; t < limitMs && !job.hasEnded(); t += 10)
            host.advance(10);
    }
};

} // namespace tarvo::transfer::testing
