#include "views/beerxml_file_commands.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>
#include <functional>
#include <memory>
#include <optional>

#include "beerxml/beerxml_error.h"
#include "beerxml/beerxml_export.h"
#include "beerxml/beerxml_import.h"
#include "recipe_form/recipe_form_sheet.h"
#include "resources/message_catalogue.h"
#include "resources/prompt_service.h"
#include "shell/application.h"
#include "shell/command_ids.h"
#include "shell/file_chooser.h"
#include "shell/override_cursor.h"
#include "storage/dao_exception.h"
#include "storage/database.h"
#include "storage/error_report.h"
#include "storage/recipe_document.h"
#include "storage/recipe_records.h"
#include "views/beerxml_import_report_dlg.h"

namespace mw::views {

namespace {

constexpr int kMsgCurrentOrAll = 1390;

const QString kFilter = QStringLiteral("BeerXML Files (*.xml *.XML);;All Files (*)");
const QString kSuffix = QStringLiteral("xml");

// A recipe name as a file name: the characters no file system takes become
// "_"; an empty name becomes the database's.
QString fileNameFor(QString name, const QString& fallback) {
    name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]")),
                 QStringLiteral("_"));
    name = name.simplified();
    while (name.startsWith(QLatin1Char('.'))) {
        name.remove(0, 1);
    }
    return (name.isEmpty() ? fallback : name) + QStringLiteral(".xml");
}

class BeerXmlFileCommands {
public:
    BeerXmlFileCommands(shell::CMwcalcApp& app, PromptService& prompts, shell::FileChooser& files,
                        HelpService* help)
        : m_app(app), m_prompts(prompts), m_files(files), m_help(help) {}

    void importFile(storage::CMwcalcDoc& document, QWidget* parent);
    void exportRecipes(storage::CMwcalcDoc& document, QWidget* parent);

private:
    static recipe_form::CRecipeFormSheet* recipeForm(storage::CMwcalcDoc& document);
    // Runs a change of the database with the recipe form out of its edit
    // (see CRecipeLifecycle::RunBetweenEdits); false when the user stayed.
    static bool runBetweenEdits(storage::CMwcalcDoc& document, const std::function<long()>& change);
    // Where the file boxes start: the folder last used, else the database's.
    QString folder(const storage::CMwcalcDoc& document) const;
    // Shows a failure of the beerxml module or of the database; never throws.
    template <typename Work>
    bool guarded(Work work);

    shell::CMwcalcApp& m_app;
    PromptService& m_prompts;
    shell::FileChooser& m_files;
    HelpService* m_help;
    QString m_lastFolder;
};

recipe_form::CRecipeFormSheet* BeerXmlFileCommands::recipeForm(storage::CMwcalcDoc& document) {
    for (storage::DocumentView* view : document.views()) {
        if (auto* form = dynamic_cast<recipe_form::CRecipeFormSheet*>(view)) {
            return form;
        }
    }
    return nullptr;
}

bool BeerXmlFileCommands::runBetweenEdits(storage::CMwcalcDoc& document,
                                          const std::function<long()>& change) {
    if (recipe_form::CRecipeFormSheet* form = recipeForm(document)) {
        return form->lifecycle().RunBetweenEdits(change);
    }
    // Without the form no transaction of the document is open.
    const long added = change();
    if (added > 0) {
        document.UpdateAllViews(nullptr, storage::Hint::RecipeAdded);
        document.GoToBatch(nullptr, added);
    }
    return true;
}

QString BeerXmlFileCommands::folder(const storage::CMwcalcDoc& document) const {
    return m_lastFolder.isEmpty() ? QFileInfo(document.pathName()).absolutePath() : m_lastFolder;
}

template <typename Work>
bool BeerXmlFileCommands::guarded(Work work) {
    try {
        const shell::OverrideCursor wait;
        work();
        return true;
    } catch (const beerxml::BeerXmlError& error) {
        m_prompts.show(error.message(), error.text().toStdString(), PromptIcon::Exclamation);
    } catch (const storage::DaoException& error) {
        storage::ReportDaoException(error, m_prompts, m_help);
    }
    return false;
}

