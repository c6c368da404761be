#pragma once
// The template catalogue's tables as a job's table source: the backup
// document a download saves is made from them.

#include "templates/template_catalogue.h"
#include "transfer/job_sources.h"
#include "ui/transfer/transfer_texts.h"

#include <string>

namespace tarvo::ui {

class CatalogueTables final : public transfer::TableSource {
public:
    // catalogue may be null: then no backup document can be made.
    explicit CatalogueTables(templates::TemplateCatalogue* catalogue) : m_catalogue(catalogue) {}
    bool ready(std::string& message) override
    {
        if (m_catalogue != nullptr && m_catalogue->RefreshTemplateCatalogue())
            return true;
        message = transfer_texts::kNoBackupTemplate.text().toStdString();
        return false;
    }
    templates::TemplateBuildResult build(int documentNumber) override
    {
        return m_catalogue->CreateTablesFromTemplate(documentNumber);
    }

private:
    templates::TemplateCatalogue* m_catalogue;
};

} // namespace tarvo::ui
