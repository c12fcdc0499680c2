#pragma once

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QtTest>

#include "recipe_form/record_exchange.h"
#include "shell/shell_fixture.h"
#include "storage/recipe_records.h"

namespace mw::test {

// A column of a record by its name, as the record class binds it.
inline QVariant columnValue(const storage::Recordset& record, const QString& column) {
    for (const storage::FieldBinding& field : record.fields()) {
        if (field.column != column) {
            continue;
        }
        switch (field.type) {
            case storage::FieldType::Long:
                return *static_cast<const qint32*>(field.member);
            case storage::FieldType::Short:
                return *static_cast<const qint16*>(field.member);
            case storage::FieldType::Double:
                return *static_cast<const double*>(field.member);
            case storage::FieldType::Text:
                return *static_cast<const QString*>(field.member);
            case storage::FieldType::Bool:
                return *static_cast<const bool*>(field.member);
            case storage::FieldType::DateTime:
                return *static_cast<const QDateTime*>(field.member);
        }
    }
    return {};
}

// The control a screen reader names `name`: by its accessible name, else by
// the caption of the label that leads to it.
template <typename Field = QLineEdit>
Field* fieldNamed(QWidget* window, const QString& name) {
    for (Field* field : window->findChildren<Field*>()) {
        if (field->accessibleName() == name) {
            return field;
        }
    }
    for (QLabel* label : window->findChildren<QLabel*>()) {
        QString caption = label->text();
        caption.remove(QLatin1Char('&'));
        if (caption == name) {
            if (auto* field = qobject_cast<Field*>(label->buddy())) {
                return field;
            }
        }
    }
    return nullptr;
}

// Replaces a field's text the way a user does: select everything, type.
inline void retype(QLineEdit* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Delete);
    } else {
        QTest::keyClicks(field, text);
    }
}

// A page shown as its own window of about the size it has on the form, and
// made the active window so that focus moves as it does for a user.
inline bool showActive(QWidget& page) {
    page.resize(800, 400);
    page.show();
    QApplication::setActiveWindow(&page);
    return QTest::qWaitForWindowActive(&page);
}

// Scripted prompts and recorded help, and a recipe record in memory with the
// values a new recipe starts with.
struct PageFixture : ShellFixture {
    storage::CRecordSetRecipe recipe{nullptr};
    recipe_form::RecordExchange exchange{prompts};

    PageFixture() {
        recipe.m_RecipeName = QStringLiteral("Sample Pale Ale");
        recipe.m_RecipeMashType = -1;
        recipe.m_RecipeSGOriginal = 1.0;
        recipe.m_RecipeSGRacking = 1.0;
        recipe.m_RecipeSGFinal = 1.0;
        recipe.m_RecipeBoilSize = 5.0;
        recipe.m_RecipeBatchSize = 5.0;
        recipe.m_RecipeFermConditioningUnits = QStringLiteral("Days");
        recipe.m_RecipeRatingImpression = 1;
        recipe.m_RecipeSystemEfficiencyExpected = 80.0;
    }
};

}  // namespace mw::test
