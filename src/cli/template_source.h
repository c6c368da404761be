#pragma once
// The template a command builds new documents from: the file --template
// names, or the first of the catalogue (the start directory, then the
// program's own template folder).

#include "templates/template_catalogue.h"
#include "transfer/job_sources.h"

#include <optional>
#include <string>

namespace tarvo::cli {

class TemplateSource final : public transfer::TableSource {
public:
    explicit TemplateSource(std::optional<std::string> templatePath);

    // False, with the message the user is shown, when no template can be found.
    bool ready(std::string& message) override;
    // The template's tables for a new document.
    templates::TemplateBuildResult build(int documentNumber) override;
    // What failures name.
    std::string what() const { return m_path.value_or("new"); }

private:
    std::optional<std::string> m_path;
    templates::TemplateCatalogue m_catalogue;
};

// True when path names an existing file, after following links.
bool pathExists(const std::string& path);

} // namespace tarvo::cli
