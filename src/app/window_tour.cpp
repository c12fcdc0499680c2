#include "window_tour.h"

#include "beerxml_tour.h"
#include "report_tour.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>

#include "calc/recipe_calculation.h"
#include "calc/sheets.h"
#include "calculators/alcohol_calc_dlg.h"
#include "calculators/bitterness_calc_dlg.h"
#include "calculators/converter_dlg.h"
#include "calculators/og_calc_dlg.h"
#include "grid/gw_grid_ctrl.h"
#include "recipe_form/competition_results_dlg.h"
#include "recipe_form/ingredient_lookups.h"
#include "recipe_form/recipe_form_factory.h"
#include "recipe_form/recipe_form_sheet.h"
#include "recipe_form/recipe_grid1.h"
#include "refdata/reference_dialogs.h"
#include "resources/prompt_service.h"
#include "shell/about_dialog.h"
#include "shell/application.h"
#include "shell/credits_dialog.h"
#include "shell/file_chooser.h"
#include "shell/help_viewer.h"
#include "shell/info_status_bar.h"
#include "shell/main_frame.h"
#include "shell/options_sheet.h"
#include "shell/program_files.h"
#include "shell/restore_backup_dialog.h"
#include "shell/tip_dialog.h"
#include "storage/database.h"
#include "storage/document_plus.h"
#include "storage/recipe_backups.h"
#include "storage/recipe_document.h"
#include "storage/recipe_records.h"
#include "storage/settings.h"
#include "views/beerxml_file_commands.h"
#include "views/calc_messages_dlg.h"
#include "views/prediction_details_dlg.h"
#include "views/prediction_details_window.h"
#include "views/recipe_log_factory.h"
#include "views/recipe_log_view.h"
#include "views/style_tree.h"
#include "views/target_style_dlg.h"
#include "views/target_style_windows.h"

