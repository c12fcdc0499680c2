#pragma once

#include <QMdiSubWindow>
#include <QWidget>

#include "shell/application.h"
#include "storage/document_view.h"
#include "storage/recipe_document.h"

namespace mw::test {

// A bare view in place of the recipe form or the recipe log, which live
// above the shell: a window on the open document, named and titled as the
// real view is, so that opening, switching and closing a database can be
// tested on the shell alone.
class StandInView final : public QWidget, public storage::DocumentView {
public:
    StandInView(shell::ViewKind kind, storage::CMwcalcDoc& document) : m_document(&document) {
        const bool form = kind == shell::ViewKind::RecipeForm;
        setObjectName(form ? QStringLiteral("recipeForm") : QStringLiteral("recipeLog"));
        setWindowTitle(form ? QStringLiteral("Recipe Form") : QStringLiteral("Log Book"));
        m_document->addView(this);
    }
    ~StandInView() override {
        if (m_document != nullptr) {
            m_document->removeView(this);
        }
    }
    void OnUpdate(DocumentView*, long) override {}
    bool isRecipeForm() const override { return objectName() == QLatin1String("recipeForm"); }
    void closeView() override {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
            sub->close();
        }
    }
    void OnDocumentDestroyed() override { m_document = nullptr; }

    // Makes the application show stand-ins for both views.
    static void install(shell::CMwcalcApp& app) {
        for (const shell::ViewKind kind :
             {shell::ViewKind::RecipeForm, shell::ViewKind::RecipeLog}) {
            const auto factory = [kind](storage::CMwcalcDoc& document, shell::CMainFrame&) {
                return new StandInView(kind, document);
            };
            if (kind == shell::ViewKind::RecipeForm) {
                app.setRecipeFormFactory(factory);
            } else {
                app.setRecipeLogFactory(factory);
            }
        }
    }

private:
    storage::CMwcalcDoc* m_document;
};

}  // namespace mw::test
