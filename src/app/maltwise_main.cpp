// maltwise: the Maltwise Calculator desktop program. This is the composition
// root: it makes the settings store, the help, the message boxes and the
// file boxes, and hands them to the application object.

#include <QApplication>
#include <QStandardPaths>

#include "calculator_commands.h"
#include "screenshots.h"
#include "shell/application.h"
#include "shell/file_chooser.h"
#include "shell/help_viewer.h"
#include "shell/qt_prompt_service.h"
#include "storage/settings.h"

int main(int argc, char** argv) {
    QApplication::setOrganizationName(QStringLiteral("Wortline"));
    QApplication::setApplicationName(QStringLiteral("Maltwise Calculator"));
    QApplication app(argc, argv);

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const qsizetype shots = arguments.indexOf(QStringLiteral("--screenshots"));
    if (shots >= 0) {
        return mw::app::renderScreenshots(arguments.value(shots + 1, QStringLiteral(".")));
    }

    mw::storage::Settings settings(mw::storage::Settings::openUserStore());
    mw::shell::HtmlHelpService help;
    mw::shell::QtPromptService prompts(&help);
    mw::shell::QtFileChooser files;
    mw::shell::CMwcalcApp maltwise(
        settings, prompts, help, files,
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    mw::app::registerCalculators(maltwise, settings, prompts, help);
    if (!maltwise.InitInstance(arguments)) {
        return 1;
    }
    return app.exec();
}
