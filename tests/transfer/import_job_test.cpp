// The import job: the chosen slots read into a new document that is saved
// only when every slot came in whole; its failures and cancels.

#include "job_rig.h"
#include "support/document_builders.h"
#include "transfer/import_job.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace tarvo::transfer {
namespace {

using serial::frames::FrameType;
using testing::JobRig;

constexpr int kTableLanguage = 9;
constexpr int kOtherLanguage = 12;

class CountingSaver final : public DocumentSaver {
public:
    std::string name() const override { return "out.tvo"; }
    bool save(document::CS1_Doc& doc, messages::Message& reason) override
    {
        ++saves;
        tables = doc.tableCount();
        if (fails)
            reason = messages::Message::data(u"out.tvo: No space left on device");
        return !fails;
    }
    bool fails = false;
    int saves = 0;
    std::size_t tables = 0;
};

struct ImportRig : JobRig {
    ImportRig()
    {
        keyboard.replyDelayMs = 2;
        keyboard.flash[0] = document::test::imageOf(*document::test::makeTable(1, kTableLanguage));
        keyboard.flash[1] = document::test::imageOf(*document::test::makeTable(1, kOtherLanguage));
        listener.onChoice = [this] { job->chooseSlots(slots); };
    }

    const JobEnd& run()
    {
        ImportJobSetup setup;
        setup.templateTables.ok = true;
        setup.templateTables.tables.push_back(document::test::makeTable(1, kTableLanguage));
        setup.saver = &saver;
        job = std::make_unique<ImportJob>(line(), listener, options(), std::move(setup));
        job->start();
        runJob(*job);
        EXPECT_EQ(listener.ends, 1);
        return job->end();
    }

    CountingSaver saver;
    std::unique_ptr<ImportJob> job;
    std::vector<SlotRequest> slots;
};

TEST(ImportJob, ReadsTheSlotsOfTheTemplatesLanguagesAndSavesTheDocument)
{
    ImportRig t;
    auto& listener = t.listener;
    auto& saver = t.saver;
    auto& job = t.job;
    const JobEnd& end = t.run();
    EXPECT_EQ(end.status, JobStatus::Complete) << end.message;
    EXPECT_EQ(saver.saves, 1);
    EXPECT_EQ(saver.tables, 1u);
    ASSERT_NE(job->document(), nullptr);
    ASSERT_EQ(listener.notices.size(), 1u);
    EXPECT_EQ(listener.notices[0].rfind("keyboard language table #2 (", 0), 0u) << listener.notices[0];
    ASSERT_EQ(listener.outcomes.size(), 1u);
    EXPECT_EQ(listener.outcomes[0], std::make_pair(1, SlotOutcome::Read));
    EXPECT_EQ(t.keyboard.countOf(FrameType::C1), 0u);
}

TEST(ImportJob, EachFailureEndsWithoutADocument)
{
    struct Case {
        const char* name;
        std::function<void(ImportRig&)> arrange;
        JobStatus status;
        std::string messageStart;
    };
    const std::vector<Case> cases = {
        {"slot of no template language",
         [](ImportRig& t) {
             t.slots = {{2, std::nullopt}};
         },
         JobStatus::Refused, ""},
        {"read",
         [](ImportRig& t) {
             t.listener.onStage = [&t](JobStage s) {
                 if (s == JobStage::Read)
                     t.keyboard.silentFor.insert(FrameType::T0);
             };
         },
         JobStatus::NoAnswer, "the keyboard could not be read: Error: The transfer has timed out."},
        {"save", [](ImportRig& t) { t.saver.fails = true; }, JobStatus::FileError,
         "out.tvo: No space left on device"},
        {"cancel while choosing", [](ImportRig& t) { t.listener.onChoice = [&t] { t.job->cancel(); }; },
         JobStatus::Cancelled, "cancelled"},
        {"cancel while reading",
         [](ImportRig& t) {
             t.listener.onProgress = [&t](const BlockProgress& p) {
                 if (p.phase == TransferPhase::Read && p.done == 100)
                     t.job->cancel();
             };
         },
         JobStatus::Cancelled, "the keyboard could not be read: cancelled"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ImportRig t;
        c.arrange(t);
        const JobEnd& end = t.run();
        EXPECT_EQ(end.status, c.status) << end.message;
        EXPECT_EQ(end.message.rfind(c.messageStart, 0), 0u) << end.message;
        EXPECT_EQ(t.job->document(), nullptr);
        EXPECT_FALSE(t.port.portInUse());
    }
}

} // namespace
} // namespace tarvo::transfer