namespace mw::app {

namespace {

class SilentPrompts final : public PromptService {
public:
    PromptAnswer ask(const Prompt& prompt) override {
        std::fprintf(stderr, "message: %s\n", prompt.text.c_str());
        return PromptAnswer::Ok;
    }
};

class NoFiles final : public shell::FileChooser {
public:
    QString chooseFile(QWidget*, const shell::FileRequest&) override { return QString(); }
};

// Shows a window as the user would see it and hands it to the visitor.
bool visit(QWidget& widget, const WindowVisitor& visitor, const QString& name) {
    widget.show();
    QApplication::processEvents();
    return visitor(widget, name);
}

// Each reference-data dialog on the first record of its seeded table.
bool visitReferenceDialogs(storage::Settings& settings, PromptService& prompts,
                           const WindowVisitor& visitor) {
    bool ok = true;
    storage::CDocumentPlus documents(settings, prompts);
    for (const refdata::ReferenceDialogKind& kind : refdata::referenceDialogKinds()) {
        const QString name = QStringLiteral("refdata-") + kind.table.toLower();
        std::unique_ptr<refdata::CAddChgDAO> dialog =
            kind.make({documents, settings, prompts, nullptr}, nullptr);
        if (!dialog->load()) {
            std::printf("FAILED %s\n", qPrintable(name));
            ok = false;
            continue;
        }
        ok &= visit(*dialog, visitor, name);
        dialog->hide();
    }
    return ok;
}

// Each ingredient lookup (and the adjunct lookup in priming mode) on the data
// database the settings name.
bool visitLookups(storage::Settings& settings, PromptService& prompts,
                  const WindowVisitor& visitor) {
    bool ok = true;
    const auto shoot = [&](recipe_form::CLookupDlg& lookup, const char* kind) {
        const QString name = QStringLiteral("lookup-") + QString::fromLatin1(kind);
        if (!lookup.load()) {
            std::printf("FAILED %s\n", qPrintable(name));
            ok = false;
            return;
        }
        ok &= visit(lookup, visitor, name);
        lookup.hide();
    };
    {
        recipe_form::CLookupAdjunct adjunct(settings, prompts, nullptr);
        shoot(adjunct, "adjunct");
    }
    {
        recipe_form::CLookupAdjunct priming(settings, prompts, nullptr);
        priming.setPriming(true);
        shoot(priming, "adjunct-priming");
    }
    {
        recipe_form::CLookupExtract extract(settings, prompts, nullptr);
        shoot(extract, "extract");
    }
    {
        recipe_form::CLookupGrain grain(settings, prompts, nullptr);
        shoot(grain, "grain");
    }
    {
        recipe_form::CLookupHop hop(settings, prompts, nullptr);
        shoot(hop, "hop");
    }
    {
        recipe_form::CLookupKit kit(settings, prompts, nullptr);
        shoot(kit, "kit");
    }
    {
        recipe_form::CLookupYeast yeast(settings, prompts, nullptr);
        shoot(yeast, "yeast");
    }
    return ok;
}

// The five calculator windows, each after a worked example.
bool visitCalculators(const calc::HopUtilizationTable& utilization, PromptService& prompts,
                      const WindowVisitor& visitor) {
    bool ok = true;
    {
        calculators::CBitternessCalcDlg dlg(utilization, prompts, {});
        using F = calculators::CBitternessCalcDlg::Field;
        const std::pair<int, const char*> inputs[] = {
            {F::Alpha, "5.5"}, {F::Gravity, "1.050"}, {F::BoilTime, "60"}, {F::Ibu, ""}};
        for (const auto& [f, text] : inputs) {
            dlg.field(f)->setText(QString::fromLatin1(text));
            emit dlg.field(f)->textEdited(dlg.field(f)->text());
        }
        dlg.calculateButton()->click();
        ok &= visit(dlg, visitor, QStringLiteral("calculator-bitterness"));
    }
    {
        calculators::COGCalcDlg dlg(prompts, {});
        using F = calculators::COGCalcDlg::Field;
        dlg.field(F::Weight)->setText(QStringLiteral("6"));
        emit dlg.field(F::Weight)->textEdited(QStringLiteral("6"));
        dlg.field(F::OriginalGravity)->clear();
        emit dlg.field(F::OriginalGravity)->textEdited(QString());
        dlg.calculateButton()->click();
        ok &= visit(dlg, visitor, QStringLiteral("calculator-original-gravity"));
    }
    {
        calculators::CAlcoholCalcDlg dlg(prompts);
        dlg.calculateButton()->click();
        ok &= visit(dlg, visitor, QStringLiteral("calculator-alcohol"));
    }
    {
        calculators::CSGBallingDlg dlg(prompts);
        dlg.calculateButton()->click();
        ok &= visit(dlg, visitor, QStringLiteral("converter-sg-balling"));
    }
    {
        calculators::CABVABWDlg dlg(prompts);
        dlg.calculateButton()->click();
        ok &= visit(dlg, visitor, QStringLiteral("converter-abv-abw"));
    }
    return ok;
}

// The recipe form on the sample all-grain recipe, each of its pages, and
// the Competition Results box of its Rating page.
bool visitRecipeForm(shell::CMwcalcApp& app, PromptService& prompts, const WindowVisitor& visitor) {
    shell::CMainFrame* frame = app.mainFrame();
    QMdiSubWindow* sub = frame->mdiArea()->activeSubWindow();
    auto* form = qobject_cast<recipe_form::CRecipeFormSheet*>(sub ? sub->widget() : nullptr);
    if (form == nullptr) {
        std::printf("FAILED recipe form\n");
        return false;
    }
    app.document()->GoToBatch(nullptr, 6);
    bool ok = true;
    QTabWidget* pages = form->controls().pages;
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        const QString name = pages->tabText(page)
                                 .remove(QLatin1Char('&'))
                                 .toLower()
                                 .replace(QLatin1Char(' '), QLatin1Char('-'));
        ok &= visit(*frame, visitor, QStringLiteral("recipe-form-") + name);
    }

    // Each ingredient sheet of the recipe, as the Ingredients page shows it.
    pages->setCurrentIndex(1);
    if (auto* grid = form->findChild<recipe_form::CRecipeGrid1*>()) {
        for (int sheet = 0; sheet < grid->count(); ++sheet) {
            grid->setCurrentIndex(sheet);
            const QString name = grid->tabText(sheet)
                                     .remove(QLatin1Char('&'))
                                     .toLower()
                                     .replace(QLatin1Char(' '), QLatin1Char('-'));
            ok &= visit(*grid, visitor, QStringLiteral("grid-") + name);
        }
        // Its "Recipe Ingredients" menu, opened on a hop row.
        grid->setCurrentIndex(static_cast<int>(calc::Sheet::Hops));
        grid->sheetGrid(calc::Sheet::Hops)->setCurrentCell(0, 0);
        grid->OnShowMenu();
        ok &= visit(*grid->contextMenu(), visitor, QStringLiteral("grid-context-menu"));
        grid->contextMenu()->hide();
        grid->setCurrentIndex(0);
    } else {
        std::printf("FAILED ingredients grid\n");
        ok = false;
    }
    pages->setCurrentIndex(0);

