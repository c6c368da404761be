#pragma once
// The download job's surroundings shared by its tests: the job rig with a
// keyboard whose slot 1 holds a table of kLanguage, a document whose one
// table ("Deutsch") has the same language, and the template tables a backup
// takes its names from.

#include "job_rig.h"
#include "support/document_builders.h"
#include "transfer/download_job.h"

#include <memory>
#include <vector>

namespace tarvo::transfer::testing {

inline constexpr int kLanguage = 9;

// The template's tables: one of kLanguage.
class TemplateTables final : public TableSource {
public:
    bool ready(std::string&) override { return true; }
    templates::TemplateBuildResult build(int) override
    {
        templates::TemplateBuildResult result;
        result.ok = true;
        result.tables.push_back(document::test::makeTable(1, kLanguage));
        return result;
    }
};

class DownloadRig : public JobRig {
public:
    explicit DownloadRig(int replyDelayMs) { keyboard.replyDelayMs = replyDelayMs; }

    // The keyboard's slot 1 holds table.
    void putKeyboardTable(const model::CS1_LangTable& table)
    {
        keyboard.flash[0] = document::test::imageOf(table);
    }

    // The document's Deutsch table of kLanguage, changed by edit when given.
    std::unique_ptr<document::CS1_Doc> deutschDocument(void (*edit)(model::CS1_LangTable&) = nullptr)
    {
        auto table = document::test::makeTable(1, kLanguage, 1, 94, u"Deutsch");
        if (edit != nullptr)
            edit(*table);
        document::TableList tables;
        tables.push_back(std::move(table));
        return document::test::makeDocument(pool, std::move(tables));
    }

    document::DocumentNumberPool pool;
};

} // namespace tarvo::transfer::testing
