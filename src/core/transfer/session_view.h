#pragma once
// What a session shows: its dialog in the editor, a progress line in the
// command-line tool, a recorder in tests. The session calls these; it never
// waits for them except for ask(). Texts come as messages: the editor shows
// them in its language, the tool prints their English.

#include "io/message_pattern.h"

namespace tarvo::transfer {

class SessionView {
public:
    virtual ~SessionView() = default;

    // The status line of the Download, Import and Query dialogs.
    virtual void setStatusText(const messages::Message& text) = 0;
    // A progress code (1-12) with its text; empty text for the codes that only clear.
    virtual void showProgress(int code, const messages::Message& text) = 0;
    // Block progress: blocks done of blocks in all, and the line of the table being moved.
    virtual void showBlockProgress(int done, int total, const messages::Message& tableLine) = 0;
    // A warning message box; returns when the user has read it.
    virtual void showMessage(const messages::Message& text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool ask(const messages::Message& question) = 0;
    // The session reached its end with this code (5000-5005).
    virtual void sessionEnded(int endCode) = 0;
};

} // namespace tarvo::transfer
