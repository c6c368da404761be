#include "io/file_reader.h"

namespace tarvo::io {
namespace {

class SystemFileReader final : public FileReader {
public:
    FileResult readWhole(const std::string& path, std::vector<std::uint8_t>& out,
                         std::size_t maxBytes) const override
    {
        return readWholeFile(path, out, maxBytes);
    }
};

} // namespace

const FileReader& systemFileReader()
{
    static const SystemFileReader reader;
    return reader;
}

} // namespace tarvo::io
