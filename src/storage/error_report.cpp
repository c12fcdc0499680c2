#include "storage/error_report.h"

#include "resources/help_service.h"
#include "resources/message_catalogue.h"
#include "resources/prompt_service.h"
#include "storage/dao_exception.h"

namespace mw::storage {

namespace {
constexpr int kMsgErrorWithHelp = 1010;
constexpr int kMsgStatusFields = 1011;
}  // namespace

void ReportDaoException(const DaoException& error, PromptService& prompts, HelpService* help) {
    if (error.hasErrorInfo()) {
        const std::string text = formatMessage(kMsgErrorWithHelp, error.description().toStdString(),
                                               std::to_string(error.number()));
        const PromptAnswer answer =
            prompts.show(kMsgErrorWithHelp, text, PromptIcon::Exclamation, PromptButtons::YesNo);
        if (answer == PromptAnswer::Yes && help != nullptr) {
            help->showHelp(error.helpContext());
        }
        return;
    }
    const auto code = static_cast<quint32>(error.statusCode());
    const std::string text =
        formatStrings(catalogueText(kMsgStatusFields),
                      {std::to_string(code & 0xffffu), std::to_string((code >> 16) & 0x1fffu),
                       std::to_string(code >> 31), std::to_string(error.statusCode())});
    prompts.show(kMsgStatusFields, text, PromptIcon::Exclamation, PromptButtons::Ok);
}

}  // namespace mw::storage
