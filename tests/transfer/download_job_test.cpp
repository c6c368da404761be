// The download job: its stages one after another on the fake clock, the end
// each stage's failure gives, a cancel at every stage (also while the slot
// choice is unanswered), and the line speed it probes first.

#include "download_rig.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace tarvo::transfer {
namespace {

using serial::frames::FrameType;
using testing::JobRig;
using testing::ScriptedKeyboard;

using testing::DownloadRig;
using testing::kLanguage;
using testing::TemplateTables;
constexpr int kBlocks = 4096;

class FailingSaver final : public DocumentSaver {
public:
    explicit FailingSaver(int& saves) : m_saves(saves) {}
    std::string name() const override { return "backup.tvo"; }
    bool save(document::CS1_Doc&, messages::Message& reason) override
    {
        ++m_saves;
        reason = messages::Message::data(u"backup.tvo: Permission denied");
        return false;
    }

private:
    int& m_saves;
};

BackupSaverMaker failingSaver(int& saves)
{
    return [&saves](const std::string&) { return std::make_unique<FailingSaver>(saves); };
}

class DownloadJobTest : public ::testing::Test, public DownloadRig {
public:
    DownloadJobTest() : DownloadRig(2)
    {
        keyboardTable = document::test::makeTable(1, kLanguage);
        putKeyboardTable(*keyboardTable);
        doc = deutschDocument();
        listener.onChoice = [this] { job->choose(choice); };
        listener.onQuestion = [this] { job->answerCancel(answerYes); };
    }

    // The merged table equals what the keyboard holds: without forceWrite it
    // would be left unchanged.
    DownloadJob& makeJob(DownloadJobSetup setup = {}, LineSpeedChoice speed = LineSpeedChoice::Auto)
    {
        choice.forceWrite = true;
        job = std::make_unique<DownloadJob>(line(), listener, options(speed), *doc, setup);
        return *job;
    }

    const JobEnd& run(DownloadJobSetup setup = {}, LineSpeedChoice speed = LineSpeedChoice::Auto)
    {
        makeJob(setup, speed).start();
        runJob(*job);
        EXPECT_TRUE(job->hasEnded());
        EXPECT_EQ(listener.ends, 1);
        return job->end();
    }

    bool keyboardWasWritten() const { return keyboard.blockWrites[0] == kBlocks; }