    // The form's own menu, as the right mouse button opens it.
    form->contextMenu()->popup(form->mapToGlobal(QPoint(40, 40)));
    ok &= visit(*form->contextMenu(), visitor, QStringLiteral("recipe-form-context-menu"));
    form->contextMenu()->hide();

    recipe_form::CCompetitionResultsDlg results(form->record(), prompts, frame);
    ok &= visit(results, visitor, QStringLiteral("competition-results"));
    results.reject();

    // The Prediction Details window of the form's context menu.
    views::CPredictionDetailsDlg details(views::recalculateWithDetails(*form), frame);
    ok &= visit(details, visitor, QStringLiteral("prediction-details"));
    details.reject();
    return ok;
}

// The Target Style window on the sample American IPA with the English IPA
// chosen (its bitterness above that style's), and the Calculation Messages
// window after a recalculation of the IPA with a mistyped yeast attenuation
// and grain colour (put back afterwards).
bool visitTargetStyle(shell::CMwcalcApp& app, storage::Settings& settings, PromptService& prompts,
                      HelpService& help, const WindowVisitor& visitor) {
    shell::CMainFrame* frame = app.mainFrame();
    QMdiSubWindow* sub = frame->mdiArea()->activeSubWindow();
    auto* form = qobject_cast<recipe_form::CRecipeFormSheet*>(sub ? sub->widget() : nullptr);
    if (form == nullptr) {
        std::printf("FAILED target style\n");
        return false;
    }
    app.document()->GoToBatch(nullptr, 6);
    bool ok = true;
    form->RecalculateRecipe(false);
    {
        views::CTargetStyleDlg dlg({settings, prompts, &help}, frame);
        views::setUpFromRecipe(dlg, *form);
        dlg.OnInitDialog();
        const views::StyleSelection chosen{QStringLiteral("English IPA"),
                                           QStringLiteral("Pale Commonwealth Beer"),
                                           QStringLiteral("12C")};
        if (QTreeWidgetItem* item = dlg.tree()->itemOf(chosen)) {
            dlg.tree()->setCurrentItem(item);
            dlg.tree()->scrollToItem(item, QAbstractItemView::PositionAtCenter);
        }
        ok &= visit(dlg, visitor, QStringLiteral("target-style"));
        dlg.hide();
    }
    {
        grid::CGWGridCtrl* yeasts = form->grid()->grid(int(calc::Sheet::Yeasts));
        grid::CGWGridCtrl* grains = form->grid()->grid(int(calc::Sheet::Grains));
        const QString attenuation = yeasts->cellText(0, calc::YeastCol::Attenuation);
        const QString color = grains->cellText(1, calc::GrainCol::Color);
        yeasts->setCellText(0, calc::YeastCol::Attenuation, QStringLiteral("150"));
        grains->setCellText(1, calc::GrainCol::Color, QStringLiteral("0"));
        form->RecalculateRecipe(false);
        const calc::CalcMessageList& messages = form->calculation().messages();
        views::CCalcMessagesDlg dlg(messages, messages.count(), frame);
        ok &= visit(dlg, visitor, QStringLiteral("calc-messages"));
        dlg.hide();
        yeasts->setCellText(0, calc::YeastCol::Attenuation, attenuation);
        grains->setCellText(1, calc::GrainCol::Color, color);
        form->RecalculateRecipe(false);
    }
    return ok;
}

// The recipe log over the sample recipes, sorted by brew date, newest first.
bool visitRecipeLog(shell::CMwcalcApp& app, const WindowVisitor& visitor) {
    shell::CMainFrame* frame = app.mainFrame();
    app.activateView(shell::ViewKind::RecipeLog);
    QMdiSubWindow* sub = frame->mdiArea()->activeSubWindow();
    auto* log = qobject_cast<views::CRecipeLogView*>(sub ? sub->widget() : nullptr);
    if (log == nullptr) {
        std::printf("FAILED recipe log\n");
        return false;
    }
    emit log->header()->sectionClicked(2);
    emit log->header()->sectionClicked(2);
    const bool ok = visit(*frame, visitor, QStringLiteral("recipe-log"));
    app.activateView(shell::ViewKind::RecipeForm);
    return ok;
}

// Tools > Database > Restore Backup... on the open recipe database, with the
// copy made on opening and two of earlier days.
bool visitRestoreBackup(shell::CMwcalcApp& app, const WindowVisitor& visitor) {
    if (app.backups() == nullptr || app.document() == nullptr) {
        std::printf("FAILED restore backup\n");
        return false;
    }
    for (const int daysAgo : {6, 1}) {
        storage::RecipeBackups earlier(app.backups()->folder(), [daysAgo] {
            return QDateTime(QDate::currentDate().addDays(-daysAgo), QTime(19, 42, 5));
        });
        earlier.backUpNow(*app.document()->database(), storage::RecipeBackups::kDefaultCopiesKept);
    }
    shell::RestoreBackupDialog* dialog = app.openRestoreBackup(app.document()->pathName());
    const bool ok = visit(*dialog, visitor, QStringLiteral("database-restore-backup"));
    dialog->close();
    return ok;
}

}  // namespace