void BeerXmlFileCommands::importFile(storage::CMwcalcDoc& document, QWidget* parent) {
    const QString path = m_files.chooseFile(
        parent, {QStringLiteral("Import BeerXML"), kFilter, kSuffix, folder(document)});
    if (path.isEmpty()) {
        return;
    }
    m_lastFolder = QFileInfo(path).absolutePath();
    // The recipes come to the form, which is made now if only the log was open.
    m_app.activateView(shell::ViewKind::RecipeForm);
    std::optional<beerxml::ImportResult> result;
    runBetweenEdits(document, [&]() -> long {
        guarded([&] { result = beerxml::importBeerXml(*document.database(), path); });
        return result ? result->recipes.front().batchNumber : 0;
    });
    if (result) {
        auto* report = new CBeerXmlImportReportDlg(*result, path, m_help, parent);
        report->setAttribute(Qt::WA_DeleteOnClose);
        report->show();
        report->raise();
        report->activateWindow();
    }
}

void BeerXmlFileCommands::exportRecipes(storage::CMwcalcDoc& document, QWidget* parent) {
    recipe_form::CRecipeFormSheet* form = recipeForm(document);
    qint64 count = 0;
    if (!guarded([&] {
            count = document.database()
                        ->scalar(QStringLiteral("SELECT COUNT(*) FROM Recipes"))
                        .toLongLong();
        })) {
        return;
    }
    bool all = form == nullptr && document.currentBatch() == 0;
    if (count > 1 && !all) {
        const QString name = form != nullptr
                                 ? form->controls().name->text()
                                 : QStringLiteral("batch %1").arg(document.currentBatch());
        const PromptAnswer answer = m_prompts.show(
            kMsgCurrentOrAll,
            formatMessage(kMsgCurrentOrAll, name.toStdString(), std::to_string(count)),
            PromptIcon::Question, PromptButtons::YesNoCancel);
        if (answer == PromptAnswer::Cancel) {
            return;
        }
        all = answer == PromptAnswer::No;
    }
    QString path;
    int written = 0;
    // The recipe is exported as saved: the form's question about unsaved
    // changes comes first.
    runBetweenEdits(document, [&]() -> long {
        form = recipeForm(document);
        const qint32 batch =
            form != nullptr ? form->record().m_RecipeBatchNo : document.currentBatch();
        const QString base = QFileInfo(document.pathName()).completeBaseName();
        const QString name = all || form == nullptr
                                 ? base + QStringLiteral(".xml")
                                 : fileNameFor(form->record().m_RecipeName, base);
        path = m_files.chooseFile(parent, {QStringLiteral("Export BeerXML"), kFilter, kSuffix,
                                           QDir(folder(document)).filePath(name), true});
        if (path.isEmpty()) {
            return 0;
        }
        m_lastFolder = QFileInfo(path).absolutePath();
        guarded([&] {
            written = beerxml::exportBeerXml(
                *document.database(), all ? std::nullopt : std::optional<qint32>(batch), path);
        });
        return 0;
    });
    if (written > 0) {
        m_prompts.show(
            beerxml::bxmsg::ExportSummary,
            beerxml::catalogueText(beerxml::bxmsg::ExportSummary,
                                   {QString::number(written), QDir::toNativeSeparators(path)})
                .toStdString(),
            PromptIcon::Information);
    }
}

}  // namespace

void installBeerXmlCommands(shell::CMwcalcApp& app, PromptService& prompts,
                            shell::FileChooser& files, HelpService* help) {
    installBeerXmlCommands(app, prompts, files, help, [&app](int id, BeerXmlCommand command) {
        app.setDocumentCommand(id, std::move(command));
    });
}

void installBeerXmlCommands(shell::CMwcalcApp& app, PromptService& prompts,
                            shell::FileChooser& files, HelpService* help,
                            const std::function<void(int id, BeerXmlCommand command)>& add) {
    auto commands = std::make_shared<BeerXmlFileCommands>(app, prompts, files, help);
    add(shell::cmd::FileImportBeerXml, [commands](storage::CMwcalcDoc& document, QWidget* parent) {
        commands->importFile(document, parent);
    });
    add(shell::cmd::FileExportBeerXml, [commands](storage::CMwcalcDoc& document, QWidget* parent) {
        commands->exportRecipes(document, parent);
    });
}

}  // namespace mw::views
