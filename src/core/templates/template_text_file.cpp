#include "templates/template_text_file.h"

#include "io/regular_file.h"
#include "templates/template_messages.h"

#include <cerrno>
#include <unistd.h>

namespace tarvo::templates {
namespace {

constexpr std::size_t kReadChunkBytes = 64 * 1024;
constexpr std::size_t kBytesPerMegabyte = std::size_t(1) << 20;
constexpr char16_t kLineFeed = 0x000A;

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
    // A pipe or a device could block the open or the reads, or never end:
    // only regular files are read, and the open does not wait.
    io::RegularFileForReading file(path);
    switch (file.problem()) {
    case io::OpenProblem::None:
        break;
    case io::OpenProblem::SystemError:
        return fileError(msg::kCannotOpen, path, fileErrorCause(file.error()));
    case io::OpenProblem::Directory:
        return fileError(msg::kCannotOpen, path, kCauseBadPath);
    case io::OpenProblem::NotRegular:
        return fileError(msg::kCannotOpen, path, kCauseInvalidFile);
    }
    const auto tooLarge = [&path] {
        return fileErrorWithCause(
            msg::kCannotRead, path, msg::kCauseTooLarge,
            msg::message(msg::kCauseTooLarge,
                         {msg::numberText(static_cast<long long>(kMaxTemplateBytes / kBytesPerMegabyte))}));
    };
    if (file.size() > kMaxTemplateBytes)
        return tooLarge();
    std::vector<std::uint8_t> chunk(kReadChunkBytes);
    for (;;) {
        const ssize_t got = ::read(file.fd(), chunk.data(), chunk.size());
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return fileError(msg::kCannotRead, path, fileErrorCause(errno));
        }
        if (got == 0)
            break;
        if (static_cast<std::size_t>(got) > kMaxTemplateBytes - bytes.size())
            return tooLarge();
        bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + got);
    }
    if (const int closeError = file.close(); closeError != 0)
        return fileError(msg::kCannotOpen, path, fileErrorCause(closeError));
    return std::nullopt;
}

std::optional<TemplateError> checkTemplateBytes(const std::string& path, std::span<const std::uint8_t> bytes,
                                                const std::u16string& failureNote)
{
    if (bytes.size() < 2 || bytes[0] != kByteOrderMark[0] || bytes[1] != kByteOrderMark[1])
        return positionError(msg::kNoByteOrderMark, msg::message(msg::kNoByteOrderMark), path, 0, 0,
                             failureNote);
    if (bytes.size() % 2 != 0)
        return fileErrorWithCause(msg::kCannotRead, path, msg::kCausePartialCharacter,
                                  msg::message(msg::kCausePartialCharacter));
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
