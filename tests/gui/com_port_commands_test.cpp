// The COM port commands in the main window: where they are, and what
// "&Configure COM Port..." changes with and without an active document.

#include "support/gui/dialog_answers.h"
#include "support/gui/editor_fixture.h"

#include "app/application.h"
#include "document/doc.h"
#include "serial/comm_port.h"
#include "ui/child_frame.h"
#include "ui/com_port/com_port_settings_dialog.h"
#include "ui/com_port/com_port_setup_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>

namespace tarvo::app::test {

namespace {

const QString kConfigure = QStringLiteral("&Configure COM Port...");
const QString kSettings = QStringLiteral("COM Port &Settings...");

QMenu* menuTitled(MainFrame& frame, const QString& title)
{
    for (QAction* action : frame.menuBar()->actions())
        if (action->text() == title && action->menu() != nullptr)
            return action->menu();
    return nullptr;
}

QAction* itemOf(QMenu* menu, const QString& text)
{
    if (menu != nullptr)
        for (QAction* action : menu->actions())
            if (action->text() == text)
                return action;
    return nullptr;
}

// When the setup dialog is up, answer it with OK after choosing port.
void chooseInNextSetupDialog(QObject* context, int portIndex)
{
    whenShown<ui::ComPortSetupDialog>(
        context, QStringLiteral("ComPortSetupDialog"), {}, [portIndex](ui::ComPortSetupDialog& dialog) {
            dialog.findChild<QComboBox*>(QStringLiteral("comPorts"))->setCurrentIndex(portIndex);
            dialog.accept();
        });
}

class ComPortCommandsTest : public EditorFixture {};

} // namespace

TEST_F(ComPortCommandsTest, TransferMenuToolbarAndDebugItem)
{
    ASSERT_TRUE(start({QStringLiteral("debug")}));
    QAction* configure = itemOf(menuTitled(frame(), QStringLiteral("&Transfer")), kConfigure);
    ASSERT_NE(configure, nullptr);
    EXPECT_TRUE(configure->isEnabled());
    EXPECT_TRUE(frame().commandToolBar()->actions().contains(configure));
    QMenu* debug = menuTitled(frame(), QStringLiteral("&Debug"));
    ASSERT_NE(debug, nullptr);
    EXPECT_EQ(debug->actions().first()->text(), kSettings);
    EXPECT_EQ(menuCount(frame(), QStringLiteral("&Debug")), 1);

    frame().documents().newDocument();
    ASSERT_NE(frame().activeDocument(), nullptr);
    EXPECT_TRUE(configure->isEnabled());
    EXPECT_EQ(menuCount(frame(), QStringLiteral("&Debug")), 1);
}

TEST_F(ComPortCommandsTest, WithoutDebugThereIsNoSettingsItem)
{
    ASSERT_TRUE(start());
    for (const QAction* action : frame().findChildren<QAction*>())
        EXPECT_NE(action->text(), kSettings);
}

TEST_F(ComPortCommandsTest, ChangingTheActiveDocumentsPortMarksItModifiedChoosingTheSameDoesNot)
{
    ASSERT_TRUE(start());
    frame().documents().newDocument();
    ui::CS1_ChildFrame* window = frame().activeFrame();
    ASSERT_NE(window, nullptr);
    document::CS1_Doc& doc = window->document();
    doc.setModified(false);
    QAction* configure = itemOf(menuTitled(frame(), QStringLiteral("&Transfer")), kConfigure);
    ASSERT_NE(configure, nullptr);

    chooseInNextSetupDialog(&frame(), doc.commSettings().portIndex);
    configure->trigger();
    EXPECT_FALSE(doc.isModified());

    chooseInNextSetupDialog(&frame(), 3);
    configure->trigger();
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(doc.commSettings().portIndex, 3);
    EXPECT_EQ(doc.commSettings().baudIndex, serial::CommSettings::forDocument().baudIndex);
    EXPECT_EQ(app().defaultComPort(), 3);
}

TEST_F(ComPortCommandsTest, WithNoDocumentTheChoiceIsThePortOfNewDocuments)
{
    ASSERT_TRUE(start());
    chooseInNextSetupDialog(&frame(), 6);
    itemOf(menuTitled(frame(), QStringLiteral("&Transfer")), kConfigure)->trigger();
    EXPECT_EQ(app().defaultComPort(), 6);
    frame().documents().newDocument();
    ASSERT_NE(frame().activeDocument(), nullptr);
    EXPECT_EQ(frame().activeDocument()->commSettings().portIndex, 6);
    EXPECT_FALSE(frame().activeDocument()->isModified());
}

TEST_F(ComPortCommandsTest, SettingsDialogShowsTheApplicationsPort)
{
    ASSERT_TRUE(start({QStringLiteral("/DEBUG")}));
    serial::CommSettings onPort = serial::CommSettings::forDocument(11);
    ASSERT_TRUE(app().commPort().configure(onPort));
    QString shownPort;
    whenShown<ui::ComPortSettingsDialog>(
        &frame(), QStringLiteral("ComPortSettingsDialog"), {},
        [&shownPort](ui::ComPortSettingsDialog& dialog) {
            shownPort = dialog.findChild<QComboBox*>(QStringLiteral("comPort"))->currentText();
            dialog.reject();
        });
    itemOf(menuTitled(frame(), QStringLiteral("&Debug")), kSettings)->trigger();
    EXPECT_EQ(shownPort, QStringLiteral("COM12"));
}

} // namespace tarvo::app::test
