#include "shell/placeholder_view.h"

#include <QDir>
#include <QMdiSubWindow>
#include <QVBoxLayout>

#include "resources/message_catalogue.h"
#include "storage/recipe_document.h"

namespace mw::shell {

namespace {
constexpr int kMsgFormStandIn = 1023;
constexpr int kMsgLogStandIn = 1029;
}  // namespace

QString PlaceholderView::titleOf(Kind kind) {
    return kind == Kind::RecipeForm ? QStringLiteral("Recipe Form") : QStringLiteral("Log Book");
}

PlaceholderView::PlaceholderView(Kind kind, storage::CMwcalcDoc& document, QWidget* parent)
    : QWidget(parent), m_kind(kind), m_document(&document) {
    setObjectName(kind == Kind::RecipeForm ? QStringLiteral("recipeForm")
                                           : QStringLiteral("recipeLog"));
    setWindowTitle(titleOf(kind));
    auto* layout = new QVBoxLayout(this);
    m_text = new QLabel(this);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setText(QString::fromStdString(
        formatMessage(kind == Kind::RecipeForm ? kMsgFormStandIn : kMsgLogStandIn,
                      QDir::toNativeSeparators(document.pathName()).toStdString())));
    layout->addWidget(m_text);
    m_document->addView(this);
}

PlaceholderView::~PlaceholderView() {
    if (m_document != nullptr) {
        m_document->removeView(this);
    }
}

void PlaceholderView::OnUpdate(DocumentView*, long) {}

void PlaceholderView::closeView() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        sub->close();
    } else {
        close();
    }
}

}  // namespace mw::shell
