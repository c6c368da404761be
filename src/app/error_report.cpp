#include "app/error_report.h"

#include "app/app_texts.h"
#include "ui/user_dialogs.h"

#include <cerrno>
#include <cstring>

namespace tarvo::app {

QString errorReportText(int errorCode, const QString& sourceFile, int line)
{
    const int code = errorCode != 0 ? errorCode : errno;
    return texts::kErrorReport.arg(QString::fromLocal8Bit(std::strerror(code)), sourceFile,
                                   QString::number(line));
}

void showErrorReport(int errorCode, const QString& sourceFile, int line)
{
    ui::UserDialogs::message(nullptr, texts::kErrorCaption, errorReportText(errorCode, sourceFile, line),
                             ui::UserDialogs::Icon::Exclamation);
}

} // namespace tarvo::app
