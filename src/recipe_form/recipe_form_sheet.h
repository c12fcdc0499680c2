#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "recipe_form/recipe_grid_host.h"
#include "recipe_form/recipe_lifecycle.h"
#include "storage/document_view.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace mw {
class HelpService;
class PromptService;
}  // namespace mw
namespace mw::calc {
class RecipeCalculation;
}
namespace mw::shell {
class CColorStatic;
class CInfoStatusBar;
class CommandSet;
}  // namespace mw::shell
namespace mw::storage {
class CMwcalcDoc;
class CRecordSetRecipe;
class RecipeRecordFields;
class Settings;
}  // namespace mw::storage

namespace mw::recipe_form {

class CPictureButton;
class CRecipeGrid1;
class CRecipeComments;
class CRecipeIngredientsPage;
class CRecipeMash;
class CRecipePage;
class CRecipeRatingDlg;
class CRecipeRecipePage;
class CRecipeSpecGravities;
class RecipeFormCommands;

// The recipe form's own controls.
struct RecipeFormControls {
    QLineEdit* name = nullptr;
    QLineEdit* brewer = nullptr;
    QLineEdit* batch = nullptr;
    QRadioButton* english = nullptr;
    QRadioButton* metric = nullptr;
    QCheckBox* kit = nullptr;
    QCheckBox* extract = nullptr;
    QCheckBox* partialMash = nullptr;
    QCheckBox* allGrain = nullptr;
    QPushButton* targetStyle = nullptr;
    shell::CColorStatic* targetStyleName = nullptr;
    shell::CColorStatic* targetCategory = nullptr;
    shell::CColorStatic* targetSubcategory = nullptr;
    shell::CColorStatic* calcStatus = nullptr;
    CPictureButton* messages = nullptr;
    QTabWidget* pages = nullptr;
};

// The recipe form: one recipe of the open recipe database at a time, its
// name, brewer, batch number, measure and process on top, and the pages
// Recipe, Ingredients, Mash, Fermentation Info, Comments and Rating below.
// It owns the recipe record, the ingredients grid and the calculations, and
// it is the only place where recipes are changed (see CRecipeLifecycle).
class CRecipeFormSheet : public QWidget,
                         public storage::DocumentView,
                         public RecipeGridHost,
                         public RecipeLifecycleView {
    Q_OBJECT

public:
    struct Services {
        storage::Settings& settings;
        PromptService& prompts;
        HelpService* help = nullptr;
        // The main window's commands and status bar; without them the form
        // keeps commands of its own and shows no status lines.
        shell::CommandSet* commands = nullptr;
        shell::CInfoStatusBar* status = nullptr;
    };

    CRecipeFormSheet(storage::CMwcalcDoc& document, Services services, QWidget* parent = nullptr);
    ~CRecipeFormSheet() override;

    const RecipeFormControls& controls() const { return m_c; }
    CRecipeRecipePage* recipePage() const { return m_recipePage; }
    CRecipeIngredientsPage* ingredientsPage() const { return m_ingredientsPage; }
    CRecipeGrid1* grid() const { return m_grid; }
    QMenu* contextMenu() const { return m_contextMenu; }
    CRecipeLifecycle& lifecycle() { return *m_lifecycle; }
    storage::CRecordSetRecipe& record() { return *m_record; }
    calc::RecipeCalculation& calculation() { return *m_calc; }

    // "&Target Style...": the full recalculation with its announcement,
    // then the target style dialog.
    void OnTargetStyle();
    void RecalculateRecipe(bool announce);
    // "Msgs": recalculates; opens the messages window when there are messages.
    void ShowCalcMessages();
    // The target style names into the three labels and the four target
    // ranges into the main window's status lines, the gravity range shown.
    void ShowTargetRanges();
    // Reads "DisplayWarnings", "DisplayDeleteWarnings", "DisplayToolTips"
    // and "RecipeScroll" again (after the options sheet).
    void readSettings();

    // Windows other parts of the program provide: the target style
    // comparison and the calculation messages list.
    using WindowHook = std::function<void(CRecipeFormSheet& form)>;
    void setTargetStyleWindow(WindowHook hook) { m_targetStyleWindow = std::move(hook); }
    void setMessagesWindow(WindowHook hook) { m_messagesWindow = std::move(hook); }

    // DocumentView
    void OnUpdate(DocumentView* sender, long hint) override;
    bool isRecipeForm() const override { return true; }
    bool canLeaveRecipe() override;
    void closeView() override;
    void OnDocumentDestroyed() override;
    void OnSettingsChanged() override { readSettings(); }

    // RecipeGridHost
    qint32 currentRecipeId() const override;
    bool isAdding() const override;
    bool displayDeleteWarnings() const override;
    void setModified() override;
    qint32 storeNewRecipe() override;
    void calcHopRow(int row, bool unitChanging) override;
    void showProgress(int percent) override;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // RecipeLifecycleView
    bool readAllControls() override;
    bool readFormControls() override;
    RecipeCheckInput checkInput() const override;
    void focusField(CheckFocus field) override;
    QString nameText() const override;
    void showNameAndBatch() override;
    void showRecord() override;
    void enterRecordDisplay() override;
    void showFirstPage() override;
    void reloadGrid() override;
    void settleGrid() override;
    void clearCalcResults() override;
    void showTargetRanges() override { ShowTargetRanges(); }
    void lifecycleStateChanged() override;

    void buildControls();
    void buildPages();
    void addPage(CRecipePage* page);
    // A page made the first time it comes to the front.
    void addLazyPage(const QString& title, std::function<CRecipePage*()> make);
    // The page of a tab, made now if it had not been; null for none.
    CRecipePage* ensurePage(int index);
    void trackFormChanges();
    void showFormControls();
    void applyToolTips();
    void applyStatusLook();
    int countRows(int sheet, int limit) const;

    storage::CMwcalcDoc* m_document;
    Services m_services;
    bool m_displayWarnings = true;
    bool m_displayDeleteWarnings = true;
    bool m_displayToolTips = true;
    int m_recipeScroll = 0;
    bool m_firstShow = true;
    bool m_showing = false;

    std::unique_ptr<storage::CRecordSetRecipe> m_record;
    std::unique_ptr<storage::RecipeRecordFields> m_fields;
    std::unique_ptr<CRecipeLifecycle> m_lifecycle;
    std::unique_ptr<calc::RecipeCalculation> m_calc;

    RecipeFormControls m_c;
    CRecipeRecipePage* m_recipePage = nullptr;
    CRecipeIngredientsPage* m_ingredientsPage = nullptr;
    CRecipeMash* m_mashPage = nullptr;
    CRecipeSpecGravities* m_fermentationPage = nullptr;
    CRecipeComments* m_commentsPage = nullptr;
    CRecipeRatingDlg* m_ratingPage = nullptr;
    std::vector<CRecipePage*> m_pages;  // null for a page not made yet
    std::vector<std::function<CRecipePage*()>> m_pageFactories;
    CRecipeGrid1* m_grid = nullptr;
    shell::CommandSet* m_commands = nullptr;
    RecipeFormCommands* m_formCommands = nullptr;
    QMenu* m_contextMenu = nullptr;
    WindowHook m_targetStyleWindow;
    WindowHook m_messagesWindow;
};

}  // namespace mw::recipe_form
