#include "recipe_form/recipe_form_commands.h"

#include <QMenu>

#include "recipe_form/recipe_lifecycle.h"
#include "shell/command_ids.h"
#include "shell/command_set.h"

namespace mw::recipe_form {

namespace {

using Move = CRecipeLifecycle::Move;

struct MenuEntry {
    int id;
    const char* text;
};

// The "recipe form" menu; 0 is a separator.
constexpr MenuEntry kContextMenu[] = {
    {shell::cmd::RecordFirst, "&First"},
    {shell::cmd::RecordPrev, "&Previous"},
    {shell::cmd::RecordNext, "&Next"},
    {shell::cmd::RecordLast, "&Last"},
    {0, nullptr},
    {shell::cmd::RecordAdd, "&Add"},
    {shell::cmd::RecordCopy, "&Copy"},
    {shell::cmd::RecordRefresh, "&Refresh"},
    {shell::cmd::RecordDelete, "&Delete"},
    {0, nullptr},
    {shell::cmd::RecordCommit, "Commit Add/Update"},
};

constexpr int kHandled[] = {shell::cmd::RecordFirst,   shell::cmd::RecordPrev,
                            shell::cmd::RecordNext,    shell::cmd::RecordLast,
                            shell::cmd::RecordAdd,     shell::cmd::RecordCopy,
                            shell::cmd::RecordRefresh, shell::cmd::RecordDelete,
                            shell::cmd::RecordCommit,  shell::cmd::FileSave};

}  // namespace

RecipeFormCommands::RecipeFormCommands(shell::CommandSet& commands, CRecipeLifecycle& lifecycle,
                                       QObject* parent)
    : QObject(parent), m_commands(&commands), m_lifecycle(lifecycle) {
    using namespace shell::cmd;
    CRecipeLifecycle& l = m_lifecycle;
    commands.setHandler(RecordFirst, [&l] { l.MoveTo(Move::First); });
    commands.setHandler(RecordPrev, [&l] { l.MoveTo(Move::Previous); });
    commands.setHandler(RecordNext, [&l] { l.MoveTo(Move::Next); });
    commands.setHandler(RecordLast, [&l] { l.MoveTo(Move::Last); });
    commands.setHandler(RecordAdd, [&l] { l.NewRecipe(); });
    commands.setHandler(RecordCopy, [&l] { l.CopyRecipe(); });
    commands.setHandler(RecordRefresh, [&l] { l.Discard(); });
    commands.setHandler(RecordDelete, [&l] { l.DeleteRecipe(); });
    commands.setHandler(RecordCommit, [&l] { l.Save(); });
    commands.setHandler(FileSave, [&l] { l.Save(); });
    updateEnabling();
}

RecipeFormCommands::~RecipeFormCommands() {
    if (m_commands.isNull()) {
        return;
    }
    for (int id : kHandled) {
        m_commands->clearHandler(id);
    }
}

void RecipeFormCommands::updateEnabling() {
    using namespace shell::cmd;
    if (m_commands.isNull()) {
        return;
    }
    m_commands->action(RecordCopy)->setEnabled(m_lifecycle.canCopy());
    m_commands->action(RecordDelete)->setEnabled(m_lifecycle.canDelete());
    m_commands->action(RecordRefresh)->setEnabled(m_lifecycle.canRefresh());
    m_commands->action(RecordCommit)->setEnabled(m_lifecycle.isCommitEnabled());
}

QMenu* RecipeFormCommands::makeContextMenu(QWidget* parent) {
    auto* menu = new QMenu(QStringLiteral("recipe form"), parent);
    menu->setObjectName(QStringLiteral("recipeFormMenu"));
    for (const MenuEntry& entry : kContextMenu) {
        if (entry.id == 0) {
            menu->addSeparator();
            continue;
        }
        QAction* action = m_commands->action(entry.id);
        if (action->text().isEmpty()) {
            action->setText(QString::fromUtf8(entry.text));
        }
        menu->addAction(action);
    }
    connect(menu, &QMenu::aboutToShow, this, [this] { updateEnabling(); });
    return menu;
}

}  // namespace mw::recipe_form
