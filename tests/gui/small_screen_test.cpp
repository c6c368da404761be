// The smallest screen installers use, 1024 x 768 at 100 %: the editor's
// window maximised on it shows the main CCL menu's form whole beside the tree.

#include "support/gui/editor_fixture.h"

#include "document/doc.h"
#include "ui/child_frame.h"
#include "ui/forms/form_pane.h"
#include "ui/tree/node_key.h"
#include "ui/tree/tree_view.h"
#include "ui/view.h"

#include <QDir>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

namespace tarvo::app::test {
namespace {

constexpr int kMainMenu = 80;

TEST_F(EditorFixture, TheMainMenuFormNeedsNoScrollBarOnA1024By768Screen)
{
    ASSERT_TRUE(start());
    ASSERT_EQ(frame().screen()->size(), QSize(1024, 768));
    frame().showMaximized();
    frame().action(Command::New)->trigger();
    ui::CS1_ChildFrame* window = frame().activeFrame();
    ASSERT_NE(window, nullptr) << messages().join('\n').toStdString();
    window->showMaximized();
    ui::CS1_TreeView& tree = *window->view()->tree();
    // Every table of the template: the Latin, Cyrillic and Hangul fonts differ in width.
    for (std::size_t table = 0; table < window->document().tableCount(); ++table) {
        SCOPED_TRACE(table);
        tree.setCurrentItem(
            tree.GetTreeItem(ui::packNodeKey(ui::kNodeMainMenu, static_cast<int>(table), kMainMenu)));
        settle();
        const auto* scroll = window->view()->form()->findChild<QScrollArea*>();
        ASSERT_NE(scroll, nullptr);
        // With TARVO_SHOT_DIR set, the window is saved there to be looked at.
        if (const QString folder = qEnvironmentVariable("TARVO_SHOT_DIR"); !folder.isEmpty())
            frame().grab().save(
                QDir(folder).filePath(QStringLiteral("main_form_1024x768_%1.png").arg(table)));
        const QSize needed = scroll->widget()->minimumSizeHint();
        const QSize room = scroll->viewport()->size();
        EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible())
            << "the form needs " << needed.width() << " px, the pane has " << room.width();
        EXPECT_FALSE(scroll->verticalScrollBar()->isVisible())
            << "the form needs " << needed.height() << " px, the pane has " << room.height();
    }
}

} // namespace
} // namespace tarvo::app::test
