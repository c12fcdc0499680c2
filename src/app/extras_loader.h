#pragma once

#include <QString>
#include <memory>

#include "extras.h"

class QLibrary;

namespace mw::app {

// The program's side of the extras library: puts stand-ins on the commands,
// the lookups' Add button and the recipe form's buttons, and loads the
// library the first time one of them is used. The library is looked for
// beside the program (the build tree) and in the installed library folder.
class ExtrasLoader {
public:
    explicit ExtrasLoader(const ExtrasServices& services);
    ~ExtrasLoader();
    ExtrasLoader(const ExtrasLoader&) = delete;
    ExtrasLoader& operator=(const ExtrasLoader&) = delete;

    // Before the main window is made: the document commands, the closing of
    // the reports with the recipe database and the lookups' Add button.
    void installCommands();
    // After the main window is made: File > Print Setup.
    void wireFrame();
    // Each recipe form as it is made: Target Style, Msgs, Prediction Details
    // and the Recipe page's Print.
    void attachToForm(recipe_form::CRecipeFormSheet& form);

    // Null, after message 1490 saying why, when the library cannot be loaded.
    Extras* extras();

    // maltwise --screenshots FOLDER.
    static int renderScreenshots(const QString& folder);

private:
    // Null when neither folder holds a library that loads; `error` then
    // gets the loader's reasons.
    static std::unique_ptr<QLibrary> load(QString& error);

    ExtrasServices m_services;
    std::unique_ptr<QLibrary> m_library;
    std::unique_ptr<Extras> m_extras;
};

}  // namespace mw::app
