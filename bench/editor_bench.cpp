// The editor offscreen, as a user meets it: File Open of a document of 13
// language tables with full script menus until its tree is drawn (goal under
// 50 ms), selecting another script menu in the tree until its form is drawn
// (goal under 30 ms), and the editor's resident memory with 16 such
// documents open (goal under 150 MB). Each prints the median, the worst and
// the ratio of the median to its goal.

// The core headers come before Qt's: a member of theirs is named like a Qt keyword.
#include "document/doc.h"
#include "full_tables.h"

#include "app/application.h"
#include "app/main_frame.h"
#include "ui/child_frame.h"
#include "ui/tree/node_key.h"
#include "ui/tree/tree_view.h"
#include "ui/user_dialogs.h"
#include "ui/view.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTreeWidgetItem>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <time.h>
#include <vector>

namespace {

using namespace tarvo;

constexpr int kTables = 13;
constexpr int kDocuments = 16;
constexpr double kOpenGoalMs = 50;
constexpr double kSelectGoalMs = 30;
constexpr double kMemoryGoalMb = 150;
constexpr int kDrawTimeoutMs = 5000;
constexpr double kKbPerMb = 1024.0;

// Counts the paint events that reach a widget inside watched.
class PaintWatch final : public QObject {
public:
    void watch(const QWidget* widget)
    {
        m_watched = widget;
        m_painted = false;
    }
    bool painted() const { return m_painted; }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && m_watched != nullptr && object->isWidgetType()) {
            const auto* widget = static_cast<const QWidget*>(object);
            if (widget == m_watched || m_watched->isAncestorOf(widget))
                m_painted = true;
        }
        return false;
    }

private:
    const QWidget* m_watched = nullptr;
    bool m_painted = false;
};

// Runs the loop until watch saw a paint; false when none came.
bool untilPainted(const PaintWatch& watch)
{
    QElapsedTimer waited;
    waited.start();
    while (!watch.painted()) {
        if (waited.elapsed() > kDrawTimeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, kDrawTimeoutMs);
    }
    return true;
}

// The processor time of this thread in milliseconds: unlike the wall time it
// does not grow when others share the machine.
double processorMs()
{
    timespec t{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Wall and processor milliseconds of one operation.
struct Took {
    std::vector<double> wallMs;
    std::vector<double> processorMs;
};

double medianOf(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

double residentMb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmRSS:"))
            return std::stod(line.substr(6)) / kKbPerMb;
    return -1;
}

void printFigure(const char* what, const Took& took, double goalMs)
{
    const double median = medianOf(took.wallMs);
    const double worst = *std::max_element(took.wallMs.begin(), took.wallMs.end());
    std::printf("%s: median %.1f ms, worst %.1f ms over %zu, ratio %.2f (goal under %.0f ms); processor time "
                "median %.1f ms\n",
                what, median, worst, took.wallMs.size(), median / goalMs, goalMs, medianOf(took.processorMs));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings, documents and the start directory in a folder of the bench's own.
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DOCUMENTS_DIR", home.filePath(QStringLiteral("Documents")).toUtf8());
    QDir(home.path()).mkpath(QStringLiteral("start"));
    QDir::setCurrent(home.filePath(QStringLiteral("start")));
    QApplication application(argc, argv);
    ui::UserDialogs::setScripted(true);

    // kDocuments files of the same 13 tables: an open file is not opened twice.
    QStringList files;
    {
        document::DocumentNumberPool pool;
        auto number = pool.take();
        document::CS1_Doc doc(std::move(*number), 0);
        doc.newDocument(bench::fullTables(kTables), nullptr);
        for (int i = 0; i < kDocuments; ++i) {
            files << home.filePath(QStringLiteral("site%1.tvo").arg(i + 1));
            if (!doc.saveToPath(files.back().toStdString(), true).ok()) {
                std::fprintf(stderr, "bench_editor: %s could not be saved\n", qPrintable(files.back()));
                return 1;
            }
        }
    }

    app::CZodARApp editor({}, QStringLiteral(TARVO_SOURCE_DIR "/data/templates"));
    if (!editor.initInstance())
        return 1;
    app::MainFrame& frame = *editor.mainFrame();
    PaintWatch watch;
    application.installEventFilter(&watch);
    QCoreApplication::processEvents();
    const double startedMb = residentMb();

    Took opens;
    for (const QString& file : files) {
        QElapsedTimer took;
        took.start();
        const double processorBefore = processorMs();
        if (!frame.documents().openDocumentFile(file)) {
            std::fprintf(stderr, "bench_editor: %s did not open\n", qPrintable(file));
            return 1;
        }
        watch.watch(frame.activeFrame()->view()->tree()->viewport());
        if (!untilPainted(watch)) {
            std::fprintf(stderr, "bench_editor: the tree of %s was never drawn\n", qPrintable(file));
            return 1;
        }
        opens.wallMs.push_back(static_cast<double>(took.nsecsElapsed()) / 1e6);
        opens.processorMs.push_back(processorMs() - processorBefore);
    }
    const double openMb = residentMb();

    // Every script menu of every table in the last document, in tree order.
    ui::CS1_View& view = *frame.activeFrame()->view();
    ui::CS1_TreeView& tree = *view.tree();
    Took selects;
    for (int table = 0; table < kTables; ++table)
        for (int menu = ui::kMainScriptMenu; menu <= ui::kLastScriptMenu; ++menu) {
            const std::uint32_t key = ui::packNodeKey(*ui::kindForMenu(menu), table, menu);
            QTreeWidgetItem* item = tree.GetTreeItem(key);
            if (item == nullptr) {
                std::fprintf(stderr, "bench_editor: no node for menu %d of table %d\n", menu, table);
                return 1;
            }
            QElapsedTimer took;
            took.start();
            const double processorBefore = processorMs();
            tree.setCurrentItem(item);
            watch.watch(view.form());
            if (!untilPainted(watch)) {
                std::fprintf(stderr, "bench_editor: the form of menu %d was never drawn\n", menu);
                return 1;
            }
            selects.wallMs.push_back(static_cast<double>(took.nsecsElapsed()) / 1e6);
            selects.processorMs.push_back(processorMs() - processorBefore);
        }

    const QString openWhat =
        QStringLiteral("File Open of a document of %1 tables to its drawn tree").arg(kTables);
    printFigure(qPrintable(openWhat), opens, kOpenGoalMs);
    printFigure("selecting another script menu to its drawn form", selects, kSelectGoalMs);
    const double mb = residentMb();
    std::printf(
        "resident memory with %d documents of %d tables open: %.1f MB (%.1f MB at start, %.1f MB after "
        "the opens), ratio %.2f (goal under %.0f MB)\n",
        kDocuments, kTables, mb, startedMb, openMb, mb / kMemoryGoalMb, kMemoryGoalMb);
    std::fflush(stdout);
    return 0;
}
