#pragma once

namespace mw {
class HelpService;
class PromptService;
}  // namespace mw

namespace mw::storage {

class DaoException;

// The one box in which every database error is shown. An error with the
// engine's information reads its description and number and offers help
// (Yes opens the help at the error's context); one with only a status code
// shows the code's four fields with an OK button.
void ReportDaoException(const DaoException& error, PromptService& prompts,
                        HelpService* help = nullptr);

}  // namespace mw::storage