bool tourWindows(const WindowVisitor& visitor) {
    QTemporaryDir work;
    storage::Settings settings(std::make_unique<QSettings>(
        work.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat));
    settings.setInteger(storage::Setting::TipStartUp, 1);
    SilentPrompts prompts;
    shell::HtmlHelpService help;
    NoFiles files;
    bool ok = true;
    {
        shell::CMwcalcApp app(settings, prompts, help, files,
                              work.filePath(QStringLiteral("data")));
        // The first start makes the databases; open nothing yet for the first picture.
        app.ensureDefaultDatabases();
        app.InitInstance({QStringLiteral("-s")});
        shell::CMainFrame* frame = app.mainFrame();
        frame->resize(1000, 640);
        ok &= visit(*frame, visitor, QStringLiteral("main-window-no-database"));
        recipe_form::installRecipeForm(
            app, settings, prompts, &help, [&](recipe_form::CRecipeFormSheet& form) {
                views::attachTargetStyleWindows(form, {settings, prompts, &help});
            });
        views::installRecipeLog(app, prompts, &help);
        views::installBeerXmlCommands(app, prompts, files, &help);
        app.OpenDocumentFile(settings.string(storage::Setting::DefaultRecipeFile));
        ok &= visit(*frame, visitor, QStringLiteral("main-window"));
        ok &= visitRecipeForm(app, prompts, visitor);
        ok &= visitTargetStyle(app, settings, prompts, help, visitor);
        ok &= visitRecipeLog(app, visitor);
        ok &= visitRestoreBackup(app, visitor);

        ok &= visitCalculators(app.document()->hopUtilization(), prompts, visitor);
        ok &= visitLookups(settings, prompts, visitor);
        ok &= visitReferenceDialogs(settings, prompts, visitor);
        ok &= visitReports(app, settings, prompts, visitor);
        ok &= visitBeerXmlImportReport(work.path(), help, frame, visitor);

        shell::CMWOptionsSheet options(settings, prompts, files, &help, frame);
        for (int page = 0; page < options.tabs()->count(); ++page) {
            options.tabs()->setCurrentIndex(page);
            ok &= visit(options, visitor,
                        QStringLiteral("options-") + options.tabs()->tabText(page).toLower());
        }
        options.hide();

        shell::CTipDlg tip(settings, prompts, shell::findProgramFile(QStringLiteral("tips.txt")),
                           frame);
        ok &= visit(tip, visitor, QStringLiteral("tip-of-the-day"));
        tip.hide();

        shell::CAboutDlg about(settings, prompts, shell::DesktopActions::system(), frame);
        ok &= visit(about, visitor, QStringLiteral("about"));
        about.hide();

        QFile creditsFile(shell::findProgramFile(QStringLiteral("credits.txt")));
        creditsFile.open(QIODevice::ReadOnly);
        shell::CCreditsDlg credits(shell::parseCredits(QString::fromUtf8(creditsFile.readAll())),
                                   prompts, frame);
        credits.show();
        for (int i = 0; i < 160; ++i) {
            credits.tick();
        }
        ok &= visit(credits, visitor, QStringLiteral("credits"));
        credits.hide();

        help.showHelp(98339);
        if (help.viewer()) {
            ok &= visit(*help.viewer(), visitor, QStringLiteral("help-viewer"));
            help.viewer()->close();
        }
    }
    return ok;
}

}  // namespace mw::app
