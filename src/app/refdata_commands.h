#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

#include "extras.h"

class QWidget;

namespace mw {
class HelpService;
class PromptService;
}  // namespace mw
namespace mw::storage {
class Settings;
}

namespace mw::app {

// Hands the reference-data dialogs to their commands (the Data menu and
// Brewer's Information, while a recipe database is open).
void registerReferenceData(const CommandSink& add, storage::Settings& settings,
                           PromptService& prompts, HelpService& help);

// Behind the ingredient lookups' Add button: the table's dialog, on a
// workspace of its own (a lookup may be open without a recipe database, from
// the calculators). Answers the identifier of the record added; none when
// the table has no dialog.
std::optional<qint64> addToReferenceTable(storage::Settings& settings, PromptService& prompts,
                                          HelpService& help, const QString& table, QWidget* parent);

}  // namespace mw::app
