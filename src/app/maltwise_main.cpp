// maltwise: the Maltwise Calculator desktop program. This is the composition
// root: it makes the settings store, the help, the message boxes and the
// file boxes, and hands them to the application object.

#include <QApplication>
#include <QStandardPaths>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "extras_loader.h"
#include "recipe_form/recipe_form_factory.h"
#include "resources/message_catalogue.h"
#include "shell/application.h"
#include "shell/file_chooser.h"
#include "shell/help_viewer.h"
#include "shell/qt_prompt_service.h"
#include "storage/settings.h"
#include "views/recipe_log_factory.h"

namespace {

constexpr int kMsgNoDisplay = 1070;

// Without any display Qt ends in an abort about its platform plugin; a
// platform named on purpose (QT_QPA_PLATFORM, -platform) is left to Qt.
bool displayAvailable(int argc, char** argv) {
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (!displayAvailable(argc, argv)) {
        std::cerr << mw::formatMessage(kMsgNoDisplay, argc > 0 ? argv[0] : "maltwise") << '\n';
        return 1;
    }
    QApplication::setOrganizationName(QStringLiteral("Wortline"));
    QApplication::setApplicationName(QStringLiteral("Maltwise Calculator"));
    // The installed desktop entry, so a desktop shows its name and icon for our windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.maltwise.calculator"));
    QApplication app(argc, argv);

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const qsizetype shots = arguments.indexOf(QStringLiteral("--screenshots"));
    if (shots >= 0) {
        return mw::app::ExtrasLoader::renderScreenshots(
            arguments.value(shots + 1, QStringLiteral(".")));
    }

    mw::storage::Settings settings(mw::storage::Settings::openUserStore());
    mw::shell::HtmlHelpService help;
    mw::shell::QtPromptService prompts(&help);
    mw::shell::QtFileChooser files;
    mw::shell::CMwcalcApp maltwise(
        settings, prompts, help, files,
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    // The calculators, reference dialogs, reports, BeerXML and the recipe
    // windows beside the form come from a library loaded when first used.
    mw::app::ExtrasLoader extras({maltwise, settings, prompts, help, files});
    extras.installCommands();
    mw::recipe_form::installRecipeForm(
        maltwise, settings, prompts, &help,
        [&extras](mw::recipe_form::CRecipeFormSheet& form) { extras.attachToForm(form); });
    mw::views::installRecipeLog(maltwise, prompts, &help);
    if (!maltwise.InitInstance(arguments)) {
        return 1;
    }
    extras.wireFrame();
    return app.exec();
}
