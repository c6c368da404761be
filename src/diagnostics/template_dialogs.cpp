#include "diagnostics/template_dialogs.h"

#include "ui/core_message_texts.h"

#include "diagnostics/diagnostic_texts.h"
#include "diagnostics/locale_table.h"
#include "model/lang_table.h"
#include "platform/text.h"
#include "templates/template_catalogue.h"
#include "templates/template_parser.h"
#include "ui/user_dialogs.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvo::diagnostics {

namespace {

constexpr int kReportWidth = 640;
constexpr int kReportHeight = 420;

QString errorLine(const templates::TemplateError& error)
{
    QString line = texts::kMessage1.arg(error.code);
    if (error.hasPosition)
        line += texts::kAtLine1Column2.arg(error.line).arg(error.column);
    return line + QStringLiteral(": ") + ui::translatedCoreMessage(error.summary);
}

QString languageText(const model::CS1_LangTable& table)
{
    model::TableHeader header;
    model::TableMetadata metadata;
    table.GetHeader(header, metadata);
    const LocaleRow* row = localeRowOf(static_cast<std::uint32_t>(metadata.windowsLanguageId));
    const QString name = row != nullptr
                             ? QString::fromLatin1(row->name.data(), static_cast<qsizetype>(row->name.size()))
                             : texts::kUnknownLanguage;
    return texts::kTable1Language0x2.arg(platform::toQString(header.friendlyName).trimmed())
        .arg(metadata.windowsLanguageId, 4, 16, QLatin1Char('0'))
        .arg(name)
        .arg(metadata.font);
}

QString parseReportOf(const std::string& path)
{
    templates::TableList tables;
    templates::CTemplateReader reader;
    QString report;
    if (reader.ParseTemplate(path, tables)) {
        report += texts::kParsed1TableSN.arg(tables.size());
        for (const auto& table : tables)
            report += languageText(*table) + QLatin1Char('\n');
    } else if (reader.Error()) {
        report += texts::kParseFailedN + errorLine(*reader.Error()) + QLatin1Char('\n');
    } else {
        report += texts::kParseFailedWithoutAMessage;
    }
    return report;
}

} // namespace

QString templateCatalogueReport(templates::TemplateCatalogue& catalogue)
{
    catalogue.RefreshTemplateCatalogue();
    QString report =
        texts::kStartFolder1NProgramFolder.arg(QString::fromStdString(catalogue.StartDirectory()),
                                               QString::fromStdString(catalogue.ProgramDirectory()));
    if (catalogue.Entries().empty())
        report += texts::kNoTemplateIsInstalledN;
    for (const templates::TemplateCatalogueEntry& entry : catalogue.Entries()) {
        report += texts::kTemplate12N.arg(entry.templateNumber).arg(QString::fromStdString(entry.path));
        report += parseReportOf(entry.path);
    }
    report += texts::kNCatalogueChecksN;
    if (catalogue.CheckErrors().empty())
        report += texts::kNoneN;
    for (const templates::TemplateError& error : catalogue.CheckErrors())
        report += errorLine(error) + QLatin1Char('\n');
    return report;
}

QString templateParseReport(const QString& path)
{
    return texts::kTemplate1N.arg(path) + parseReportOf(path.toStdString());
}

TemplateReportDialog::TemplateReportDialog(const QString& title, const QString& report, bool offerParse,
                                           QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TemplateReportDialog"));
    setWindowTitle(title);
    m_text = new QPlainTextEdit(report);
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (offerParse) {
        QPushButton* parse = buttons->addButton(texts::kParse, QDialogButtonBox::ActionRole);
        connect(parse, &QPushButton::clicked, this, [this] { parseChosenFile(); });
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    resize(kReportWidth, kReportHeight);
}

QString TemplateReportDialog::report() const
{
    return m_text->toPlainText();
}

void TemplateReportDialog::parseChosenFile(const QString& folder)
{
    const QString path =
        ui::UserDialogs::openFileName(this, texts::kParserTitle, folder, texts::kTemplateFilter);
    if (!path.isEmpty())
        m_text->setPlainText(templateParseReport(path));
}

} // namespace tarvo::diagnostics
