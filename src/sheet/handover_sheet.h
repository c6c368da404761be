#pragma once
// The hand-over sheet of a document: a cover (the document, its SHA-256, the
// date and, when asked, the last transfer of each keyboard the history knows
// for it), then per table its header fields and each script menu 80-95 as a
// grid of its 14 entries: the lines as the keyboard shows them, the action in
// words, and which entries are edited. The pages are HTML laid out by
// QTextDocument, so the text stays text in a PDF.

#include "document/doc.h"
#include "history/history_rows.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

class QPagedPaintDevice;

namespace tarvo::sheet {

struct SheetSource {
    const document::CS1_Doc* doc = nullptr;
    QString documentPath;   // as saved; empty for a document never saved
    QString documentSha256; // of the saved file; empty when none
    QDate date;
    // The last transfer of each keyboard for this document; nullopt: not asked for.
    std::optional<std::vector<history::TransferRow>> lastTransfers;
};

// The source for a saved (or never saved) document, dated today; withHistory
// reads the transfer history (a history that cannot be read is a note in note).
SheetSource sheetSourceFor(const document::CS1_Doc& doc, const QString& path, bool withHistory,
                           QString& note);

QString sheetHtml(const SheetSource& source);

// When the tables hold Hangul or CJK text and no installed font has it: a
// warning that names the package to install; empty otherwise.
QString missingFontWarning(const document::CS1_Doc& doc);

// Lays the pages out on device (a PDF writer or a printer), numbered.
void renderSheet(const SheetSource& source, QPagedPaintDevice& device);

} // namespace tarvo::sheet
