#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "storage/database.h"
#include "views/style_selection.h"

class QLabel;
class QPushButton;

namespace mw {
class HelpService;
class PromptService;
}  // namespace mw
namespace mw::calc {
class CalcMessageList;
}
namespace mw::recipe_form {
class CPictureButton;
}
namespace mw::shell {
class CColorStatic;
}
namespace mw::storage {
class CRecordSetStyles;
class DaoException;
class Settings;
}  // namespace mw::storage

namespace mw::views {

class CStyleTree;
class CTargetStyleGrid2;

// "Target Style": the brewer picks the style the recipe aims at from the
// tree of every style in the data database ("DefaultDataFile") and sees the
// recipe's predicted gravity, alcohol, bitterness and colour against that
// style's limits. It also tells whether the last calculation left messages
// and opens the Calculation Messages window on them.
//
// The caller sets the initial selection (the recipe's style), the recipe's
// stored limits, the predictions, the message count and list, runs
// OnInitDialog() and then the dialog. Ended with OK, resultSelection() and
// limits() are what goes into the recipe; ended with Cancel, the result is
// the initial selection.
class CTargetStyleDlg : public QDialog {
    Q_OBJECT

public:
    struct Services {
        storage::Settings& settings;
        PromptService& prompts;
        HelpService* help = nullptr;
    };

    // F1: this window's help page; Help: the page on beer styles (the topic
    // of Reference, Beer Styles).
    static constexpr int kHelpTopic = 1221;
    static constexpr int kStylesHelpTopic = 98338;

    explicit CTargetStyleDlg(Services services, QWidget* parent = nullptr);
    ~CTargetStyleDlg() override;

    void setInitialSelection(const StyleSelection& selection);
    // The limits handed back when no style could be shown: the recipe's own.
    void setLimits(const StyleLimits& limits) { m_limits = limits; }
    void setPredicted(const PredictedValues& values) { m_predicted = values; }
    void setErrorCount(unsigned count) { m_errorCount = count; }
    // The recipe form's calculation messages, for the "Msgs" button.
    void setMessages(const calc::CalcMessageList* messages) { m_messages = messages; }

    // Fills the tree, writes the predictions, shows the recipe's style and
    // the calculation status, and puts the focus on the tree.
    void OnInitDialog();

    const StyleSelection& initialSelection() const { return m_initial; }
    const StyleSelection& workingSelection() const { return m_working; }
    const StyleSelection& resultSelection() const { return m_result; }
    const StyleLimits& limits() const { return m_limits; }

    // Looks the working selection up and sets its limits against the predictions.
    virtual void ShowStyle();
    // The initial selection shown again (a failed lookup says so as such).
    virtual void RestoreRecipeStyle();
    // The working selection into the three "Current Selection" labels.
    virtual void ShowSelection();

    void OnShowAll();
    void OnMsgs();
    void OnHelp();

    CStyleTree* tree() const { return m_tree; }
    QPushButton* showAllButton() const { return m_showAll; }
    CTargetStyleGrid2* grid() const { return m_grid; }
    shell::CColorStatic* statusLabel() const { return m_status; }
    recipe_form::CPictureButton* msgsButton() const { return m_msgs; }
    // 0 name, 1 category, 2 subcategory.
    QLabel* selectionLabel(int which) const { return m_selection[which]; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* helpButton() const { return m_helpButton; }
    // "&Details...": shown once something can tell the details behind the
    // predictions (the Prediction Details window); hidden otherwise.
    QPushButton* detailsButton() const { return m_details; }
    void setDetailsHandler(std::function<void()> open);

public slots:
    void accept() override;
    void reject() override;

private:
    void buildControls();
    // The Styles table on its current index; false when it could not be
    // opened (the user has been told).
    bool openStyles();
    void fillTree();
    // A category or subcategory item was chosen: it becomes the working
    // selection, a category item standing for its style without a
    // subcategory (which the Styles table may not have: the lookup says so).
    void onSelectionChanged();
    // Seeks the working selection; false (and the user told) when it is not there.
    bool seekWorking();
    void reportNotFound();
    void reportError(const storage::DaoException& error);

    Services m_services;
    StyleSelection m_initial;
    StyleSelection m_working;
    StyleSelection m_result;
    PredictedValues m_predicted;
    StyleLimits m_limits;
    unsigned m_errorCount = 0;
    const calc::CalcMessageList* m_messages = nullptr;
    bool m_expandNext = true;
    bool m_restoring = false;

    storage::Database m_database;
    std::unique_ptr<storage::CRecordSetStyles> m_styles;

    CStyleTree* m_tree = nullptr;
    QPushButton* m_showAll = nullptr;
    QLabel* m_selection[3] = {};
    CTargetStyleGrid2* m_grid = nullptr;
    shell::CColorStatic* m_status = nullptr;
    recipe_form::CPictureButton* m_msgs = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_helpButton = nullptr;
    QPushButton* m_details = nullptr;
    std::function<void()> m_openDetails;
};

}  // namespace mw::views
