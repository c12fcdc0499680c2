#include "calculator_commands.h"

#include "calculators/alcohol_calc_dlg.h"
#include "calculators/bitterness_calc_dlg.h"
#include "calculators/converter_dlg.h"
#include "calculators/og_calc_dlg.h"
#include "recipe_form/ingredient_lookups.h"
#include "shell/command_ids.h"
#include "storage/recipe_document.h"

namespace mw::app {

namespace {

using calculators::NamedValue;

// Runs a lookup and hands back the chosen record's name and one value.
template <typename Lookup, typename Configure, typename Pick>
std::optional<NamedValue> runLookup(storage::Settings& settings, PromptService& prompts,
                                    HelpService& help, QWidget* parent, Configure configure,
                                    Pick pick) {
    Lookup lookup(settings, prompts, &help, parent);
    configure(lookup);
    if (!lookup.load() || lookup.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return pick(lookup.choice());
}

calculators::CalculatorLookups lookups(storage::Settings& settings, PromptService& prompts,
                                       HelpService& help) {
    using namespace recipe_form;
    const auto asIs = [](auto&) {};
    calculators::CalculatorLookups l;
    l.hop = [&settings, &prompts, &help, asIs](QWidget* parent) {
        return runLookup<CLookupHop>(settings, prompts, help, parent, asIs, [](const HopChoice& c) {
            return NamedValue{c.name, c.alpha};
        });
    };
    l.extract = [&settings, &prompts, &help, asIs](QWidget* parent) {
        return runLookup<CLookupExtract>(settings, prompts, help, parent, asIs,
                                         [](const ExtractChoice& c) {
                                             return NamedValue{c.name, c.specificGravity};
                                         });
    };
    l.fermentableAdjunct = [&settings, &prompts, &help](QWidget* parent) {
        return runLookup<CLookupAdjunct>(
            settings, prompts, help, parent,
            [](CLookupAdjunct& lookup) { lookup.setFermentableOnly(true); },
            [](const AdjunctChoice& c) {
                return NamedValue{c.name, c.specificGravity};
            });
    };
    l.grain = [&settings, &prompts, &help, asIs](QWidget* parent) {
        return runLookup<CLookupGrain>(settings, prompts, help, parent, asIs,
                                       [](const GrainChoice& c) {
                                           return NamedValue{c.name, c.specificGravity};
                                       });
    };
    return l;
}

}  // namespace

void registerCalculators(const CommandSink& add, storage::Settings& settings,
                         PromptService& prompts, HelpService& help) {
    using namespace shell::cmd;
    const calculators::CalculatorLookups choices = lookups(settings, prompts, help);
    add(CalcBitterness, [&prompts, choices](storage::CMwcalcDoc& doc, QWidget* parent) {
        calculators::CBitternessCalcDlg dlg(doc.hopUtilization(), prompts, choices, parent);
        dlg.exec();
    });
    add(CalcGravity, [&prompts, choices](storage::CMwcalcDoc&, QWidget* parent) {
        calculators::COGCalcDlg dlg(prompts, choices, parent);
        dlg.exec();
    });
    add(CalcAlcohol, [&prompts](storage::CMwcalcDoc&, QWidget* parent) {
        calculators::CAlcoholCalcDlg dlg(prompts, parent);
        dlg.exec();
    });
    add(CalcSgBalling, [&prompts](storage::CMwcalcDoc&, QWidget* parent) {
        calculators::CSGBallingDlg dlg(prompts, parent);
        dlg.exec();
    });
    add(CalcAbvAbw, [&prompts](storage::CMwcalcDoc&, QWidget* parent) {
        calculators::CABVABWDlg dlg(prompts, parent);
        dlg.exec();
    });
}

}  // namespace mw::app