    std::unique_ptr<model::CS1_LangTable> keyboardTable;
    std::unique_ptr<document::CS1_Doc> doc;
    std::unique_ptr<DownloadJob> job;
    DownloadChoice choice;
    bool answerYes = true;
};

TEST_F(DownloadJobTest, RunsEachStageAfterTheOneBeforeAndWritesTheChosenSlot)
{
    choice.verify = true;
    const JobEnd& end = run();

    EXPECT_EQ(end.status, JobStatus::Complete) << end.message;
    const std::vector<JobStage> expected = {JobStage::Inspect,  JobStage::ChoosingSlots, JobStage::Plan,
                                            JobStage::ReadBack, JobStage::Write,         JobStage::Verify};
    EXPECT_EQ(listener.stages, expected);
    EXPECT_EQ(listener.choicesAsked, 1);
    EXPECT_EQ(keyboard.erases[0], 1);
    EXPECT_TRUE(keyboardWasWritten());
    ASSERT_EQ(listener.outcomes.size(), 2u);
    EXPECT_EQ(listener.outcomes[0], std::make_pair(1, SlotOutcome::Written));
    EXPECT_EQ(listener.outcomes[1], std::make_pair(1, SlotOutcome::Verified));
    EXPECT_EQ(job->writtenCount(), 1);
    EXPECT_TRUE(job->verified());
    EXPECT_TRUE(job->merged());
    EXPECT_TRUE(job->documentModified());
}

// A merge whose tables the keyboard already holds writes nothing: the
// document's tables were replaced, but it holds nothing its file lacks.
TEST_F(DownloadJobTest, TheDocumentIsModifiedOnlyWhenItsMergedTablesAreWritten)
{
    job = std::make_unique<DownloadJob>(line(), listener, options(LineSpeedChoice::Auto), *doc,
                                        DownloadJobSetup{});
    job->start();
    runJob(*job);
    EXPECT_EQ(job->end().status, JobStatus::Complete) << job->end().message;
    EXPECT_EQ(job->writtenCount(), 0);
    EXPECT_TRUE(job->merged());
    EXPECT_FALSE(job->documentModified());
}

TEST_F(DownloadJobTest, NothingIsReadOrErasedWhileTheSlotChoiceIsUnanswered)
{
    listener.onChoice = nullptr;
    makeJob().start();
    runJob(*job, 60000);
    ASSERT_FALSE(job->hasEnded());
    EXPECT_EQ(job->stage(), JobStage::ChoosingSlots);
    ASSERT_NE(job->inspection(), nullptr);
    const std::size_t framesAtChoice = keyboard.frames.size();
    host.advance(30000);
    EXPECT_EQ(keyboard.frames.size(), framesAtChoice);

    job->choose({});
    runJob(*job);
    EXPECT_EQ(job->end().status, JobStatus::Complete) << job->end().message;
}

// Each stage's failure, and the end the tool reports for it.
struct StageFailure {
    const char* name;
    std::function<void(DownloadJobTest&)> arrange;
    JobStatus status;
    std::string messageStart;
    std::optional<int> slot;
    bool erased;
};

class DownloadJobFailure : public DownloadJobTest, public ::testing::WithParamInterface<StageFailure> {};

TEST_P(DownloadJobFailure, EndsWithTheStatusAndMessageOfTheStage)
{
    const StageFailure& failure = GetParam();
    DownloadJobSetup setup;
    choice.verify = true;
    int saves = 0;
    TemplateTables tables;
    if (std::string(failure.name) == "backup") {
        choice.backupPath = "backup.tvo";
        setup.backupSaver = failingSaver(saves);
        setup.backupTables = &tables;
    }
    failure.arrange(*this);
    const JobEnd& end = run(setup);

    EXPECT_EQ(end.status, failure.status) << end.message;
    EXPECT_EQ(end.message.rfind(failure.messageStart, 0), 0u) << end.message;
    EXPECT_EQ(end.slot, failure.slot);
    EXPECT_EQ(keyboard.erases[0] > 0, failure.erased);
}

void silenceReadsFrom(DownloadJobTest& t, JobStage stage)
{
    t.listener.onStage = [&t, stage](JobStage s) {
        if (s == stage)
            t.keyboard.silentFor.insert(FrameType::T0);
    };
}

INSTANTIATE_TEST_SUITE_P(
    Stages, DownloadJobFailure,
    ::testing::Values(
        StageFailure{"inspection", [](DownloadJobTest& t) { t.keyboard.silentFor.insert(FrameType::C0); },
                     JobStatus::NoAnswer, "Error: Communication could not be established.", std::nullopt,
                     false},
        StageFailure{"port", [](DownloadJobTest& t) { t.keyboard.openFails = true; }, JobStatus::PortError,
                     "Error: COM 3 can not be opened. (/dev/fake", std::nullopt, false},
        StageFailure{"plan",
                     [](DownloadJobTest& t) {
                         t.choice.slots = chosenSlotsOf({{2, std::nullopt}});
                     },
                     JobStatus::Refused, "", std::nullopt, false},
        StageFailure{"read-back", [](DownloadJobTest& t) { silenceReadsFrom(t, JobStage::ReadBack); },
                     JobStatus::NoAnswer,
                     "the keyboard could not be read, nothing was erased: Error: The transfer has timed out.",
                     std::nullopt, false},
        StageFailure{"backup", [](DownloadJobTest&) {}, JobStatus::FileError,
                     "backup.tvo: Permission denied; nothing was erased", std::nullopt, false},
        StageFailure{"write",
                     [](DownloadJobTest& t) {
                         t.keyboard.faults.push_back({FrameType::S2, 10, ScriptedKeyboard::Fault::Drop});
                     },
                     JobStatus::NoAnswer, "Error: The transfer has timed out.", 1, true},
        StageFailure{
            "verify", [](DownloadJobTest& t) { silenceReadsFrom(t, JobStage::Verify); }, JobStatus::NoAnswer,
            "the written tables could not be read back to verify them: Error: The transfer has timed out.",
            std::nullopt, true},
        StageFailure{"difference",
                     [](DownloadJobTest& t) {
                         t.listener.onStage = [&t](JobStage s) {
                             if (s == JobStage::Verify)
                                 t.keyboard.flash[0][100] ^= 0x5A;
                         };
                     },
                     JobStatus::VerifyFailed, "", 1, true}),
    [](const ::testing::TestParamInfo<StageFailure>& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (c == '-')
                c = '_';
        return name;
    });

TEST_F(DownloadJobTest, AWriteLeftHalfWayNamesTheSlotInItsMessage)
{
    keyboard.faults.push_back({FrameType::S2, 10, ScriptedKeyboard::Fault::Drop});
    const JobEnd& end = run();
    EXPECT_NE(
        end.message.find("Language table #1 in the keyboard is now incomplete and must be written again."),
        std::string::npos)
        << end.message;
}

// A cancel at each stage: where it comes, and how the job ends.
struct StageCancel {
    const char* name;
    std::function<void(DownloadJobTest&)> arrange;
    std::string message;
    std::optional<int> slot;
    bool erased;
};

class DownloadJobCancel : public DownloadJobTest, public ::testing::WithParamInterface<StageCancel> {};

TEST_P(DownloadJobCancel, EndsCancelledAndSaysWhatWasLeft)
{
    const StageCancel& cancel = GetParam();
    choice.verify = true;
    cancel.arrange(*this);
    const JobEnd& end = run();
    EXPECT_EQ(end.status, JobStatus::Cancelled) << end.message;
    EXPECT_EQ(end.message, cancel.message);
    EXPECT_EQ(end.slot, cancel.slot);
    EXPECT_EQ(keyboard.erases[0] > 0, cancel.erased);
    EXPECT_FALSE(port.portInUse());
}

void cancelOnProgress(DownloadJobTest& t, TransferPhase phase)
{
    t.listener.onProgress = [&t, phase](const BlockProgress& p) {
        if (p.phase == phase && p.done == 5)
            t.job->cancel();
    };
}

INSTANTIATE_TEST_SUITE_P(
    Stages, DownloadJobCancel,
    ::testing::Values(
        StageCancel{"inspection",
                    [](DownloadJobTest& t) {
                        t.keyboard.delayFor[FrameType::T7] = 3000;
                        t.listener.onStage = [&t](JobStage s) {
                            if (s == JobStage::Inspect)
                                t.host.runAfter(1000, [&t] { t.job->cancel(); });
                        };
                    },
                    "cancelled", std::nullopt, false},
        StageCancel{"unanswered_choice",
                    [](DownloadJobTest& t) {
                        t.listener.onChoice = [&t] { t.host.runAfter(5000, [&t] { t.job->cancel(); }); };
                    },
                    "cancelled; nothing was erased", std::nullopt, false},
        StageCancel{"read_back", [](DownloadJobTest& t) { cancelOnProgress(t, TransferPhase::Read); },
                    "the keyboard could not be read, nothing was erased: cancelled", std::nullopt, false},
        StageCancel{"held_after_merge_read",
                    [](DownloadJobTest& t) {
                        t.holdAfterMergeRead = true;
                        t.listener.onMergeRead = [&t] { t.host.runAfter(5000, [&t] { t.job->cancel(); }); };
                    },
                    "cancelled; nothing was erased", std::nullopt, false},
        StageCancel{
            "write", [](DownloadJobTest& t) { cancelOnProgress(t, TransferPhase::Write); },
            "cancelled: Language table #1 in the keyboard is now incomplete and must be written again.", 1,
            true},
        StageCancel{"verify", [](DownloadJobTest& t) { cancelOnProgress(t, TransferPhase::Verify); },
                    "the written tables could not be read back to verify them: cancelled", std::nullopt,
                    true}),
    [](const ::testing::TestParamInfo<StageCancel>& info) { return std::string(info.param.name); });

TEST_F(DownloadJobTest, AWriteCancelAsksAndNoGoesOnToTheEnd)
{
    answerYes = false;
    cancelOnProgress(*this, TransferPhase::Write);
    const JobEnd& end = run();
    EXPECT_EQ(listener.questions.size(), 1u);
    EXPECT_EQ(end.status, JobStatus::Complete) << end.message;
    EXPECT_TRUE(keyboardWasWritten());
}

TEST_F(DownloadJobTest, TheWriteHoldsStillWhileTheCancelQuestionIsOpen)
{
    listener.onQuestion = nullptr;
    cancelOnProgress(*this, TransferPhase::Write);
    makeJob().start();
    runJob(*job, 120000);
    ASSERT_EQ(listener.questions.size(), 1u);
    ASSERT_FALSE(job->hasEnded());
    const std::size_t framesAsked = keyboard.countOf(FrameType::S2);
    host.advance(60000);
    EXPECT_EQ(keyboard.countOf(FrameType::S2), framesAsked);
    job->answerCancel(true);
    runJob(*job);
    EXPECT_EQ(job->end().status, JobStatus::Cancelled);
    EXPECT_EQ(job->end().slot, 1);
}

// The editor's Read dialog holds after the read for merging until the user
// presses OK: nothing is erased meanwhile, and OK goes on to the write.
TEST_F(DownloadJobTest, HoldsAfterTheMergeReadUntilToldToGoOn)
{
    holdAfterMergeRead = true;
    makeJob().start();
    runJob(*job, 120000);
    ASSERT_FALSE(job->hasEnded()) << job->end().message;
    EXPECT_EQ(listener.mergeReads, 1);
    const std::size_t framesAtHold = keyboard.frames.size();
    host.advance(60000);
    EXPECT_EQ(keyboard.frames.size(), framesAtHold);
    EXPECT_EQ(keyboard.erases[0], 0);

    job->continueAfterMerge();
    job->continueAfterMerge(); // a second OK does nothing more
    runJob(*job);
    EXPECT_EQ(job->end().status, JobStatus::Complete) << job->end().message;
    EXPECT_EQ(keyboard.erases[0], 1);
    EXPECT_TRUE(keyboardWasWritten());
}

// The Download dialog's safeguards, given with the slot choice.
TEST_F(DownloadJobTest, SafeguardsGivenWithTheChoiceDecideReadBackVerifyAndBackup)
{
    // As stored, verified: nothing is read to merge, the write is read back.
    choice.slots = chosenSlotsOf({{1, 0}});
    choice.verify = true;
    EXPECT_EQ(run().status, JobStatus::Complete) << job->end().message;
    const std::vector<JobStage> asStored = {JobStage::Inspect, JobStage::ChoosingSlots, JobStage::Plan,
                                            JobStage::Write, JobStage::Verify};
    EXPECT_EQ(listener.stages, asStored);
    EXPECT_TRUE(job->verified());

    // A backup that cannot be saved stops the download before the erase.
    listener = {};
    keyboard.erases[0] = 0;
    int saves = 0;
    TemplateTables tables;
    DownloadJobSetup setup;
    setup.backupTables = &tables;
    setup.backupSaver = failingSaver(saves);
    listener.onChoice = [this] {
        DownloadChoice withBackup;
        withBackup.backupPath = "backup.tvo";
        job->choose(withBackup);
        job->choose({}); // too late: the choice was made
    };
    const JobEnd& end = run(setup);
    EXPECT_EQ(end.status, JobStatus::FileError) << end.message;
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(keyboard.erases[0], 0);
}

// The speed the first session probes first, and what is remembered.
TEST_F(DownloadJobTest, StartsAtTheRememberedSpeedAndSendsNothingAtTheOther)
{
    keyboard.baudRate = 57600;
    memory.speeds[kDevice] = 57600;
    EXPECT_EQ(run().status, JobStatus::Complete);
    for (const auto& frame : keyboard.frames)
        EXPECT_EQ(frame.baudRate, 57600) << static_cast<int>(frame.type) << " at " << frame.atMs;
}

TEST_F(DownloadJobTest, ADeviceNeverSeenStartsAt19200AndRemembersWhatAnswered)
{
    keyboard.baudRate = 57600;
    EXPECT_EQ(run().status, JobStatus::Complete);
    ASSERT_FALSE(keyboard.openedAtBaud.empty());
    EXPECT_EQ(keyboard.openedAtBaud.front(), 19200);
    EXPECT_EQ(memory.speeds[kDevice], 57600);
}

TEST_F(DownloadJobTest, ANamedSpeedIsTheOnlyOneTried)
{
    keyboard.baudRate = 57600;
    const JobEnd& end = run({}, LineSpeedChoice::Baud19200);
    EXPECT_EQ(end.status, JobStatus::NoAnswer);
    for (const int baud : keyboard.openedAtBaud)
        EXPECT_EQ(baud, 19200);
    EXPECT_TRUE(memory.speeds.empty());
}

// What a history records of a slot: the image about to be written, told before its erase.
TEST_F(DownloadJobTest, EachSlotsImageIsToldBeforeItsEraseAndIsWhatTheKeyboardThenHolds)
{
    int erasesBefore = -1;
    listener.onImage = [this, &erasesBefore](int) { erasesBefore = keyboard.erases[0]; };
    const JobEnd& end = run();

    EXPECT_EQ(end.status, JobStatus::Complete) << end.message;
    ASSERT_EQ(listener.images.size(), 1u);
    EXPECT_EQ(listener.images[0].first, 1);
    EXPECT_EQ(erasesBefore, 0);
    EXPECT_EQ(listener.images[0].second, keyboard.flash[0]);
}

} // namespace
} // namespace tarvo::transfer
