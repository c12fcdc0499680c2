#include "calculators/calculator_support.h"

#include <QGridLayout>
#include <QSignalBlocker>
#include <algorithm>
#include <numeric>
#include <utility>

#include "resources/prompt_service.h"
#include "shell/hint_balloon.h"
#include "storage/catalogue_string.h"

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

void onTextChange(QLineEdit* field, std::function<void(const QString&)> changed) {
    QObject::connect(field, &QLineEdit::textChanged, field,
                     [changed = std::move(changed)](const QString& text) { changed(text); });
}

void showText(QLineEdit* field, const QString& text) {
    if (field->text() != text) {
        const QSignalBlocker quiet(field);
        field->setText(text);
    }
}

void addHint(shell::CHintBalloon& hints, QWidget* field, int stringNumber) {
    hints.AddTool(field, stringNumber);
    field->setAccessibleDescription(storage::catalogueString(stringNumber));
}

namespace {

void collectInLayoutOrder(QLayout* layout, std::vector<QWidget*>& widgets);

void collectWidget(QWidget* widget, std::vector<QWidget*>& widgets) {
    if ((widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus) {
        widgets.push_back(widget);
    }
    if (widget->layout() != nullptr) {
        collectInLayoutOrder(widget->layout(), widgets);
    }
}

void collectItem(QLayoutItem* item, std::vector<QWidget*>& widgets) {
    if (item->widget() != nullptr) {
        collectWidget(item->widget(), widgets);
    } else if (item->layout() != nullptr) {
        collectInLayoutOrder(item->layout(), widgets);
    }
}

void collectInLayoutOrder(QLayout* layout, std::vector<QWidget*>& widgets) {
    std::vector<int> order(static_cast<std::size_t>(layout->count()));
    std::iota(order.begin(), order.end(), 0);
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        const auto cell = [grid](int index) {
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
            return std::pair(row, column);
        };
        std::stable_sort(order.begin(), order.end(),
                         [&cell](int a, int b) { return cell(a) < cell(b); });
    }
    for (int index : order) {
        collectItem(layout->itemAt(index), widgets);
    }
}

}  // namespace

void tabInLayoutOrder(QWidget* window) {
    if (window->layout() == nullptr) {
        return;
    }
    std::vector<QWidget*> widgets;
    collectInLayoutOrder(window->layout(), widgets);
    for (std::size_t i = 1; i < widgets.size(); ++i) {
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
    }
}

}  // namespace mw::calculators
