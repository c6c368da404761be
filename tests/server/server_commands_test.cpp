// The server commands in the main window: where they are, when they are
// enabled, the association dialog, a launch from the window that starts
// both servers from the programs their settings name, and a launch that
// waits while the window goes on working.

#include "fake_servers.h"
#include "support/gui/dialog_answers.h"
#include "support/gui/editor_fixture.h"

#include "document/doc.h"
#include "server/association_dialog.h"
#include "server/launch_progress_dialog.h"
#include "server/server_texts.h"
#include "ui/child_frame.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QMetaObject>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QToolBar>

namespace tarvo::app::test {

namespace {

using server::ServerKind;
using server::test::FakeServers;

QAction* transferItem(MainFrame& frame, const QString& text)
{
    for (QAction* menu : frame.menuBar()->actions())
        if (menu->text() == QStringLiteral("&Transfer") && menu->menu() != nullptr)
            for (QAction* item : menu->menu()->actions())
                if (item->text() == text)
                    return item;
    return nullptr;
}

// When the association dialog is up, does what act says, then OK or Cancel.
void answerAssociationDialog(const std::function<void(QLineEdit&, QPushButton&)>& act, bool accept)
{
    whenShown<server::AssociationDialog>(qApp, QStringLiteral("AssociationDialog"), {},
                                         [act, accept](server::AssociationDialog& dialog) {
                                             act(*dialog.findChild<QLineEdit*>(QStringLiteral("serverPath")),
                                                 *dialog.findChild<QPushButton*>(QStringLiteral("browse")));
                                             accept ? dialog.accept() : dialog.reject();
                                         });
}

class ServerCommandsTest : public EditorFixture {
protected:
    // Values a server installation writes, before the editor starts.
    void writeServerSettings(const QVariantMap& values)
    {
        QSettings store(QStringLiteral("Corvane Security Systems"),
                        QStringLiteral("Tarvo Script Application"));
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            store.setValue(it.key(), it.value());
        store.sync();
    }
    QAction* associate() { return transferItem(frame(), server::texts::kSetAssociation); }
    QAction* launch() { return transferItem(frame(), server::texts::kLaunch); }

    // Starts the editor with the settings, and a new document associated
    // with an existing server document, ready to launch.
    void startWithServerDocument(const QVariantMap& settings)
    {
        writeServerSettings(settings);
        ASSERT_TRUE(start());
        frame().documents().newDocument();
        m_site = path("site.hvd");
        QFile file(m_site);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        frame().activeDocument()->setServerPath(m_site.toStdU16String());
        frame().activeDocument()->setModified(false);
        frame().updateCommandStates();
        ASSERT_TRUE(launch()->isEnabled());
        ui::UserDialogs::reset();
    }
    // Triggers the launch and runs the loop until it has ended.
    void launchToItsEnd()
    {
        launch()->trigger();
        EXPECT_TRUE(server::test::runUntil([this] { return launch()->isEnabled(); }));
    }
    // Starts a launch whose login the login server leaves unanswered.
    void launchWithSilentLogin()
    {
        ASSERT_TRUE(m_fakes.start(ServerKind::Login, {QStringLiteral("--silent"), QStringLiteral("1")}));
        startWithServerDocument({{QStringLiteral("HalvardServer/LocalServer32"),
                                  server::test::fakeProgram(ServerKind::Halvard)}});
        launch()->trigger();
        ASSERT_TRUE(server::test::runUntil([this] { return m_fakes.calls().size() == 2; }));
    }

