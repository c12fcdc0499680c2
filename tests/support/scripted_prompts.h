#pragma once

#include <QtTest>
#include <deque>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "resources/prompt_service.h"

namespace mw::test {

// The help topics the help viewer has a page for (resources/help/contexts.txt).
inline const std::set<int>& topicsWithHelpPages() {
    static const std::set<int> topics = [] {
        std::set<int> found;
        std::ifstream in(MW_SOURCE_RESOURCES "/help/contexts.txt");
        std::string line;
        while (std::getline(in, line)) {
            std::istringstream words(line);
            int topic = 0;
            if (!line.empty() && line[0] != '#' && words >> topic) {
                found.insert(topic);
            }
        }
        return found;
    }();
    return topics;
}

// Answers every prompt from a script (the first button when the script runs
// dry) and records each prompt shown, so a test can assert what the user saw.
class ScriptedPrompts final : public PromptService {
public:
    PromptAnswer ask(const Prompt& prompt) override {
        m_shown.push_back(prompt);
        // Every box has a Help button for its topic: a message the user can
        // meet without a help page fails the test that shows it.
        if (prompt.helpContext != 0 && topicsWithHelpPages().count(prompt.helpContext) == 0) {
            const std::string problem =
                "message " + std::to_string(prompt.helpContext) + " has no help page";
            QTest::qFail(problem.c_str(), __FILE__, __LINE__);
        }
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
