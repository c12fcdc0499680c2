#pragma once

#include <QLabel>
#include <QWidget>

#include "storage/document_view.h"

namespace mw::storage {
class CMwcalcDoc;
}

namespace mw::shell {

// Stands in for the recipe form or the recipe log until they are built: a
// window on the open document that says what it will hold, so that opening,
// switching and closing a database already work end to end.
class PlaceholderView : public QWidget, public storage::DocumentView {
    Q_OBJECT

public:
    enum class Kind { RecipeForm, RecipeLog };

    PlaceholderView(Kind kind, storage::CMwcalcDoc& document, QWidget* parent = nullptr);
    ~PlaceholderView() override;

    Kind kind() const { return m_kind; }
    // The document shown, or null once it has gone.
    storage::CMwcalcDoc* document() const { return m_document; }
    // "Recipe Form" or "Log Book", the windows' titles.
    static QString titleOf(Kind kind);

    void OnUpdate(DocumentView* sender, long hint) override;
    bool isRecipeForm() const override { return m_kind == Kind::RecipeForm; }
    void closeView() override;
    void OnDocumentDestroyed() override { m_document = nullptr; }

private:
    Kind m_kind;
    storage::CMwcalcDoc* m_document;
    QLabel* m_text;
};

}  // namespace mw::shell
