#pragma once

#include <deque>
#include <vector>

#include "resources/prompt_service.h"

namespace mw::test {

// Answers every prompt from a script (the first button when the script runs
// dry) and records each prompt shown, so a test can assert what the user saw.
class ScriptedPrompts final : public PromptService {
public:
    PromptAnswer ask(const Prompt& prompt) override {
        m_shown.push_back(prompt);
        if (!m_answers.empty()) {
            const PromptAnswer answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        }
        switch (prompt.buttons) {
            case PromptButtons::YesNo:
            case PromptButtons::YesNoCancel:
                return PromptAnswer::Yes;
            case PromptButtons::RetryCancel:
                return PromptAnswer::Retry;
            default:
                return PromptAnswer::Ok;
        }
    }

    void answerNext(PromptAnswer answer) { m_answers.push_back(answer); }
    const std::vector<Prompt>& shown() const { return m_shown; }
    std::vector<int> shownNumbers() const {
        std::vector<int> numbers;
        for (const Prompt& p : m_shown) {
            numbers.push_back(p.helpContext);
        }
        return numbers;
    }
    void clear() { m_shown.clear(); }

private:
    std::deque<PromptAnswer> m_answers;
    std::vector<Prompt> m_shown;
};

}  // namespace mw::test