    QString m_site;
    FakeServers m_fakes;
};

} // namespace

TEST_F(ServerCommandsTest, TransferMenuAndTheLastToolbarButtons)
{
    ASSERT_TRUE(start());
    ASSERT_NE(associate(), nullptr);
    ASSERT_NE(launch(), nullptr);
    const QList<QAction*> buttons = frame().commandToolBar()->actions();
    ASSERT_GE(buttons.size(), 3);
    EXPECT_TRUE(buttons.at(buttons.size() - 3)->isSeparator());
    EXPECT_EQ(buttons.at(buttons.size() - 2), associate());
    EXPECT_EQ(buttons.last(), launch());
    EXPECT_FALSE(associate()->isEnabled());
    EXPECT_FALSE(launch()->isEnabled());
}

TEST_F(ServerCommandsTest, LaunchNeedsTheInstalledServerAndAPath)
{
    const struct {
        bool installed;
        const char* path;
        bool enabled;
    } cases[] = {{true, "/sites/site.hvd", true}, {false, "/sites/site.hvd", false}, {true, "", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.installed ? "installed" : "not installed");
        writeServerSettings({{QStringLiteral("HalvardServer/LocalServer32"),
                              c.installed ? server::test::fakeProgram(ServerKind::Halvard) : path("none")}});
        ASSERT_TRUE(start());
        frame().documents().newDocument();
        ASSERT_NE(frame().activeDocument(), nullptr);
        frame().activeDocument()->setServerPath(QString::fromUtf8(c.path).toStdU16String());
        frame().updateCommandStates();
        EXPECT_TRUE(associate()->isEnabled());
        EXPECT_EQ(launch()->isEnabled(), c.enabled) << c.path;
        m_app.reset();
        settle();
    }
}

TEST_F(ServerCommandsTest, AssociationStoresThePathAndMarksOnlyAChange)
{
    writeServerSettings(
        {{QStringLiteral("HalvardServer/LocalServer32"), server::test::fakeProgram(ServerKind::Halvard)},
         {QStringLiteral("HalvardServer/HalvardConfigurationDefaultDir"), path("config-dir")}});
    ASSERT_TRUE(start());
    frame().documents().newDocument();
    document::CS1_Doc& doc = *frame().activeDocument();
    doc.setModified(false);
    const QString chosen = path("sites/site.hvd");

    ui::UserDialogs::queueFileName(chosen);
    answerAssociationDialog(
        [](QLineEdit& edit, QPushButton& browse) {
            EXPECT_EQ(edit.maxLength(), server::kMaxServerPathChars);
            EXPECT_TRUE(edit.text().isEmpty());
            browse.click();
        },
        true);
    associate()->trigger();
    ASSERT_FALSE(ui::UserDialogs::shown().isEmpty());
    EXPECT_EQ(ui::UserDialogs::shown().last().kind, QStringLiteral("open"));
    EXPECT_EQ(ui::UserDialogs::shown().last().text, path("config-dir"));
    EXPECT_EQ(QString::fromStdU16String(doc.serverPath()), chosen);
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(launch()->isEnabled());

    doc.setModified(false);
    answerAssociationDialog([](QLineEdit&, QPushButton&) {}, true);
    associate()->trigger();
    EXPECT_FALSE(doc.isModified());

    answerAssociationDialog([](QLineEdit& edit, QPushButton&) { edit.setText(QStringLiteral("other.hvd")); },
                            false);
    associate()->trigger();
    EXPECT_EQ(QString::fromStdU16String(doc.serverPath()), chosen);
    EXPECT_FALSE(doc.isModified());
}

// Both servers are started from their programs; the Halvard server leaves
// the Show call unanswered, which the shortened time-out turns into a message.
TEST_F(ServerCommandsTest, LaunchStartsTheServersAndBoundsEveryCall)
{
    startWithServerDocument(
        {{QStringLiteral("HalvardServer/LocalServer32"),
          m_fakes.starterScript(ServerKind::Halvard, {QStringLiteral("--silent"), QStringLiteral("6")})},
         {QStringLiteral("LoginServer/LocalServer32"), m_fakes.starterScript(ServerKind::Login)},
         {QStringLiteral("HalvardServer/CallTimeoutMs"), 300}});
    launchToItsEnd();
    EXPECT_EQ(messages(),
              QStringList{QStringLiteral("Tarvo Script Application|") + server::texts::kGeneralException});
    const QStringList calls = m_fakes.waitForCalls(12);
    ASSERT_EQ(calls.size(), 12) << calls.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(calls.at(1), QStringLiteral("login login1 Login(false, \"\", \"\", 9999, %1, \"\", "
                                          "\"Corvane GUI Halvard Server\", 0, 2)")
                               .arg(static_cast<std::uint32_t>(frame().winId())));
    EXPECT_EQ(calls.at(5), QStringLiteral("halvard documents1 Open(\"%1\")").arg(m_site));
    EXPECT_EQ(calls.at(7), QStringLiteral("halvard document1 Show(true, 1)"));
    // The releases go out unanswered-for, to two servers that record on their own.
    EXPECT_TRUE(calls.mid(8).contains(QStringLiteral("halvard document1 Release()")));
    EXPECT_TRUE(calls.mid(8).contains(QStringLiteral("login login1 Release()")));
}

// The access-level message asks; Cancel ends the launch, the login released.
TEST_F(ServerCommandsTest, CancelAtTheAccessLevelMessageEndsTheLaunch)
{
    startWithServerDocument(
        {{QStringLiteral("HalvardServer/LocalServer32"), m_fakes.starterScript(ServerKind::Halvard)},
         {QStringLiteral("LoginServer/LocalServer32"),
          m_fakes.starterScript(ServerKind::Login, {QStringLiteral("--levels"), QStringLiteral("3")})}});
    ui::UserDialogs::queueAnswer(QMessageBox::Cancel);
    launchToItsEnd();
    ASSERT_EQ(ui::UserDialogs::shown().size(), 1);
    EXPECT_EQ(ui::UserDialogs::shown().at(0).kind, QStringLiteral("ask"));
    EXPECT_EQ(ui::UserDialogs::shown().at(0).text, server::texts::kInvalidAccessLevel);
    const QStringList calls = m_fakes.waitForCalls(3);
    EXPECT_EQ(calls.size(), 3) << calls.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(calls.last(), QStringLiteral("login login1 Release()"));
}

// While the login waits the window goes on: the server commands are
// disabled, a window-modal progress dialog names the wait, an event posted
// to the window is handled, and Cancel ends the launch with one message.
TEST_F(ServerCommandsTest, AWaitingLaunchKeepsTheWindowAndCancels)
{
    launchWithSilentLogin();
    EXPECT_FALSE(launch()->isEnabled());
    EXPECT_FALSE(associate()->isEnabled());
    server::LaunchProgressDialog* dialog = nullptr;
    ASSERT_TRUE(server::test::runUntil([this, &dialog] {
        dialog = frame().findChild<server::LaunchProgressDialog*>(QStringLiteral("LaunchProgressDialog"));
        return dialog != nullptr && dialog->isVisible();
    }));
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    EXPECT_EQ(dialog->stepText(),
              server::texts::kWaitingFor[static_cast<std::size_t>(server::LaunchStep::Login)]);
    bool handled = false;
    QMetaObject::invokeMethod(
        &frame(), [&handled] { handled = true; }, Qt::QueuedConnection);
    ASSERT_TRUE(server::test::runUntil([&handled] { return handled; }));
    EXPECT_TRUE(dialog->isVisible());

    dialog->cancelButton()->click();
    EXPECT_EQ(messages(),
              QStringList{QStringLiteral("Tarvo Script Application|") + server::texts::kLaunchCancelled});
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(launch()->isEnabled());
    EXPECT_EQ(m_fakes.waitForCalls(3).value(2), QStringLiteral("login login1 Release()"));
}

// Closing the launch's document gives the launch up first, without a message.
TEST_F(ServerCommandsTest, ClosingTheDocumentCancelsTheLaunch)
{
    launchWithSilentLogin();
    frame().activeFrame()->close();
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(m_fakes.waitForCalls(3).value(2), QStringLiteral("login login1 Release()"));
    settle();
    frame().documents().newDocument();
    frame().activeDocument()->setServerPath(m_site.toStdU16String());
    frame().updateCommandStates();
    EXPECT_TRUE(launch()->isEnabled());
}

} // namespace tarvo::app::test
