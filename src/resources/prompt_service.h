#pragma once

#include <string>

namespace mw {

enum class PromptIcon { None, Information, Exclamation, Question, Stop };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No, Retry };

// One message box: its text, icon, buttons and help context. Every message of
// the program carries its catalogue number as help context (0 for none).
struct Prompt {
    std::string text;
    PromptIcon icon = PromptIcon::Information;
    PromptButtons buttons = PromptButtons::Ok;
    int helpContext = 0;

    bool operator==(const Prompt&) const = default;
};

// The one way any layer raises a message box. The desktop program shows a real
// box; tests install a scripted fake that answers and records every prompt.
class PromptService {
public:
    virtual ~PromptService() = default;

    virtual PromptAnswer ask(const Prompt& prompt) = 0;

    // The catalogue text of `number`, with the number as help context.
    PromptAnswer show(int number, PromptIcon icon, PromptButtons buttons = PromptButtons::Ok);

    // A text already formed from catalogue text `number` (placeholders filled).
    PromptAnswer show(int number, std::string text, PromptIcon icon,
                      PromptButtons buttons = PromptButtons::Ok);
};

}  // namespace mw
