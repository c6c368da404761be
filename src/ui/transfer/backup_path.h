#pragma once
// Where a download's backup goes: next to the document with the date and
// time in its name, or in the scripts folder for a never-saved document or a
// folder that cannot be written.

#include <QString>

class QDateTime;

namespace tarvo::ui {

QString backupPathFor(const QString& documentPath, const QString& title, const QString& scriptsFolder,
                      const QDateTime& when);

} // namespace tarvo::ui
