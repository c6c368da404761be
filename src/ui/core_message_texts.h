#pragma once
// The messages of the Qt-free core in the editor's language. The core writes
// English from its patterns ("Error: COM %d can not be opened."); the editor
// finds the pattern a message was made from, takes its arguments back out,
// and fills the translated pattern with them. A text made from no known
// pattern is shown as the core wrote it.

#include <QString>

#include <string_view>

namespace tarvo::ui {

QString translatedCoreMessage(std::u16string_view english);

} // namespace tarvo::ui
