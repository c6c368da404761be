#pragma once
// Starts the editor in a temporary home: settings, documents folder and
// start directory all inside it, dialogs answered by the test.

#include "app/application.h"
#include "app/main_frame.h"
#include "support/test_settings.h"
#include "ui/user_dialogs.h"

#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace tarvo::app::test {

class EditorFixture : public ::testing::Test {
public:
    // Lets closed windows go (and give their document numbers back).
    static void settle();
    static QString shippedTemplate();

protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the application with arguments; false when start-up failed.
    bool start(const QStringList& arguments = {}, const QString& programTemplateFolder = {});
    // The same with arguments as the bytes of argv.
    bool startWithBytes(const QByteArrayList& arguments, const QString& programTemplateFolder = {});
    MainFrame& frame() { return *m_app->mainFrame(); }
    CZodARApp& app() { return *m_app; }
    QString path(const QString& name) const { return m_home.filePath(name); }
    QString scriptsFolder() const { return m_home.filePath(QStringLiteral("Documents/Tarvo Scripts")); }
    QString settingsFolder() const { return m_home.filePath(QStringLiteral("config")); }
    // A document file made from the shipped template through the core.
    QString writeTemplateDocument(const QString& name) const;

    // Messages shown since the last reset, "caption|text" of kind message.
    static QStringList messages();
    static int menuCount(const MainFrame& frame, const QString& title);

    QTemporaryDir m_home;
    std::optional<tarvo::test::TestSettings> m_settings;
    std::unique_ptr<CZodARApp> m_app;
    QString m_previousDirectory;
};

} // namespace tarvo::app::test
