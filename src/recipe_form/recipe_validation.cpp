#include "recipe_form/recipe_validation.h"

#include "resources/message_catalogue.h"

namespace mw::recipe_form {

namespace {
constexpr int kMsgNoName = 8;
constexpr int kMsgNoBatch = 85;
constexpr int kMsgAllGrainOnly = 142;
constexpr int kMsgKitNeeded = 150;
constexpr int kMsgKitProcessNeeded = 152;
constexpr int kMsgAllGrainRows = 208;
constexpr int kMsgSizeZero = 211;
constexpr int kWordBoil = 1130;
constexpr int kWordBatch = 1131;

CheckFailure failure(int message, PromptIcon icon, CheckFocus focus) {
    return {message, std::string(catalogueText(message)), icon, focus};
}

CheckFailure sizeIsZero(int word) {
    return {kMsgSizeZero, formatMessage(kMsgSizeZero, catalogueText(word)), PromptIcon::Information,
            CheckFocus::Unchanged};
}

}  // namespace

std::optional<CheckFailure> checkRecipe(const RecipeCheckInput& in) {
    if (in.name.isEmpty()) {
        return failure(kMsgNoName, PromptIcon::Exclamation, CheckFocus::Name);
    }
    if (in.batch.isEmpty()) {
        return failure(kMsgNoBatch, PromptIcon::Exclamation, CheckFocus::Batch);
    }
    if (in.kit && in.kitRows < 1) {
        return failure(kMsgKitNeeded, PromptIcon::Information, CheckFocus::Unchanged);
    }
    if (!in.kit && in.kitRows != 0) {
        return failure(kMsgKitProcessNeeded, PromptIcon::Information, CheckFocus::Unchanged);
    }
    if (in.allGrain && (in.kit || in.extract || in.partialMash)) {
        return failure(kMsgAllGrainOnly, PromptIcon::Exclamation, CheckFocus::AllGrain);
    }
    if (in.allGrain && (in.grainRows < 1 || in.extractRows + in.kitRows != 0)) {
        return failure(kMsgAllGrainRows, PromptIcon::Information, CheckFocus::Unchanged);
    }
    if (in.boilSize == 0.0) {
        return sizeIsZero(kWordBoil);
    }
    if (in.batchSize == 0.0) {
        return sizeIsZero(kWordBatch);
    }
    return std::nullopt;
}

}  // namespace mw::recipe_form
