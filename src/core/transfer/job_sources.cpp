#include "transfer/job_sources.h"

#include "transfer/job_end.h"

namespace tarvo::transfer {

bool FileDocumentSaver::save(document::CS1_Doc& doc, messages::Message& reason)
{
    const document::DocResult saved = doc.saveToPath(m_path, m_takePath, m_overwrite);
    if (saved.ok())
        return true;
    reason = messages::Message::data(templates::utf8ToUtf16(m_path)).append(u": ", saved.message);
    return false;
}

} // namespace tarvo::transfer
