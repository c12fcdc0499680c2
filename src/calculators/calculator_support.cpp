#include "calculators/calculator_support.h"

#include "resources/prompt_service.h"

namespace mw::calculators {

QLineEdit* makeResultField(QWidget* parent, bool readOnly) {
    auto* field = new QLineEdit(parent);
    QFont big = field->font();
    big.setPixelSize(32);
    big.setWeight(QFont::Weight(std::min(big.weight() + 300, 900)));
    field->setFont(big);
    field->setAlignment(Qt::AlignRight);
    field->setReadOnly(readOnly);
    field->setMinimumWidth(150);
    return field;
}

void showMessages(PromptService& prompts, const calc::SolveOutcome& outcome) {
    for (const calc::SolverMessage& m : outcome.messages) {
        prompts.show(m.number, m.text, m.icon);
    }
}

void colorSolvedLabel(const std::vector<QLabel*>& labels, int solvingFor) {
    for (int i = 0; i < static_cast<int>(labels.size()); ++i) {
        QPalette p = labels[static_cast<std::size_t>(i)]->palette();
        p.setColor(QPalette::WindowText, i == solvingFor ? QColor(0, 0, 255) : QColor(0, 0, 0));
        labels[static_cast<std::size_t>(i)]->setPalette(p);
    }
}

void focusAndSelect(QLineEdit* field) {
    field->setFocus();
    field->selectAll();
}

void onUserEdit(QLineEdit* field, std::function<void(const QString&)> edited) {
    QObject::connect(field, &QLineEdit::textEdited, field,
                     [edited = std::move(edited)](const QString& text) { edited(text); });
}

}  // namespace mw::calculators
