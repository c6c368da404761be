#include "templates/template_text_file.h"

#include "templates/template_messages.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace tarvo::templates {
namespace {

constexpr std::size_t kReadChunkBytes = 64 * 1024;
constexpr std::size_t kBytesPerMegabyte = std::size_t(1) << 20;
constexpr char16_t kLineFeed = 0x000A;

struct FileCloser {
    void operator()(std::FILE* f) const
    {
        if (f)
            std::fclose(f);
    }
};

} // namespace

bool TemplateText::readLine(std::u16string& line)
{
    if (m_position >= m_units.size())
        return false;
    const std::size_t end = m_units.find(kLineFeed, m_position);
    if (end == std::u16string::npos) {
        line.assign(m_units, m_position, std::u16string::npos);
        m_position = m_units.size();
        return true;
    }
    line.assign(m_units, m_position, end - m_position);
    m_position = end + 1;
    return true;
}

std::optional<TemplateError> readTemplateBytes(const std::string& path, std::vector<std::uint8_t>& bytes)
{
    bytes.clear();
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (std::filesystem::is_directory(status))
        return fileError(msg::kCannotOpen, path, kCauseBadPath);
    // A pipe or a device could block the reader or never end: only files are read.
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return fileError(msg::kCannotOpen, path, kCauseInvalidFile);
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return fileError(msg::kCannotOpen, path, fileErrorCause(errno));
    std::vector<std::uint8_t> chunk(kReadChunkBytes);
    for (;;) {
        const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), file.get());
        if (got > kMaxTemplateBytes - bytes.size()) {
            return fileErrorWithCause(
                msg::kCannotRead, path, msg::kCauseTooLarge,
                msg::formatMessage(msg::kCauseTooLarge, {msg::numberText(static_cast<long long>(
                                                            kMaxTemplateBytes / kBytesPerMegabyte))}));
        }
        bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(got));
        if (got < chunk.size()) {
            if (std::ferror(file.get()))
                return fileError(msg::kCannotRead, path, fileErrorCause(errno));
            break;
        }
    }
    errno = 0;
    if (std::fclose(file.release()) != 0)
        return fileError(msg::kCannotOpen, path, fileErrorCause(errno));
    return std::nullopt;
}

std::optional<TemplateError> checkTemplateBytes(const std::string& path, std::span<const std::uint8_t> bytes,
                                                const std::u16string& failureNote)
{
    if (bytes.size() < 2 || bytes[0] != kByteOrderMark[0] || bytes[1] != kByteOrderMark[1])
        return positionError(msg::kNoByteOrderMark, msg::formatMessage(msg::kNoByteOrderMark), path, 0, 0,
                             failureNote);
    if (bytes.size() % 2 != 0)
        return fileErrorWithCause(msg::kCannotRead, path, msg::kCausePartialCharacter,
                                  msg::formatMessage(msg::kCausePartialCharacter));
    return std::nullopt;
}

TemplateText decodeTemplateText(std::span<const std::uint8_t> bytes)
{
    std::u16string units;
    if (bytes.size() >= 2)
        units.reserve((bytes.size() - 2) / 2);
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
        units += static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
    return TemplateText(std::move(units));
}

} // namespace tarvo::templates
