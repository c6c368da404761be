#include "document_commands_support.h"

#include <QJsonDocument>
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

namespace tarvo::cli::test {

namespace {
constexpr int kRunTimeoutMs = 60000; // generous: the machine is shared
}

RunResult runTarvo(const std::vector<std::string>& args, const std::string& workingDirectory)
{
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(workingDirectory));
    QStringList list;
    for (const auto& a : args)
        list << QString::fromStdString(a);
    process.start(QString::fromStdString(std::string(TARVO_BIN_DIR) + "/tarvo"), list);
    RunResult run;
    if (!process.waitForFinished(kRunTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "tarvo did not finish";
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

void writeTemplate(const std::string& path)
{
    const std::u16string text = u"START_TABLE_DATA_CODE\n"
                                u"1, \"English\", 1, 1033, 9\n"
                                u"\n"
                                u"START_METADATA_LABELS_DATA_CODE\n"
                                u"10, \"Script Menus\"\n"
                                u"\n"
                                u"START_SOFTKEY_MENU_NAME_DATA_CODE\n"
                                u"80, \"Main\"\n"
                                u"81, \"Cameras\"\n"
                                u"\n"
                                u"START_SOFTKEY_MENU_DATA_CODE\n"
                                u"80, 3, 0, , 0, 2, 48, , \"Pan\", \"Left\", \"\"\n"
                                u"80, 9, 0, , 0, 0, 0, , \"\", \"\", \"\"\n"
                                u"\n"
                                u"START_TABLE_DATA_CODE\n"
                                u"1, \"Korea\", 5, 1042, 18\n"
                                u"\n"
                                u"START_METADATA_LABELS_DATA_CODE\n"
                                u"10, \"Script Menus\"\n"
                                u"\n"
                                u"START_SOFTKEY_MENU_NAME_DATA_CODE\n"
                                u"80, \"Main\"\n"
                                u"\n"
                                u"START_SOFTKEY_MENU_DATA_CODE\n"
                                u"80, 3, 0, , 0, 2, 48, , \"Pan\", \"\", \"\"\n"
                                u"\n"
                                u"ENDFILE_DATA_CODE\n"
                                u"\n";
    std::vector<std::uint8_t> bytes = {0xFF, 0xFE};
    for (const char16_t c : text) {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    writeBytes(path, bytes);
}

QJsonObject parseJson(const RunResult& run)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out;
    return doc.object();
}

std::vector<std::uint8_t> readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

TempDir::TempDir()
{
    std::random_device device;
    m_path = std::filesystem::temp_directory_path() / ("tarvo-cli-test-" + std::to_string(device()));
    std::filesystem::create_directories(m_path);
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

} // namespace tarvo::cli::test
