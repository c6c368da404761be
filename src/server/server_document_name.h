#pragma once
// Which paths may name a Halvard server document.

#include <QString>

namespace tarvo::server {

// True when the extension of the file name itself (the text after its last
// dot; folders do not count) is "hvd" in any case. "site.hvdx", "site" and
// "a.b/site" are refused.
bool hasServerDocumentExtension(const QString& path);

} // namespace tarvo::server
