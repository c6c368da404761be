#pragma once
// The hand-over sheet as a PDF file: written to a temporary file beside it
// and renamed into place only when complete.

#include "sheet/handover_sheet.h"

namespace tarvo::sheet {

// False with the reason when it cannot be written (an existing file is kept).
bool writeSheetPdf(const SheetSource& source, const QString& path, QString& reason);

} // namespace tarvo::sheet
