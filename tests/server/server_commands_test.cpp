// The server commands in the main window: where they are, when they are
// enabled, the association dialog, and a launch from the window that starts
// both servers from the programs their settings name.

#include "fake_servers.h"
#include "support/gui/editor_fixture.h"

#include "document/doc.h"
#include "server/association_dialog.h"
#include "server/server_texts.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
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
    QTimer::singleShot(0, [act, accept] {
        auto* dialog = qobject_cast<server::AssociationDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog->findChild<QLineEdit*>(QStringLiteral("serverPath")),
            *dialog->findChild<QPushButton*>(QStringLiteral("browse")));
        accept ? dialog->accept() : dialog->reject();
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
        frame().newDocument();
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
    frame().newDocument();
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
    writeServerSettings(
        {{QStringLiteral("HalvardServer/LocalServer32"),
          m_fakes.starterScript(ServerKind::Halvard, {QStringLiteral("--silent"), QStringLiteral("6")})},
         {QStringLiteral("LoginServer/LocalServer32"), m_fakes.starterScript(ServerKind::Login)},
         {QStringLiteral("HalvardServer/CallTimeoutMs"), 300}});
    ASSERT_TRUE(start());
    frame().newDocument();
    const QString site = path("site.hvd");
    QFile file(site);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    frame().activeDocument()->setServerPath(site.toStdU16String());
    frame().updateCommandStates();
    ASSERT_TRUE(launch()->isEnabled());

    launch()->trigger();
    EXPECT_EQ(messages(),
              QStringList{QStringLiteral("Tarvo Script Application|") + server::texts::kGeneralException});
    const QStringList calls = m_fakes.waitForCalls(12);
    ASSERT_EQ(calls.size(), 12) << calls.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(calls.at(1), QStringLiteral("login login1 Login(false, \"\", \"\", 9999, %1, \"\", "
                                          "\"Corvane GUI Halvard Server\", 0, 2)")
                               .arg(static_cast<std::uint32_t>(frame().winId())));
    EXPECT_EQ(calls.at(5), QStringLiteral("halvard documents1 Open(\"%1\")").arg(site));
    EXPECT_EQ(calls.at(7), QStringLiteral("halvard document1 Show(true, 1)"));
    // The releases go out unanswered-for, to two servers that record on their own.
    EXPECT_TRUE(calls.mid(8).contains(QStringLiteral("halvard document1 Release()")));
    EXPECT_TRUE(calls.mid(8).contains(QStringLiteral("login login1 Release()")));
    EXPECT_TRUE(launch()->isEnabled());
}

// The access-level message asks; Cancel ends the launch, the login released.
TEST_F(ServerCommandsTest, CancelAtTheAccessLevelMessageEndsTheLaunch)
{
    writeServerSettings(
        {{QStringLiteral("HalvardServer/LocalServer32"), m_fakes.starterScript(ServerKind::Halvard)},
         {QStringLiteral("LoginServer/LocalServer32"),
          m_fakes.starterScript(ServerKind::Login, {QStringLiteral("--levels"), QStringLiteral("3")})}});
    ASSERT_TRUE(start());
    frame().newDocument();
    const QString site = path("site.hvd");
    QFile file(site);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    frame().activeDocument()->setServerPath(site.toStdU16String());
    frame().updateCommandStates();
    ui::UserDialogs::reset();
    ui::UserDialogs::queueAnswer(QMessageBox::Cancel);
    launch()->trigger();
    ASSERT_EQ(ui::UserDialogs::shown().size(), 1);
    EXPECT_EQ(ui::UserDialogs::shown().at(0).kind, QStringLiteral("ask"));
    EXPECT_EQ(ui::UserDialogs::shown().at(0).text, server::texts::kInvalidAccessLevel);
    const QStringList calls = m_fakes.waitForCalls(3);
    EXPECT_EQ(calls.size(), 3) << calls.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(calls.last(), QStringLiteral("login login1 Release()"));
    EXPECT_TRUE(launch()->isEnabled());
}

} // namespace tarvo::app::test
