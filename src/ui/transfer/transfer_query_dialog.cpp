#include "ui/transfer/transfer_query_dialog.h"

#include "ui/core_message_texts.h"

#include "platform/event_loop_host.h"
#include "platform/history_file.h"
#include "platform/port_paths.h"
#include "platform/text.h"
#include "transfer/job_end.h"
#include "transfer/line_speed.h"
#include "transfer/query_session.h"
#include "ui/transfer/transfer_texts.h"
#include "ui/user_dialogs.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QVBoxLayout>

namespace tarvo::ui {

namespace {

constexpr std::array<int, TransferQueryDialog::kFields> kFieldWidths = {190, 60, 60, 70, 80};

} // namespace

TransferQueryDialog::TransferQueryDialog(serial::CCommPort& port, const serial::CommSettings& settings,
                                         QWidget* parent)
    : QDialog(parent), m_settings(settings), m_host(std::make_unique<platform::EventLoopHost>())
{
    setObjectName(QStringLiteral("TransferQueryDialog"));
    setWindowTitle(transfer_texts::kQueryTitle);
    auto* layout = new QVBoxLayout(this);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    QFont italic = m_status->font();
    italic.setItalic(true);
    m_status->setFont(italic);
    layout->addWidget(m_status);

    auto* group = new QGroupBox(transfer_texts::kQueryGroup, this);
    auto* grid = new QGridLayout(group);
    // The heading's words stand over their columns, in any font: one label each.
    const QStringList headings = transfer_texts::kQueryHeading.text().split(
        QRegularExpression(QStringLiteral("\\s{2,}")), Qt::SkipEmptyParts);
    for (int c = 0; c < kFields && c < headings.size(); ++c) {
        auto* heading = new QLabel(headings.at(c), group);
        heading->setTextFormat(Qt::PlainText);
        grid->addWidget(heading, 0, c);
    }
    auto* rule = new QFrame(group);
    rule->setFrameShape(QFrame::HLine);
    grid->addWidget(rule, 1, 0, 1, kFields);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kFields; ++c) {
            auto* edit = new QLineEdit(group);
            edit->setReadOnly(true);
            edit->setFrame(false);
            edit->setMinimumWidth(kFieldWidths[static_cast<std::size_t>(c)]);
            edit->setObjectName(QStringLiteral("row%1_%2").arg(r + 1).arg(c));
            grid->addWidget(edit, r + 2, c);
            m_fields[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = edit;
        }
    layout->addWidget(group);
    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(transfer_texts::kButtonOk, QDialogButtonBox::AcceptRole);
    connect(m_ok, &QPushButton::clicked, this, &TransferQueryDialog::finishDialog);
    layout->addWidget(buttons);

    transfer::SessionOptions options; // the remembered speed first (else 19200), then the other once
    m_devicePath = platform::comPortDevicePath(m_settings.portIndex);
    options.probe = transfer::probeForDevice(transfer::LineSpeedChoice::Auto, &m_lineSpeeds, m_devicePath);
    m_session = std::make_unique<transfer::QuerySession>(*m_host, *this, port, m_settings, options);
    m_session->setRowListener([this](const transfer::TableInfoRow& row) { fillRow(row); });
}

TransferQueryDialog::~TransferQueryDialog()
{
    // A session still running releases the port as it goes.
    if (m_session && m_session->hasStarted() && !m_session->hasEnded()) {
        m_closing = true;
        m_session->close();
    }
}

int TransferQueryDialog::exec()
{
    QTimer::singleShot(0, this, [this] { m_session->start(); });
    return QDialog::exec();
}

QString TransferQueryDialog::statusText() const
{
    return m_status->text();
}

QString TransferQueryDialog::field(int row, int column) const
{
    return m_fields.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column))->text();
}

int TransferQueryDialog::endCode() const
{
    return m_session->hasEnded() ? m_session->endCode() : 0;
}

void TransferQueryDialog::fillRow(const transfer::TableInfoRow& row)
{
    if (row.slot < 1 || row.slot > kRows)
        return;
    auto& fields = m_fields[static_cast<std::size_t>(row.slot - 1)];
    fields[0]->setText(translatedCoreMessage(row.description));
    fields[1]->setText(platform::toQString(row.schemaText));
    fields[2]->setText(platform::toQString(row.fontText));
    fields[3]->setText(platform::toQString(row.versionText));
    fields[4]->setText(platform::toQString(row.languageIdText));
}

// OK, Escape and the close command all end the session (5000 once the
// keyboard is offline, 5005 before); the dialog closes when it has ended.
void TransferQueryDialog::finishDialog()
{
    if (m_session->hasStarted() && !m_session->hasEnded()) {
        m_closing = true;
        m_session->close();
    }
    if (!m_session->hasStarted() || m_session->hasEnded())
        done(m_session->hasEnded() ? m_session->endCode() : QDialog::Rejected);
}

void TransferQueryDialog::reject()
{
    finishDialog();
}

void TransferQueryDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
    finishDialog();
}

void TransferQueryDialog::setStatusText(const messages::Message& text)
{
    m_status->setText(translatedCoreMessage(text));
}

void TransferQueryDialog::showProgress(int, const messages::Message&) {}

void TransferQueryDialog::showBlockProgress(int, int, const messages::Message&) {}

void TransferQueryDialog::showMessage(const messages::Message& text)
{
    // A failure names what the port said about it (the address and the
    // reason), as a download's or an import's end does.
    const messages::Message shown = transfer::withPortDetail(*m_session, text);
    UserDialogs::message(this, windowTitle(), translatedCoreMessage(shown));
}

bool TransferQueryDialog::ask(const messages::Message& question)
{
    return UserDialogs::ask(this, windowTitle(), translatedCoreMessage(question),
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

// Complete: the rows stay until OK. Anything else closes the dialog (its
// message has been shown).
void TransferQueryDialog::sessionEnded(int code)
{
    // A history that cannot be written never stops a query; the editor says nothing of it.
    platform::recordQuery(history::kEditorProgram, m_devicePath, *m_session);
    if (code == transfer::kEndComplete)
        m_lineSpeeds.remember(m_devicePath, transfer::baudRateOfIndex(m_settings.baudIndex));
    if (code == transfer::kEndComplete && !m_closing)
        return;
    QTimer::singleShot(0, this, [this, code] { done(code); });
}

} // namespace tarvo::ui
