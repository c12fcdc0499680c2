#include "report_tour.h"

#include <QApplication>
#include <QMdiArea>
#include <cstdio>

#include "report_wiring.h"
#include "reports/report_list.h"
#include "shell/application.h"
#include "shell/main_frame.h"
#include "storage/recipe_document.h"
#include "views/report_commands.h"
#include "views/rpe_mdi_child_wnd.h"
#include "views/select_report_dlg.h"

namespace mw::app {

bool visitReports(shell::CMwcalcApp& app, storage::Settings& settings, PromptService& prompts,
                  const WindowVisitor& visitor) {
    shell::CMainFrame* frame = app.mainFrame();
    bool ok = true;
    {
        views::CSelectReportDlg select(frame);
        select.show();
        QApplication::processEvents();
        ok &= visitor(select, QStringLiteral("report-select"));
        select.reject();
    }
    ReportWiring wiring(app, settings, prompts);
    views::ReportCommands& reports = wiring.commands();
    app.document()->GoToBatch(nullptr, 6);
    const auto preview = [&](int index, const QString& name) {
        const reports::ReportEntry& entry = reports::kReports[static_cast<std::size_t>(index)];
        reports.setChooser([&entry](QWidget*) -> std::optional<views::ReportChoice> {
            return views::ReportChoice{QString::fromLatin1(entry.baseName), entry.kind,
                                       QString::fromLatin1(entry.listText),
                                       views::ReportChoice::Action::Preview};
        });
        reports.SelectReport(frame);
        views::CRPEMDIChildWnd* child = reports.lastPreview();
        if (child == nullptr) {
            std::printf("FAILED %s\n", qPrintable(name));
            ok = false;
            return;
        }
        child->showMaximized();
        QApplication::processEvents();
        frame->show();
        QApplication::processEvents();
        ok &= visitor(*frame, name);
        child->close();
        QApplication::processEvents();
    };
    preview(0, QStringLiteral("report-recipe"));
    preview(1, QStringLiteral("report-recipes"));
    return ok;
}

}  // namespace mw::app
