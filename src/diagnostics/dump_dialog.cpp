#include "diagnostics/dump_dialog.h"

#include "diagnostics/diagnostic_texts.h"
#include "document/doc.h"
#include "export/document_dump.h"
#include "export/dump_texts.h"
#include "export/table_dump.h"
#include "model/lang_table_layout.h"
#include "platform/text.h"
#include "ui/core_message_texts.h"
#include "ui/user_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tarvo::diagnostics {

namespace {

QPushButton* button(const QString& text, QWidget* owner, const std::function<void()>& action)
{
    auto* b = new QPushButton(text, owner);
    b->setAutoDefault(false);
    QObject::connect(b, &QPushButton::clicked, owner, action);
    return b;
}

} // namespace

QString fileDialogFilter(std::u16string_view pipeFilter)
{
    // Pairs of description and pattern; the descriptions already name their patterns.
    const QStringList parts = platform::toQString(pipeFilter).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList descriptions;
    for (qsizetype i = 0; i < parts.size(); i += 2)
        descriptions << parts[i];
    return descriptions.join(QStringLiteral(";;"));
}

DumpDialog::DumpDialog(document::CS1_Doc& doc, bool iconic, std::function<bool()> commitForms,
                       QWidget* parent)
    : QDialog(parent), m_doc(doc), m_iconic(iconic), m_commitForms(std::move(commitForms))
{
    setObjectName(QStringLiteral("DumpDialog"));
    setWindowTitle(
        ui::translatedCoreText(iconic ? dump::texts::kIconicDumpDialogTitle : dump::texts::kDumpDialogTitle));

    m_output = new QLineEdit;
    auto* outputRow = new QHBoxLayout;
    outputRow->addWidget(new QLabel(texts::kOutputFile));
    outputRow->addWidget(m_output, 1);
    outputRow->addWidget(button(texts::kBrowse, this, [this] { browse(); }));

    auto* tables = new QGroupBox(texts::kLanguageTables);
    auto* tableLayout = new QFormLayout(tables);
    const std::vector<std::u16string> names = document::tableNames(doc);
    for (std::size_t p = 0; p < m_selectors.size(); ++p) {
        auto* combo = new QComboBox;
        combo->addItem(ui::translatedCoreText(dump::texts::kDumpNothing));
        for (std::size_t k = 0; k < names.size(); ++k)
            combo->addItem(platform::toQString(dump::selectorEntryText(static_cast<int>(k) + 1, names[k])));
        m_selectors[p] = combo;
        tableLayout->addRow(QString::number(p), combo);
    }

    auto* type = new QGroupBox(texts::kDumpType);
    auto* typeLayout = new QVBoxLayout(type);
    m_srecords = new QRadioButton(texts::kSRecordS);
    m_blockMap = new QRadioButton(texts::kMemoryMapSBlock);
    m_detailMap = new QRadioButton(texts::kMemoryMapSDetail);
    m_srecords->setChecked(true);
    m_detailMap->setEnabled(false);
    typeLayout->addWidget(m_srecords);
    typeLayout->addWidget(m_blockMap);
    typeLayout->addWidget(m_detailMap);
    typeLayout->addStretch();

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(button(texts::kAutoSet18, this, [this] { autoSet(); }));
    buttons->addWidget(button(texts::kClearAll, this, [this] { clearAll(); }));
    buttons->addStretch();
    auto* dumpButton = button(texts::kDump, this, [this] { dump(); });
    dumpButton->setDefault(true);
    buttons->addWidget(dumpButton);
    buttons->addWidget(button(texts::kClose, this, [this] { reject(); }));

    auto* middle = new QHBoxLayout;
    middle->addWidget(tables, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(type);
    right->addLayout(buttons);
    middle->addLayout(right);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(outputRow);
    layout->addLayout(middle);
}

dump::Positions DumpDialog::positions() const
{
    dump::Positions positions = dump::DumpRequest::noPositions();
    for (std::size_t p = 0; p < m_selectors.size(); ++p) {
        const int entry = m_selectors[p]->currentIndex();
        positions[p] = entry > 0 ? entry - 1 : dump::kNoTable;
    }
    return positions;
}

QString DumpDialog::filter() const
{
    return fileDialogFilter(m_iconic ? dump::texts::kIconicDumpFilter : dump::texts::kDumpFilter);
}

QString DumpDialog::defaultExtension() const
{
    if (m_srecords->isChecked())
        return platform::toQString(m_iconic ? dump::texts::kIconicSRecordExtension
                                            : dump::texts::kSRecordExtension);
    if (m_blockMap->isChecked())
        return platform::toQString(dump::texts::kBlockMapExtension);
    return QStringLiteral("mmd");
}

void DumpDialog::browse()
{
    const QString folder =
        m_output->text().isEmpty() ? QString() : QFileInfo(m_output->text()).absolutePath();
    QString path = ui::UserDialogs::saveFileName(this, windowTitle(), folder, filter());
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) {
        // The file dialog asked about the name it returned; a name that gets
        // the default extension here is asked about again.
        path += QLatin1Char('.') + defaultExtension();
        if (QFileInfo::exists(path) &&
            ui::UserDialogs::ask(this, windowTitle(), texts::k1AlreadyExistsNDoYou.arg(path),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
            path.clear();
    }
    m_output->setText(path);
}

void DumpDialog::autoSet()
{
    const dump::Positions automatic = dump::autoSetPositions(static_cast<int>(m_doc.tableCount()));
    for (std::size_t p = 0; p < m_selectors.size(); ++p)
        m_selectors[p]->setCurrentIndex(automatic[p] == dump::kNoTable ? 0 : automatic[p] + 1);
}

void DumpDialog::clearAll()
{
    for (QComboBox* combo : m_selectors)
        combo->setCurrentIndex(0);
}

bool DumpDialog::dump()
{
    if (m_output->text().isEmpty()) {
        ui::UserDialogs::message(this, QApplication::applicationDisplayName(),
                                 ui::translatedCoreText(dump::texts::kOutputFileNotSpecified),
                                 ui::UserDialogs::Icon::None);
        return false;
    }
    if (m_commitForms && !m_commitForms())
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    dump::DumpRequest request;
    request.positions = positions();
    request.type = m_srecords->isChecked() ? dump::DumpType::SRecords : dump::DumpType::BlockMemoryMap;
    request.iconic = m_iconic && request.type == dump::DumpType::SRecords;
    request.outputPath = m_output->text().toStdString();
    const dump::DumpResult result = dump::writeDocumentDump(m_doc, request);
    if (result.ok && request.type == dump::DumpType::SRecords) {
        // The dumped tables keep the font slot they were dumped with; the
        // document is not marked modified by it.
        for (const int index : request.positions) {
            if (index == dump::kNoTable || static_cast<std::size_t>(index) >= m_doc.tableCount())
                continue;
            const auto image = m_doc.table(static_cast<std::size_t>(index)).MutableImage();
            image[model::layout::kFontSlotOffset] = dump::dumpedFontSlot(image[model::layout::kFontOffset]);
        }
    }
    QApplication::restoreOverrideCursor();
    if (!result.ok)
        ui::UserDialogs::message(this, QApplication::applicationDisplayName(),
                                 ui::translatedCoreMessage(result.said), ui::UserDialogs::Icon::Exclamation);
    return result.ok;
}

} // namespace tarvo::diagnostics
