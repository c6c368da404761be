#include "transfer/transfer_job.h"

namespace tarvo::transfer {

TransferJob::TransferJob(JobLine line, JobListener& listener, JobOptions options)
    : m_line(std::move(line)), m_listener(listener), m_options(options),
      m_probe(probeForDevice(options.lineSpeed, options.speeds, m_line.devicePath))
{
}

TransferJob::~TransferJob() = default;

void TransferJob::start()
{
    if (m_stage != JobStage::NotStarted)
        return;
    SessionOptions options;
    options.endWhenComplete = true;
    options.progressPauses = m_options.progressPauses;
    options.probe = m_probe;
    m_inspection = std::make_unique<SlotInspectionSession>(m_line.host, sessionView(), m_line.port,
                                                           m_line.settings, options);
    runSession(JobStage::Inspect, *m_inspection);
}

const SlotInspectionSession* TransferJob::inspection() const
{
    return m_stage == JobStage::Inspect ? nullptr : m_inspection.get();
}

void TransferJob::setFrameObserver(serial::CBpProtocol::FrameObserver observer)
{
    m_observer = std::move(observer);
    if (m_running)
        m_running->setFrameObserver(m_observer);
}

void TransferJob::cancel()
{
    if (hasEnded())
        return;
    if (m_stage == JobStage::NotStarted) {
        finishWith(JobStatus::Cancelled, messages::Message(texts::kCancelled));
        return;
    }
    m_cancelRequested = true;
    if (m_running && !m_running->hasEnded()) {
        cancelSession(*m_running);
        return;
    }
    if (waitingForChoice() || holding())
        finish(cancelledBetweenSessions());
    // Otherwise a step is on its way: it ends the job before starting anything.
}

void TransferJob::answerCancel(bool cancel)
{
    if (!cancel)
        m_cancelRequested = false;
    if (m_running && !m_running->hasEnded())
        answerCancelQuestion(*m_running, cancel);
}

void TransferJob::cancelSession(TransferSession& session)
{
    session.close();
}

JobEnd TransferJob::cancelledBetweenSessions() const
{
    return jobEnd(JobStatus::Cancelled, messages::Message(texts::kCancelled));
}

void TransferJob::inspected()
{
    setStage(JobStage::ChoosingSlots);
    m_listener.slotChoiceNeeded();
}

void TransferJob::setStage(JobStage stage)
{
    if (hasEnded())
        return;
    m_stage = stage;
    m_listener.stageStarted(stage);
}

void TransferJob::runSession(JobStage stage, TransferSession& session)
{
    setStage(stage);
    if (m_cancelRequested) {
        // Cancelled between the sessions (or from the stage's own start).
        finish(cancelledBetweenSessions());
        return;
    }
    m_running = &session;
    m_runningStage = stage;
    if (m_observer)
        session.setFrameObserver(m_observer);
    session.start();
}

void TransferJob::post(std::function<void()> fn)
{
    m_line.host.postStep([alive = std::weak_ptr<int>(m_alive), this, fn = std::move(fn)] {
        if (!alive.expired() && !hasEnded())
            fn();
    });
}

void TransferJob::finish(JobEnd end)
{
    if (hasEnded())
        return;
    m_end = std::move(end);
    if (m_end.status == JobStatus::Complete) {
        m_end.message.clear();
        m_end.line = {};
    } else if (m_end.happened.empty())
        m_end.happened = m_end.line;
    m_stage = JobStage::Ended;
    m_listener.jobEnded(m_end);
}

void TransferJob::finishWith(JobStatus status, std::string message, std::optional<int> slot)
{
    finish(jobEnd(status, std::move(message), slot));
}

void TransferJob::finishWith(JobStatus status, const messages::Message& message, std::optional<int> slot)
{
    finish(jobEnd(status, message, slot));
}

SessionOptions TransferJob::followingOptions() const
{
    SessionOptions options;
    options.startAtFoundSpeed = true;
    options.endWhenComplete = true;
    options.progressPauses = m_options.progressPauses;
    options.frameRetries = m_options.frameRetries;
    options.probe = m_probe;
    return options;
}

void TransferJob::inspectionFinished()
{
    if (m_inspection->endCode() != kEndComplete) {
        finish(sessionEnd(*m_inspection));
        return;
    }
    if (m_options.speeds != nullptr)
        m_options.speeds->remember(m_line.devicePath, baudRateOfIndex(m_line.settings.baudIndex));
    m_listings = m_inspection->listings();
    addInterruptedWrites(m_listings, m_options.interruptedWrites, keyboardIdText(m_inspection->keyboardId()),
                         m_line.device());
    if (m_cancelRequested) {
        finish(cancelledBetweenSessions());
        return;
    }
    inspected();
}

void TransferJob::setStatusText(const messages::Message& text)
{
    if (m_options.view)
        m_options.view->setStatusText(text);
}

void TransferJob::showProgress(int code, const messages::Message& text)
{
    if (m_options.view)
        m_options.view->showProgress(code, text);
}

void TransferJob::showBlockProgress(int done, int total, const messages::Message& tableLine)
{
    if (m_options.view)
        m_options.view->showBlockProgress(done, total, tableLine);
}

void TransferJob::showMessage(const messages::Message& text)
{
    if (m_options.view)
        m_options.view->showMessage(text);
}

bool TransferJob::ask(const messages::Message& question)
{
    return m_options.view ? m_options.view->ask(question) : true;
}

void TransferJob::sessionEnded(int)
{
    // The session is still inside its own end: it is looked at from the loop.
    post([this] {
        TransferSession* session = m_running;
        if (session == nullptr || !session->hasEnded())
            return;
        m_running = nullptr;
        if (m_runningStage == JobStage::Inspect)
            inspectionFinished();
        else
            sessionFinished(m_runningStage, *session);
    });
}

} // namespace tarvo::transfer
