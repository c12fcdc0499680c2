#include "calculator_commands.h"

#include "calculators/alcohol_calc_dlg.h"
#include "calculators/bitterness_calc_dlg.h"
#include "calculators/converter_dlg.h"
#include "calculators/og_calc_dlg.h"
#include "shell/application.h"
#include "shell/command_ids.h"
#include "storage/recipe_document.h"

namespace mw::app {

void registerCalculators(shell::CMwcalcApp& app, PromptService& prompts) {
    using namespace shell::cmd;
    using calculators::CalculatorLookups;
    app.setDocumentCommand(CalcBitterness, [&prompts](storage::CMwcalcDoc& doc, QWidget* parent) {
        calculators::CBitternessCalcDlg dlg(doc.hopUtilization(), prompts, CalculatorLookups{},
                                            parent);
        dlg.exec();
    });
    app.setDocumentCommand(CalcGravity, [&prompts](storage::CMwcalcDoc&, QWidget* parent) {
        calculators::COGCalcDlg dlg(prompts, CalculatorLookups{}, parent);
        dlg.exec();
    });
    app.setDocumentCommand(CalcAlcohol, [&prompts](storage::CMwcalcDoc&, QWidget* parent) {
        calculators::CAlcoholCalcDlg dlg(prompts, parent);
        dlg.exec();
    });
    app.setDocumentCommand(CalcSgBalling, [&prompts](storage::CMwcalcDoc&, QWidget* parent) {
        calculators::CSGBallingDlg dlg(prompts, parent);
        dlg.exec();
    });
    app.setDocumentCommand(CalcAbvAbw, [&prompts](storage::CMwcalcDoc&, QWidget* parent) {
        calculators::CABVABWDlg dlg(prompts, parent);
        dlg.exec();
    });
}

}  // namespace mw::app
