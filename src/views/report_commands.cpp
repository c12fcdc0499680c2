#include "views/report_commands.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPrinter>

#include "reports/report_failure.h"
#include "resources/message_catalogue.h"
#include "resources/number_text.h"
#include "resources/prompt_service.h"
#include "shell/command_ids.h"
#include "shell/command_set.h"
#include "shell/main_frame.h"
#include "shell/override_cursor.h"
#include "storage/settings.h"
#include "views/report_preview.h"
#include "views/rpe_mdi_child_wnd.h"

namespace mw::views {

namespace {

constexpr int kMsgEngineNotOpened = 3;
constexpr int kMsgUnsavedRecipe = 231;
constexpr int kMsgErrorOpening = 1300;
constexpr int kMsgOutputFailed = 1301;

// Where the preview child first appears in the window area.
constexpr int kPreviewLeft = 10;
constexpr int kPreviewTop = 20;
constexpr int kPreviewWidth = 600;
constexpr int kPreviewHeight = 400;

// The subreports sit in the detail sections 4000 + 25 i, i = 1 to 12.
constexpr int kDetailSections = 12;

std::string lu(long long value) {
    return formatNumber(191, static_cast<double>(value));
}

bool isCurrentRecipeReport(const QString& baseName) {
    return baseName == QLatin1String(reports::kCurrentRecipeReport);
}

}  // namespace

ReportCommands::ReportCommands(shell::CMainFrame& frame, storage::Settings& settings,
                               PromptService& prompts, Context context, QObject* parent)
    : QObject(parent),
      m_frame(frame),
      m_settings(settings),
      m_prompts(prompts),
      m_context(std::move(context)),
      m_folder(reports::reportFolder()) {
    m_chooser = [](QWidget* parentWidget) -> std::optional<ReportChoice> {
        CSelectReportDlg dialog(parentWidget);
        if (dialog.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return dialog.choice();
    };
    // The engine's window output: a preview window inside the host it is given.
    m_engine.setPreviewFactory([](std::shared_ptr<const reports::ReportDocument> document,
                                  const reports::WindowOutput& output) -> QObject* {
        auto* host = qobject_cast<QWidget*>(output.owner);
        if (host == nullptr) {
            return nullptr;
        }
        auto* preview = new CReportPreview(std::move(document), host);
        preview->setGeometry(output.left, output.top, output.width, output.height);
        return preview;
    });
}

ReportCommands::~ReportCommands() = default;

CRPEMDIChildWnd* ReportCommands::lastPreview() const {
    return m_lastPreview;
}

QPrinter& ReportCommands::printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *m_printer;
}

bool ReportCommands::ensureEngine() {
    if (m_engine.isOpen()) {
        return true;
    }
    if (!m_engine.Open()) {
        m_prompts.show(kMsgEngineNotOpened,
                       formatMessage(kMsgEngineNotOpened, lu(m_engine.GetErrorCode()),
                                     m_engine.GetErrorText().toStdString()),
                       PromptIcon::Exclamation);
        return false;
    }
    return true;
}

bool ReportCommands::openCurrentJob(const QString& baseName) {
    m_current = m_engine.OpenJob(reports::reportPath(m_folder, baseName));
    if (m_current == nullptr) {
        m_prompts.show(kMsgErrorOpening,
                       formatMessage(kMsgErrorOpening, m_engine.GetErrorText().toStdString()),
                       PromptIcon::None);
        return false;
    }
    return true;
}

void ReportCommands::chooseReport(const QString& listText) {
    shell::CommandSet& commands = m_frame.commands();
    commands.setHandler(shell::cmd::ReportPreview, [this] { Preview(); });
    commands.setHandler(shell::cmd::ReportPrint, [this] { Print(); });
    m_frame.reportChosen(listText);
}

void ReportCommands::SelectReport(QWidget* parent) {
    if (!ensureEngine()) {
        return;
    }
    const std::optional<ReportChoice> chosen = m_chooser(parent);
    if (!chosen) {
        return;
    }
    bool opened = false;
    {
        const shell::OverrideCursor wait;
        m_choice = chosen;
        opened = openCurrentJob(chosen->baseName);
        if (opened) {
            chooseReport(chosen->listText);
        }
    }
    if (opened) {
        if (chosen->action == ReportChoice::Action::Print) {
            runPrint();
        } else {
            runPreview();
        }
    }
}

void ReportCommands::Preview() {
    if (m_current != nullptr) {
        runPreview();
    }
}

void ReportCommands::Print() {
    if (m_current != nullptr) {
        runPrint();
    }
}

void ReportCommands::PreviewCurrentRecipe() {
    if (!ensureEngine()) {
        return;
    }
    const std::optional<ReportChoice> before = m_choice;
    ReportChoice recipe;
    recipe.baseName = QLatin1String(reports::kCurrentRecipeReport);
    recipe.kind = reports::ReportKind::Recipes;
    recipe.listText = QString::fromLatin1(reports::kReports[0].listText);
    m_choice = recipe;
    // The button's file is "recipe.rpt"; the layout is found whatever its case.
    if (openCurrentJob(QStringLiteral("recipe"))) {
        runPreview();
    }
    m_choice = before;
}

bool ReportCommands::prepareJob() {
    if (m_current == nullptr || !m_choice) {
        return false;
    }
    const QString dataPath = m_settings.string(storage::Setting::DefaultDataFile);
    const QString path =
        m_choice->kind == reports::ReportKind::Data ? dataPath : m_context.recipeDatabase();
    const reports::TableLocation location{path, {}, {}};
    m_current->SetTableLocation(0, location);
    m_current->setReferenceDatabase(dataPath);
    if (isCurrentRecipeReport(m_choice->baseName)) {
        const CurrentRecipe recipe = m_context.currentRecipe();
        const bool warnings = m_settings.integer(storage::Setting::DisplayWarnings) != 0;
        if (recipe.modified && warnings &&
            m_prompts.show(kMsgUnsavedRecipe, PromptIcon::Exclamation, PromptButtons::YesNo) !=
                PromptAnswer::Yes) {
            return false;
        }
        for (int i = 1; i <= kDetailSections; ++i) {
            const int section =
                reports::CReportJob::kFirstSection + reports::CReportJob::kSectionStep * i;
            const std::optional<reports::SubreportInfo> info =
                m_current->GetSubreportInfo(m_current->GetSubreport(section, 0));
            if (!info) {
                continue;
            }
            if (reports::CReportJob* sub = m_current->OpenSubreport(info->name)) {
                sub->SetTableLocation(0, location);
                m_current->CloseSubreport(sub);
            }
        }
        m_current->SetFilterFormula(QStringLiteral("{Recipes.RecipeBatchNo} = ") +
                                    QString::fromStdString(lu(recipe.batch)));
    }
    reports::ReportOptionRecord options = m_current->GetOptionRecord();
    options.at(12) = 0;
    options.at(22) = 1;
    options.at(24) = 1;
    m_current->SetOptionRecord(options);
    return true;
}

void ReportCommands::runPreview() {
    if (!prepareJob()) {
        return;
    }
    reports::WindowOutput output{CRPEMDIChildWnd::title(),
                                 kPreviewLeft,
                                 kPreviewTop,
                                 kPreviewWidth,
                                 kPreviewHeight,
                                 0,
                                 &m_frame};
    m_current->SetWindowOutput(output);

    auto* child = new CRPEMDIChildWnd;
    m_frame.mdiArea()->addSubWindow(child);
    child->setGeometry(kPreviewLeft, kPreviewTop, kPreviewWidth, kPreviewHeight);
    child->show();
    // The engine draws into the child's whole client area.
    output.left = 0;
    output.top = 0;
    output.width = child->clientArea()->width();
    output.height = child->clientArea()->height();
    output.owner = child->clientArea();
    m_current->SetWindowOutput(output);
    bool started = false;
    {
        const shell::OverrideCursor wait;
        started = m_current->Run();
    }
    auto* preview = qobject_cast<QWidget*>(m_current->GetPreviewWindow());
    if (!started || preview == nullptr) {
        delete child;
        showJobError();
        return;
    }
    child->setPreviewWindow(preview);
    m_lastPreview = child;
}

void ReportCommands::runPrint() {
    if (!prepareJob()) {
        return;
    }
    QPagedPaintDevice* device = m_printerProvider ? m_printerProvider() : nullptr;
    if (!m_printerProvider) {
        printer().setCopyCount(1);
        printer().setFullPage(true);
        device = &printer();
        // The report is laid out on the paper chosen in Print Setup.
        const bool letter = printer().pageLayout().pageSize().id() == QPageSize::Letter;
        m_current->setPaper(letter ? reports::PaperSize::Letter : reports::PaperSize::A4);
    }
    m_current->SetPrinterOutput(1, device);
    bool printed = false;
    {
        const shell::OverrideCursor wait;
        printed = m_current->Run();
    }
    if (!printed) {
        showJobError();
    }
}

void ReportCommands::showJobError() {
    m_prompts.show(kMsgOutputFailed,
                   formatMessage(kMsgOutputFailed, m_current->GetErrorText().toStdString(),
                                 lu(m_current->GetErrorCode())),
                   PromptIcon::None);
}

void ReportCommands::PrintSetup(QWidget* parent) {
    QPageSetupDialog dialog(&printer(), parent);
    dialog.exec();
}

void ReportCommands::CloseReports() {
    if (m_engine.GetJobCount() > 0 && m_current != nullptr) {
        if (auto* preview = qobject_cast<QWidget*>(m_current->GetPreviewWindow())) {
            // The frame window around the preview.
            for (QWidget* w = preview; w != nullptr; w = w->parentWidget()) {
                if (auto* child = qobject_cast<CRPEMDIChildWnd*>(w)) {
                    child->close();
                    break;
                }
            }
        }
    }
    m_current = nullptr;
    m_engine.Close();
}

}  // namespace mw::views
