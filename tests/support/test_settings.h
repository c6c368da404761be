#pragma once
// The settings store of a test: a folder of its own that the application's
// store (QSettings, user scope) and a started `tarvo` (XDG_CONFIG_HOME) both
// use, so that no test reads or writes the user's settings. The previous
// places come back when it goes.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace tarvo::test {

class TestSettings {
public:
    // In a temporary folder of its own.
    TestSettings();
    // In folder (made when missing), which the caller keeps.
    explicit TestSettings(const QString& folder);
    ~TestSettings();
    TestSettings(const TestSettings&) = delete;
    TestSettings& operator=(const TestSettings&) = delete;

    const QString& folder() const { return m_folder; }

private:
    void use();

    QTemporaryDir m_dir;
    QString m_folder;
    QByteArray m_previousConfig;
    bool m_hadConfig = false;
};

} // namespace tarvo::test
