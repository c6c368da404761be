#pragma once
// The three fonts the application makes at start-up and the editor uses:
// fixed ("Courier New"), text ("Arial") and the wide-coverage one ("Arial
// Unicode MS") that draws every keyboard font, Hangul and CJK included.

#include <QFont>

namespace tarvo::ui {

struct UiFonts {
    QFont fixed;
    QFont text;
    QFont unicode;
};

} // namespace tarvo::ui
