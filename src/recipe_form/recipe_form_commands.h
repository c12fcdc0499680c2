#pragma once

#include <QObject>
#include <QPointer>

class QMenu;
class QWidget;

namespace mw::shell {
class CommandSet;
}

namespace mw::recipe_form {

class CRecipeLifecycle;

// Puts the record commands (First, Previous, Next, Last, Add, Copy, Refresh,
// Delete, Commit Add/Update) and File Save on the recipe form's lifecycle
// for as long as this object lives, and keeps their enabling up to date:
// Copy and Delete are off while a new recipe is being added, Refresh is on
// only while adding or changed, Commit while the form allows it.
class RecipeFormCommands : public QObject {
    Q_OBJECT

public:
    RecipeFormCommands(shell::CommandSet& commands, CRecipeLifecycle& lifecycle,
                       QObject* parent = nullptr);
    ~RecipeFormCommands() override;

    void updateEnabling();
    // The form's right-click menu, with the same commands.
    QMenu* makeContextMenu(QWidget* parent);

private:
    // The main window's commands may go before the form does.
    QPointer<shell::CommandSet> m_commands;
    CRecipeLifecycle& m_lifecycle;
};

}  // namespace mw::recipe_form
