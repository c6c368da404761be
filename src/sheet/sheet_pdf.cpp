#include "sheet/sheet_pdf.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace tarvo::sheet {

namespace {
constexpr int kPdfDotsPerInch = 300;
} // namespace

bool writeSheetPdf(const SheetSource& source, const QString& path, QString& reason)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(kPdfDotsPerInch);
        writer.setCreator(QStringLiteral("tarvo"));
        writer.setTitle(QStringLiteral("Hand-over sheet"));
        renderSheet(source, writer);
    }
    if (!file.commit()) {
        reason = file.errorString();
        return false;
    }
    return true;
}

} // namespace tarvo::sheet
