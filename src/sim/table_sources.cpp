#include "sim/flash_setup.h"
#include "sim/slot_status.h"

#include "document/doc.h"
#include "document/document_number_pool.h"
#include "export/table_dump.h"
#include "model/lang_table_layout.h"
#include "templates/template_catalogue.h"
#include "templates/utf_text.h"

#include <array>
#include <unistd.h>

namespace tarvo::sim {
namespace {

std::string executablePath()
{
    std::array<char, 4096> path{};
    const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size() - 1);
    return n > 0 ? std::string(path.data(), static_cast<std::size_t>(n)) : std::string();
}

template <typename Tables> void collectImages(const Tables& tables, TableImages& images)
{
    images.clear();
    for (const auto& table : tables) {
        const auto image = table->Image();
        images.emplace_back(image.begin(), image.end());
    }
}

} // namespace

bool loadFactoryImages(TableImages& images, std::string& error)
{
    const std::string folder = templates::programTemplateDirectory(executablePath());
    const std::vector<std::string> files = templates::findTemplateFiles(folder, templates::kTemplateNumber);
    if (files.empty()) {
        error = folder + ": no shipped template (*.LT3) for the factory tables";
        return false;
    }
    const templates::TemplateBuildResult built = templates::buildTablesFromTemplate(files.front());
    if (!built.ok) {
        error =
            files.front() + ": " +
            (built.error ? templates::utf16ToUtf8(built.error->summary.text()) : std::string("unreadable"));
        return false;
    }
    collectImages(built.tables, images);
    // A keyboard's tables went in through its own loader, which sets the font slot.
    for (auto& image : images)
        if (image.size() > model::layout::kFontOffset)
            image[model::layout::kFontSlotOffset] = dump::dumpedFontSlot(image[model::layout::kFontOffset]);
    return true;
}

bool loadDocumentImages(const std::string& path, TableImages& images, std::string& error)
{
    document::DocumentNumberPool pool;
    const document::DocOutcome opened = document::openDocument(pool, path, 0);
    if (!opened.doc) {
        error = path + ": " + templates::utf16ToUtf8(opened.result.message.text());
        return false;
    }
    collectImages(opened.doc->tables(), images);
    return true;
}

} // namespace tarvo::sim
