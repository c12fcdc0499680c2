#pragma once

#include <cstdio>

#include "resources/prompt_service.h"

namespace mw::bench {

// Answers every message with OK and prints its text to stderr, so a timed
// operation never waits on a box and a message that should not come shows.
class SilentPrompts final : public PromptService {
public:
    PromptAnswer ask(const Prompt& p) override {
        std::fprintf(stderr, "prompt: %s\n", p.text.c_str());
        return PromptAnswer::Ok;
    }
};

}  // namespace mw::bench
