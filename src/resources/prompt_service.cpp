#include "resources/prompt_service.h"

#include <utility>

#include "resources/message_catalogue.h"

namespace mw {

PromptAnswer PromptService::show(int number, PromptIcon icon, PromptButtons buttons) {
    return ask(Prompt{std::string(catalogueText(number)), icon, buttons, number});
}

PromptAnswer PromptService::show(int number, std::string text, PromptIcon icon,
                                 PromptButtons buttons) {
    return ask(Prompt{std::move(text), icon, buttons, number});
}

}  // namespace mw
