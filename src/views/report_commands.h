#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

#include "reports/report_engine.h"
#include "views/select_report_dlg.h"

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace mw {
class PromptService;
}
namespace mw::shell {
class CMainFrame;
}
namespace mw::storage {
class Settings;
}

namespace mw::views {

class CRPEMDIChildWnd;

// The Reports commands of the recipe form: Select a Report, Preview and
// Print of the chosen report, and the Recipe page's Print button. It owns
// the report engine of the run (opened at the first report command, closed
// with the recipe database) and the current print job, points the report at
// the data database or the open recipe database, limits the current-recipe
// report to the current batch (asking first when the recipe has unsaved
// changes and warnings are displayed), shows the preview in an MDI child
// and keeps the menu texts of the two report commands.
class ReportCommands : public QObject {
    Q_OBJECT

public:
    // The recipe on the form: its batch number and whether it has unsaved
    // changes; and the open recipe database's path.
    struct CurrentRecipe {
        qint64 batch = 0;
        bool modified = false;
    };
    struct Context {
        std::function<QString()> recipeDatabase;
        std::function<CurrentRecipe()> currentRecipe;
    };

    ReportCommands(shell::CMainFrame& frame, storage::Settings& settings, PromptService& prompts,
                   Context context, QObject* parent = nullptr);
    ~ReportCommands() override;

    // Select a Report (32837), Preview (32838) and Print (32839).
    void SelectReport(QWidget* parent);
    void Preview();
    void Print();
    // The Recipe page's "&Print": previews the current recipe, keeping the
    // report chosen before.
    void PreviewCurrentRecipe();
    // File > Print Setup: the printer and paper reports print on.
    void PrintSetup(QWidget* parent);
    // The recipe database closes: the current job's preview window closes,
    // then the engine with every job.
    void CloseReports();

    reports::CReportEngine& engine() { return m_engine; }
    reports::CReportJob* currentJob() const { return m_current; }
    const std::optional<ReportChoice>& choice() const { return m_choice; }
    // The preview window the last Preview made.
    CRPEMDIChildWnd* lastPreview() const;

    // Tests: the folder the layouts are taken from (the program's own by
    // default), how the report is chosen, and the device Print paints on.
    void setReportFolder(const QString& folder) { m_folder = folder; }
    using Chooser = std::function<std::optional<ReportChoice>(QWidget* parent)>;
    void setChooser(Chooser chooser) { m_chooser = std::move(chooser); }
    using PrinterProvider = std::function<QPagedPaintDevice*()>;
    void setPrinterProvider(PrinterProvider provider) { m_printerProvider = std::move(provider); }

private:
    bool ensureEngine();
    bool openCurrentJob(const QString& baseName);
    // Points the job at its database, filters the current recipe; false
    // when the user chose not to go on.
    bool prepareJob();
    void runPreview();
    void runPrint();
    void showJobError();
    void chooseReport(const QString& listText);
    QPrinter& printer();

    shell::CMainFrame& m_frame;
    storage::Settings& m_settings;
    PromptService& m_prompts;
    Context m_context;
    QString m_folder;
    Chooser m_chooser;
    PrinterProvider m_printerProvider;
    std::unique_ptr<QPrinter> m_printer;

    reports::CReportEngine m_engine;
    reports::CReportJob* m_current = nullptr;
    std::optional<ReportChoice> m_choice;
    QPointer<CRPEMDIChildWnd> m_lastPreview;
};

}  // namespace mw::views
