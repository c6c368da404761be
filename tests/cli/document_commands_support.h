#pragma once
// Runs build/bin/tarvo for the tests of the document commands, and writes
// the template and documents they start from.

#include <QJsonObject>

#include <filesystem>
#include <string>
#include <vector>

namespace tarvo::cli::test {

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs tarvo with args in workingDirectory and waits for it to end.
RunResult runTarvo(const std::vector<std::string>& args, const std::string& workingDirectory);

// A two-table template (English in font 1, language 9; Korean in font 5, language 18).
void writeTemplate(const std::string& path);

// The JSON document on a run's standard output.
QJsonObject parseJson(const RunResult& run);

std::vector<std::uint8_t> readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string path() const { return m_path.string(); }
    std::string file(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

} // namespace tarvo::cli::test
