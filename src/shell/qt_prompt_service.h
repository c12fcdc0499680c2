#pragma once

#include <QPointer>
#include <QWidget>

#include "resources/prompt_service.h"

namespace mw {
class HelpService;
}

namespace mw::shell {

// The desktop program's message box: the prompt's text, icon and buttons,
// the program's name as caption, and a Help button that opens the help at
// the prompt's help context.
class QtPromptService final : public PromptService {
public:
    explicit QtPromptService(HelpService* help = nullptr) : m_help(help) {}

    // The window boxes are centred on; none: the active window.
    void setParentWindow(QWidget* parent) { m_parent = parent; }
    void setHelp(HelpService* help) { m_help = help; }

    PromptAnswer ask(const Prompt& prompt) override;

private:
    HelpService* m_help;
    QPointer<QWidget> m_parent;
};

}  // namespace mw::shell
