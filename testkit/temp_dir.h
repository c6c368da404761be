#pragma once
// A temporary folder removed with the object, and whole-file reads and
// writes for the files the tests and benchmarks put in it.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tarvo::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string file(const std::string& name) const { return (m_path / name).string(); }
    // Writes name in the folder; its full path.
    std::string write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;
    // How many files and folders it holds.
    std::size_t entries() const;

private:
    std::filesystem::path m_path;
};

// The whole file; empty when it cannot be read.
std::vector<std::uint8_t> readBytes(const std::string& path);
std::string readText(const std::string& path);
void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace tarvo::test
