#pragma once
// The template tools of the Debug menu: the catalogue of templates a new
// document is made from (each file, its languages, its parse result and the
// catalogue's own check messages), and the parser run on a chosen file with
// each message and its line and column.

#include <QDialog>
#include <QString>

class QPlainTextEdit;

namespace tarvo::templates {
class TemplateCatalogue;
}

namespace tarvo::diagnostics {

// Rebuilds the catalogue and describes it.
QString templateCatalogueReport(templates::TemplateCatalogue& catalogue);
// Parses one template file and describes the result.
QString templateParseReport(const QString& path);

// A read-only report in a fixed font, with an optional "&Parse..." button
// that asks for a template and shows the parser's report of it.
class TemplateReportDialog final : public QDialog {
    Q_OBJECT
public:
    TemplateReportDialog(const QString& title, const QString& report, bool offerParse,
                         QWidget* parent = nullptr);
    QString report() const;
    // Asks for a file (starting in folder) and shows its parse report.
    void parseChosenFile(const QString& folder = {});

private:
    QPlainTextEdit* m_text = nullptr;
};

} // namespace tarvo::diagnostics
