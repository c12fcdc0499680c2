#include "shell/menu_layout.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>

#include "shell/command_ids.h"
#include "shell/command_set.h"

namespace mw::shell {

namespace {

using K = MenuItem::Kind;

MenuItem item(int id, const char* text) {
    return {K::Command, id, QString::fromUtf8(text), {}};
}
MenuItem separator() {
    return {K::Separator, 0, {}, {}};
}
MenuItem recentFiles() {
    return {K::RecentFiles, 0, {}, {}};
}
MenuItem submenu(const char* text, std::vector<MenuItem> items) {
    return {K::Submenu, 0, QString::fromUtf8(text), std::move(items)};
}

MenuDefinition viewMenu(bool database) {
    using namespace cmd;
    if (!database) {
        return {QStringLiteral("&View"),
                {item(ViewToolbar, "&Toolbar"), item(ViewStatusBar, "&Status Bar")}};
    }
    return {QStringLiteral("&View"),
            {item(ViewRecipeForm, "Recipe &Form"), item(ViewRecipeLog, "Recipe &Log"),
             item(ViewRecipeLabel, "Recipe Label"), separator(), item(ViewToolbar, "&Toolbar"),
             item(ViewStatusBar, "&Status Bar")}};
}

MenuDefinition toolsMenu() {
    using namespace cmd;
    return {QStringLiteral("&Tools"),
            {item(Tool1, "Tool 1"), item(Tool1 + 1, "Tool 2"), item(Tool1 + 2, "Tool 3"),
             separator(), item(ToolsOptions, "&Options..."),
             submenu("&Database", {item(DatabaseCompress, "&Compress..."),
                                   item(DatabaseRepair, "&Repair..."),
                                   item(DatabaseRestoreBackup, "Restore &Backup...")})}};
}

MenuDefinition helpMenu() {
    using namespace cmd;
    return {QStringLiteral("&Help"),
            {item(HelpTip, "Ti&p of the Day..."), separator(), item(HelpContents, "&Contents"),
             item(HelpHomePage, "&Help Home Page"), item(HelpUsing, "&Using Help"),
             submenu("&Major Help Topics...",
                     {item(HelpGlossary, "&Glossary"), item(HelpHowToBrew, "How to Brew")}),
             separator(), item(HelpAbout, "&About Maltwise Calculator...")}};
}

MenuDefinition dataMenu() {
    using namespace cmd;
    return {
        QStringLiteral("&Data"),
        {item(DataStyle, "&Style..."), item(DataKit, "&Kit..."), item(DataExtract, "&Extract..."),
         item(DataGrain, "&Grain..."), item(DataHop, "&Hop..."), item(DataYeast, "&Yeast..."),
         item(DataWater, "&Water..."), item(DataAdjunct, "&Adjunct..."),
         item(DataGlossary, "G&lossary..."), item(DataSupplier, "S&upplier...")}};
}

MenuDefinition recordMenu() {
    using namespace cmd;
    return {QStringLiteral("&Record"),
            {item(RecordFirst, "&First"), item(RecordPrev, "&Previous"), item(RecordNext, "&Next"),
             item(RecordLast, "&Last"), separator(), item(RecordAdd, "&Add"),
             item(RecordCopy, "&Copy"), item(RecordRefresh, "&Refresh"),
             item(RecordDelete, "&Delete"), separator(), item(RecordCommit, "Commit Add/Update")}};
}

MenuDefinition referenceMenu(const char* title) {
    using namespace cmd;
    return {QString::fromUtf8(title),
            {item(RefStyle, "&Style..."), item(RefKit, "&Kit..."), item(RefExtract, "&Extract..."),
             item(RefGrain, "&Grain..."), item(RefHop, "&Hop..."), item(RefYeast, "&Yeast..."),
             item(RefWater, "&Water..."), item(RefAdjunct, "&Adjunct..."), separator(),
             item(RefRecipe, "&Recipe...")}};
}

MenuDefinition maltwiseMenu() {
    using namespace cmd;
    return {QStringLiteral("Malt&wise"),
            {item(CalcBitterness, "&Bitterness Calculator..."),
             item(CalcGravity, "&Original Gravity Calculator..."),
             item(CalcAlcohol, "&Alcohol Calculator..."), separator(),
             item(CalcSgBalling, "&Specific Gravity to/from Balling..."),
             item(CalcAbvAbw, "Alcohol by &Volume to/from by Weight..."), separator(),
             item(BrewerInfo, "Brewer's &Information...")}};
}

MenuDefinition windowMenu() {
    using namespace cmd;
    return {QStringLiteral("&Window"),
            {item(WindowCascade, "&Cascade"),
             item(WindowTile, "&Tile"),
             item(WindowArrange, "&Arrange Icons"),
             {K::WindowList, 0, {}, {}}}};
}

std::vector<MenuDefinition> noDatabaseMenus() {
    using namespace cmd;
    return {{QStringLiteral("&File"),
             {item(FileOpen, "&Open..."), separator(), item(FilePrintSetup, "P&rint Setup..."),
              separator(), recentFiles(), item(AppExit, "E&xit")}},
            viewMenu(false),
            toolsMenu(),
            helpMenu()};
}

std::vector<MenuDefinition> recipeFormMenus() {
    using namespace cmd;
    return {{QStringLiteral("&File"),
             {item(FileOpen, "&Open..."), item(FileClose, "&Close"), item(FileSave, "&Save"),
              separator(), item(FileImportBeerXml, "&Import BeerXML..."),
              item(FileExportBeerXml, "&Export BeerXML..."), separator(),
              item(FilePrint, "&Print...\tCtrl+P"), item(FilePrintPreview, "Print Pre&view"),
              item(FilePageSetup, "Page Se&tup..."), item(FilePrintSetup, "P&rint Setup..."),
              separator(), recentFiles(), item(AppExit, "E&xit")}},
            {QStringLiteral("&Edit"), {item(EditUndo, "&Undo")}},
            viewMenu(true),
            dataMenu(),
            recordMenu(),
            referenceMenu("Refere&nce"),
            maltwiseMenu(),
            {QStringLiteral("Re&ports"),
             {item(ReportSelect, "&Select a Report..."),
              item(ReportPreview, "Pre&view Selected Report"),
              item(ReportPrint, "Prin&t Selected Report")}},
            toolsMenu(),
            windowMenu(),
            helpMenu()};
}

std::vector<MenuDefinition> recipeLogMenus() {
    using namespace cmd;
    return {{QStringLiteral("&File"),
             {item(FileOpen, "&Open..."), item(FileClose, "&Close"), separator(),
              item(FileImportBeerXml, "&Import BeerXML..."),
              item(FileExportBeerXml, "&Export BeerXML..."), separator(),
              item(FilePrint, "&Print...\tCtrl+P"), item(FilePrintPreview, "Print Pre&view"),
              item(FilePageSetup, "Page Se&tup..."), item(FilePrintSetup, "P&rint Setup..."),
              separator(), recentFiles(), item(AppExit, "E&xit")}},
            {QStringLiteral("&Edit"),
             {item(EditUndo, "&Undo"), separator(), item(EditCut, "Cu&t"), item(EditCopy, "&Copy"),
              item(EditPaste, "&Paste")}},
            viewMenu(true),
            dataMenu(),
            recordMenu(),
            referenceMenu("&Reference"),
            maltwiseMenu(),
            windowMenu(),
            helpMenu()};
}

void addItems(QMenu* menu, const std::vector<MenuItem>& items, CommandSet& commands,
              const QStringList& recent) {
    for (const MenuItem& i : items) {
        switch (i.kind) {
            case K::Separator:
                menu->addSeparator();
                break;
            case K::Submenu:
                addItems(menu->addMenu(i.text), i.items, commands, recent);
                break;
            case K::RecentFiles:
                for (int n = 0; n < recent.size() && n < 4; ++n) {
                    QAction* a = commands.action(cmd::FileMru1 + n);
                    a->setText(QStringLiteral("&%1 %2").arg(n + 1).arg(
                        QDir::toNativeSeparators(recent[n])));
                    menu->addAction(a);
                }
                if (!recent.isEmpty()) {
                    menu->addSeparator();
                }
                break;
            case K::WindowList:
                menu->setObjectName(QStringLiteral("windowMenu"));
                break;
            case K::Command: {
                QAction* a = commands.action(i.id);
                a->setText(i.text);
                menu->addAction(a);
                break;
            }
        }
    }
}

}  // namespace

const std::vector<MenuDefinition>& menuDefinitions(MenuKind kind) {
    static const std::vector<MenuDefinition> none = noDatabaseMenus();
    static const std::vector<MenuDefinition> form = recipeFormMenus();
    static const std::vector<MenuDefinition> log = recipeLogMenus();
    switch (kind) {
        case MenuKind::RecipeForm:
            return form;
        case MenuKind::RecipeLog:
            return log;
        case MenuKind::NoDatabase:
            break;
    }
    return none;
}

void buildMenuBar(QMenuBar* bar, MenuKind kind, CommandSet& commands,
                  const QStringList& recentFiles) {
    // Menus belong to the bar; the actions belong to the command set.
    const QList<QMenu*> old = bar->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly);
    bar->clear();
    qDeleteAll(old);
    for (const MenuDefinition& def : menuDefinitions(kind)) {
        QMenu* menu = bar->addMenu(def.title);
        addItems(menu, def.items, commands, recentFiles);
    }
}

}  // namespace mw::shell
