#include "server/server_document_name.h"

namespace tarvo::server {

namespace {
const QString kServerDocumentExtension = QStringLiteral("hvd");
}

bool hasServerDocumentExtension(const QString& path)
{
    const QString fileName = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    return fileName.mid(dot + 1).compare(kServerDocumentExtension, Qt::CaseInsensitive) == 0;
}

} // namespace tarvo::server
