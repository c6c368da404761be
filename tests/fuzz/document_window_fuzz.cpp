// Any bytes opened the way the editor opens a document file: into a document
// window, whose every tree node is then selected (each one shows its form),
// before the window is closed again. Runs on the offscreen platform with the
// message boxes answered by the dialog seam; the checks are the sanitizers'
// and that the document numbers all come back.

#include "app/application.h"
#include "app/main_frame.h"
#include "document/doc.h"
#include "fuzz_check.h"
#include "ui/child_frame.h"
#include "ui/tree/tree_view.h"
#include "ui/user_dialogs.h"
#include "ui/view.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidgetItemIterator>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

using namespace tarvo;

struct Editor {
    Editor()
    {
        TARVO_FUZZ_CHECK(home.isValid());
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           home.filePath(QStringLiteral("config")));
        qputenv("XDG_DOCUMENTS_DIR", home.filePath(QStringLiteral("Documents")).toUtf8());
        ui::UserDialogs::setScripted(true);
        program = std::make_unique<app::CZodARApp>(QByteArrayList{},
                                                   QStringLiteral(TARVO_SOURCE_DIR "/data/templates"));
        TARVO_FUZZ_CHECK(program->initInstance());
    }

    QTemporaryDir home;
    std::unique_ptr<app::CZodARApp> program;
};

// The editor, started once in a folder of its own, lives as long as the
// process: Qt cannot end an application from the process's exit handlers
// (its own statics are gone by then). What the font libraries then still
// hold is listed in tools/lsan-suppressions.txt.
Editor& editor()
{
    static Editor* started = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "fuzz_document_window";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
        return new Editor;
    }();
    return *started;
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The n-th node of the tree in display order, expanding as it goes so that
// every node is reached; null past the last.
QTreeWidgetItem* nodeAt(QTreeWidget& tree, int n)
{
    int index = 0;
    for (QTreeWidgetItemIterator it(&tree); *it != nullptr; ++it, ++index) {
        (*it)->setExpanded(true);
        if (index == n)
            return *it;
    }
    return nullptr;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Editor& e = editor();
    app::MainFrame& frame = *e.program->mainFrame();
    const QString path = e.home.filePath(QStringLiteral("input.tvo"));
    {
        QFile file(path);
        TARVO_FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        TARVO_FUZZ_CHECK(file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) ==
                         static_cast<qint64>(size));
    }
    ui::UserDialogs::reset();
    if (frame.documents().openDocumentFile(path)) {
        ui::CS1_ChildFrame* window = frame.activeFrame();
        TARVO_FUZZ_CHECK(window != nullptr);
        ui::CS1_TreeView& tree = *window->view()->tree();
        // Selecting a node may rebuild items: each one is looked up afresh.
        for (int n = 0; QTreeWidgetItem* node = nodeAt(tree, n); ++n) {
            tree.setCurrentItem(node);
            settle();
        }
        // Nothing is saved: the input's file is left as it was.
        window->document().setModified(false);
        frame.action(app::Command::Close)->trigger();
        settle();
    }
    TARVO_FUZZ_CHECK(frame.frames().isEmpty());
    TARVO_FUZZ_CHECK(e.program->documentNumbers().inUse() == 0);
    return 0;
}
