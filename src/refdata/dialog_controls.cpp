#include "refdata/dialog_controls.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>

namespace mw::refdata {

namespace {

QString plainName(QString text) {
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    text.replace(QStringLiteral("&&"), QStringLiteral("&"));
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QLatin1Char(' '))) {
        text.chop(1);
    }
    return text;
}

// Ctrl+Enter, the habit of the older dialogs, breaks the line too.
class MemoEdit final : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
            (event->modifiers() & Qt::ControlModifier) != 0) {
            insertPlainText(QStringLiteral("\n"));
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
    }
};

}  // namespace

QLineEdit* lineEdit(const char* column, QWidget* parent, int widthInCharacters) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(column));
    const QFontMetrics metrics(edit->font());
    edit->setMinimumWidth(metrics.averageCharWidth() * widthInCharacters);
    if (widthInCharacters <= 10) {
        // A number field stays short, so it is not taken for a text.
        edit->setMaximumWidth(metrics.averageCharWidth() * (widthInCharacters + 4));
    }
    return edit;
}

QPlainTextEdit* memo(const char* column, QWidget* parent, int lines) {
    auto* edit = new MemoEdit(parent);
    edit->setObjectName(QString::fromLatin1(column));
    edit->setTabChangesFocus(true);
    const QFontMetrics metrics(edit->font());
    edit->setMinimumHeight(metrics.lineSpacing() * lines + 12);
    return edit;
}

QComboBox* dropDownList(const char* column, const QStringList& texts, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(column));
    list->addItems(texts);
    list->setCurrentIndex(-1);
    return list;
}

QAbstractButton* checkBox(const char* column, const QString& text, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(column));
    return box;
}

void addRow(QGridLayout* grid, int row, const QString& label, QWidget* control, int span) {
    auto* caption = new QLabel(label, control->parentWidget());
    caption->setBuddy(control);
    if (control->accessibleName().isEmpty()) {
        control->setAccessibleName(plainName(label));
    }
    // The caption of a multi-line field stands at its top line.
    const bool tall = qobject_cast<QPlainTextEdit*>(control) != nullptr;
    grid->addWidget(caption, row, 0, tall ? Qt::AlignTop : Qt::Alignment());
    grid->addWidget(control, row, 1, 1, span);
}

QList<QAbstractButton*> radioGroup(QGroupBox* box, const char* column, const QStringList& texts,
                                   bool vertical) {
    QBoxLayout* layout = vertical ? static_cast<QBoxLayout*>(new QVBoxLayout(box))
                                  : static_cast<QBoxLayout*>(new QHBoxLayout(box));
    auto* group = new QButtonGroup(box);
    QList<QAbstractButton*> buttons;
    for (int i = 0; i < texts.size(); ++i) {
        auto* button = new QRadioButton(texts[i], box);
        button->setObjectName(QString::fromLatin1(column) + QString::number(i));
        group->addButton(button, i);
        layout->addWidget(button);
        buttons << button;
    }
    if (!vertical) {
        layout->addStretch(1);
    }
    box->setObjectName(QString::fromLatin1(column));
    return buttons;
}

}  // namespace mw::refdata
