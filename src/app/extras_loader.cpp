#include "extras_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include "recipe_form/lookup_dlg.h"
#include "recipe_form/recipe_form_sheet.h"
#include "recipe_form/recipe_recipe_page.h"
#include "resources/message_catalogue.h"
#include "resources/prompt_service.h"
#include "shell/application.h"
#include "shell/command_set.h"
#include "shell/main_frame.h"
#include "views/prediction_details_window.h"

namespace mw::app {

namespace {

using MakeExtras = Extras* (*)(const ExtrasServices&);
using RenderScreenshots = int (*)(const QString&);

constexpr int kMsgLibraryNotLoaded = 1490;

}  // namespace

ExtrasLoader::ExtrasLoader(const ExtrasServices& services) : m_services(services) {}

ExtrasLoader::~ExtrasLoader() {
    // The library's objects go before the library's code.
    m_extras.reset();
}

std::unique_ptr<QLibrary> ExtrasLoader::load(QString& error) {
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString& folder :
         {program.path(), program.filePath(QStringLiteral(MW_EXTRAS_FROM_PROGRAM))}) {
        auto library =
            std::make_unique<QLibrary>(QDir(folder).filePath(QStringLiteral(MW_EXTRAS_LIBRARY)));
        // Every symbol bound now: a library that does not fit the program
        // fails here, not in the middle of a window.
        library->setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (library->load()) {
            return library;
        }
        error += library->errorString() + QLatin1Char('\n');
    }
    qWarning("Maltwise Calculator: cannot load %s:\n%s", MW_EXTRAS_LIBRARY, qPrintable(error));
    return nullptr;
}

Extras* ExtrasLoader::extras() {
    if (m_extras) {
        return m_extras.get();
    }
    QString error;
    if (!m_library) {
        m_library = load(error);
    }
    if (m_library) {
        if (auto make = reinterpret_cast<MakeExtras>(m_library->resolve("mwMakeExtras"))) {
            m_extras.reset(make(m_services));
        } else {
            error = m_library->errorString();
        }
    }
    if (!m_extras) {
        // The command the user chose does nothing without the library: say why.
        m_services.prompts.show(
            kMsgLibraryNotLoaded,
            formatMessage(kMsgLibraryNotLoaded, MW_EXTRAS_LIBRARY, error.trimmed().toStdString()),
            PromptIcon::Exclamation);
    }
    return m_extras.get();
}

void ExtrasLoader::installCommands() {
    for (const int id : kExtrasDocumentCommands) {
        m_services.app.setDocumentCommand(
            id, [this, id](storage::CMwcalcDoc& document, QWidget* parent) {
                if (Extras* e = extras()) {
                    e->runCommand(id, document, parent);
                }
            });
    }
    m_services.app.addDocumentClosingHook([this] {
        if (m_extras) {
            m_extras->documentClosing();
        }
    });
    recipe_form::CLookupDlg::setTableAdder(
        [this](const QString& table, QWidget* parent) -> std::optional<qint64> {
            if (Extras* e = extras()) {
                return e->addToTable(table, parent);
            }
            return std::nullopt;
        });
}

void ExtrasLoader::wireFrame() {
    shell::CMainFrame* frame = m_services.app.mainFrame();
    frame->commands().setHandler(shell::cmd::FilePrintSetup, [this, frame] {
        if (Extras* e = extras()) {
            e->printSetup(*frame);
        }
    });
}

void ExtrasLoader::attachToForm(recipe_form::CRecipeFormSheet& form) {
    form.setTargetStyleWindow([this](recipe_form::CRecipeFormSheet& f) {
        if (Extras* e = extras()) {
            e->runTargetStyle(f);
        }
    });
    form.setMessagesWindow([this](recipe_form::CRecipeFormSheet& f) {
        if (Extras* e = extras()) {
            e->runCalcMessages(f);
        }
    });
    views::attachPredictionDetails(form, [this](recipe_form::CRecipeFormSheet& f) {
        if (Extras* e = extras()) {
            e->runPredictionDetails(f);
        }
    });
    form.recipePage()->setPrintHandler([this] {
        if (Extras* e = extras()) {
            e->previewCurrentRecipe();
        }
    });
}

int ExtrasLoader::renderScreenshots(const QString& folder) {
    QString error;
    const std::unique_ptr<QLibrary> library = load(error);
    auto render = library
                      ? reinterpret_cast<RenderScreenshots>(library->resolve("mwRenderScreenshots"))
                      : nullptr;
    return render != nullptr ? render(folder) : 1;
}

}  // namespace mw::app
