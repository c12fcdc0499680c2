#pragma once

#include <QString>

namespace mw::storage {

// Change notices: the high 16 bits say what happened, the low 16 bits carry a
// batch number where stated.
namespace Hint {
inline constexpr long InitialUpdate = 0;
inline constexpr long ShowBatch = 0x30000;  // + batch: show this recipe
inline constexpr long RecipeSaved = 0x60000;
inline constexpr long RecipeCopied = 0x70000;
inline constexpr long RecipeDeleted = 0x80000;
inline constexpr long RecipeAdded = 0x90000;

constexpr long kind(long hint) {
    return hint & 0x7fff0000L;
}
constexpr long batch(long hint) {
    return hint & 0xffffL;
}
// Only 16 bits of a batch number travel in a notice.
constexpr long showBatch(long batchNumber) {
    return ShowBatch + (batchNumber & 0xffffL);
}
}  // namespace Hint

// A window that shows the document (the recipe form, the recipe log).
class DocumentView {
public:
    virtual ~DocumentView() = default;

    // Told of a change made by another view.
    virtual void OnUpdate(DocumentView* sender, long hint) = 0;
    // The recipe form answers the leave check with its save-changes prompt.
    virtual bool isRecipeForm() const { return false; }
    virtual bool canLeaveRecipe() { return true; }
    // Asks the view's window to close (File Close).
    virtual void closeView() {}
    // The document is going away; the view must not touch it any more.
    virtual void OnDocumentDestroyed() {}
    // The program's settings changed (Options, OK): read them again.
    virtual void OnSettingsChanged() {}
};

// The main frame's status bar as the document drives it while opening.
class StatusReporter {
public:
    virtual ~StatusReporter() = default;
    // 0 to 100; -1 hides the progress bar.
    virtual void setProgress(int position) = 0;
    virtual void setStatusText(const QString& text) = 0;
    virtual void resetStatus() = 0;
};

}  // namespace mw::storage
