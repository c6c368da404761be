// The editor's Download dialogs against a simulated keyboard at 57600 baud
// with wire-time pacing, offscreen: how long the event loop is ever kept
// from running (so the window repaints and takes clicks) over the whole
// download, and how long after a click on Cancel during the write the
// question is asked. Goal for both: at most 100 ms.

// The core headers come before Qt's: a member of theirs is named like a Qt keyword.
#include "document/doc.h"
#include "templates/template_catalogue.h"
#include "transfer/download_job.h"

#include "platform/event_loop_host.h"
#include "platform/qt_serial_port.h"
#include "serial/comm_port.h"
#include "transfer_bench_support.h"
#include "ui/transfer_job_host.h"
#include "ui/transfer_texts.h"
#include "ui/user_dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kBaud = 57600;
constexpr double kGoalMs = 100;
constexpr int kTickMs = 10;
constexpr int kPollMs = 1;
constexpr int kSlot = 1;
constexpr int kBlocksBeforeCancel = 500;

// The longest time between two ticks of a kTickMs timer, beyond kTickMs.
class LoopWatch {
public:
    LoopWatch()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.elapsed();
            m_worstMs = std::max(m_worstMs, now - m_lastMs - kTickMs);
            m_lastMs = now;
        });
        m_clock.start();
        m_timer.start(kTickMs);
    }
    qint64 worstMs() const { return m_worstMs; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_lastMs = 0;
    qint64 m_worstMs = 0;
};

int blocksDone(const tarvo::ui::TransferProgressDialog& progress)
{
    return progress.blockText().section(QLatin1Char(' '), 0, 0).toInt();
}

bool askedSoFar(qsizetype before)
{
    return tarvo::ui::UserDialogs::shown().size() > before;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace tarvo;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::UserDialogs::setScripted(true);

    bench::SimulatedKeyboard keyboard;
    std::string error;
    if (!keyboard.start(kBaud, error)) {
        std::fprintf(stderr, "bench_dialog_latency: %s\n", error.c_str());
        return 1;
    }
    qputenv("TARVO_COM1", QByteArray::fromStdString(keyboard.linkPath()));

    document::DocumentNumberPool pool;
    const std::string templatePath = std::string(TARVO_SOURCE_DIR) + "/data/templates/Standard.LT3";
    auto made = document::createNewDocument(
        pool, [&templatePath](int) { return templates::buildTablesFromTemplate(templatePath); }, nullptr, 0);
    if (!made.doc) {
        std::fprintf(stderr, "bench_dialog_latency: no document from %s\n", templatePath.c_str());
        return 1;
    }

    platform::QtSerialPort device;
    serial::CCommPort port(device);
    serial::CommSettings settings = serial::CommSettings::forDocument(0);
    platform::EventLoopHost loop;
    ui::TransferJobHost host(ui::TransferSlotDialog::Kind::Download, nullptr);
    transfer::DownloadJobSetup setup;
    setup.forceWrite = true; // the merged table equals the keyboard's
    transfer::JobLine line{loop, port, settings, keyboard.linkPath()};
    transfer::DownloadJob job(line, host, host.jobOptions(), *made.doc, setup);
    host.setContinueAfterMerge([&job] { job.continueAfterMerge(); });

    host.setChoiceHook([](ui::TransferSlotDialog& dialog) {
        dialog.list(kSlot)->setCurrentIndex(1);
        dialog.backupOption()->setChecked(false);
        dialog.okButton()->click();
    });
    QElapsedTimer sinceCancel;
    qint64 questionMs = -1;
    qsizetype shownBeforeCancel = 0;
    QTimer driver;
    driver.setTimerType(Qt::PreciseTimer);
    host.setProgressHook([&](ui::TransferProgressDialog& progress) {
        QObject::connect(&driver, &QTimer::timeout, [&] {
            if (progress.waitingForOk()) {
                progress.button()->click();
            } else if (progress.finished()) {
                driver.stop();
                progress.button()->click();
            } else if (sinceCancel.isValid() && questionMs < 0 && askedSoFar(shownBeforeCancel)) {
                questionMs = sinceCancel.elapsed();
            } else if (!sinceCancel.isValid() &&
                       progress.windowTitle() == ui::transfer_texts::kTransferTitle &&
                       blocksDone(progress) >= kBlocksBeforeCancel) {
                // Cancel, answered No: the write goes on.
                shownBeforeCancel = ui::UserDialogs::shown().size();
                ui::UserDialogs::queueAnswer(QMessageBox::No);
                sinceCancel.start();
                progress.button()->click();
            }
        });
        driver.start(kPollMs);
    });

    LoopWatch watch;
    QElapsedTimer whole;
    whole.start();
    const transfer::JobEnd& end =
        host.run(job, [&job](const std::vector<transfer::SlotRequest>& chosen) { job.chooseSlots(chosen); });
    const double wholeS = static_cast<double>(whole.elapsed()) / 1000.0;
    keyboard.stop();
    if (end.status != transfer::JobStatus::Complete || questionMs < 0) {
        std::fprintf(stderr,
                     "bench_dialog_latency: the download did not complete with a cancel answered No: %s\n",
                     end.message.c_str());
        return 1;
    }
    const auto worst = static_cast<double>(watch.worstMs());
    std::printf("editor download of slot %d at %d baud (%.1f s): longest the event loop was held %.0f ms, "
                "ratio %.2f (goal at most %.0f ms)\n",
                kSlot, kBaud, wholeS, worst, worst / kGoalMs, kGoalMs);
    std::printf("Cancel during the write to its question: %lld ms, ratio %.2f (goal at most %.0f ms)\n",
                static_cast<long long>(questionMs), static_cast<double>(questionMs) / kGoalMs, kGoalMs);
    return 0;
}
