#pragma once
// SessionView that records what a session shows and answers questions with a
// preset answer.

#include "transfer/session_view.h"

#include <string>
#include <vector>

namespace tarvo::transfer::testing {

class RecordingView final : public SessionView {
public:
    void setStatusText(const messages::Message& text) override
    {
        status = text.text();
        statusHistory.push_back(text.text());
    }
    void showProgress(int code, const messages::Message& text) override
    {
        progressCodes.push_back(code);
        progressTexts.push_back(text.text());
    }
    void showBlockProgress(int done, int total, const messages::Message&) override
    {
        blocksDone = done;
        blocksTotal = total;
    }
    void showMessage(const messages::Message& text) override { messages.push_back(text.text()); }
    bool ask(const messages::Message& question) override
    {
        questions.push_back(question.text());
        return answer;
    }
    void sessionEnded(int endCode) override { endCodes.push_back(endCode); }

    std::u16string status;
    std::vector<std::u16string> statusHistory;
    std::vector<int> progressCodes;
    std::vector<std::u16string> progressTexts;
    int blocksDone = 0;
    int blocksTotal = 0;
    std::vector<std::u16string> messages;
    std::vector<std::u16string> questions;
    bool answer = true;
    std::vector<int> endCodes;
};

} // namespace tarvo::transfer::testing
