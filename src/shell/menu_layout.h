#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class QMenuBar;

namespace mw::shell {

class CommandSet;

// The three menu bars: no database open, the recipe form's, the recipe log's.
enum class MenuKind { NoDatabase, RecipeForm, RecipeLog };

// One item of a menu: a command (with its shown text, "&" marking the access
// key and a tab before a shortcut shown in the text), a separator, a submenu,
// or the place where the recent files go.
struct MenuItem {
    enum class Kind { Command, Separator, Submenu, RecentFiles, WindowList };
    Kind kind = Kind::Command;
    int id = 0;
    QString text;
    std::vector<MenuItem> items;  // a submenu's items
};

struct MenuDefinition {
    QString title;
    std::vector<MenuItem> items;
};

const std::vector<MenuDefinition>& menuDefinitions(MenuKind kind);

// Fills a menu bar from a definition with the command set's actions, giving
// each action the text of its item. The recent files become commands 57616
// and on, with the texts "&1 path", "&2 path" ...
void buildMenuBar(QMenuBar* bar, MenuKind kind, CommandSet& commands,
                  const QStringList& recentFiles);

}  // namespace mw::shell
