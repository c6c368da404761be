#pragma once
// The error report of failures that carry a system error code: the system's
// text for the code (the last error when the code is 0), then the source
// file and line, under the caption "Error", shown without an owner.

#include <QString>

namespace tarvo::app {

QString errorReportText(int errorCode, const QString& sourceFile, int line);
void showErrorReport(int errorCode, const QString& sourceFile, int line);

} // namespace tarvo::app
