#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QAbstractButton;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace mw::refdata {

// Building blocks of the reference-data dialogs. Every control is named
// after its column (objectName "HopsName"), so tests and the window checks
// find it, and carries its label's text without the access key as its
// accessible name, which the number refusal names too.

QLineEdit* lineEdit(const char* column, QWidget* parent, int widthInCharacters = 30);
// Multi-line text; Ctrl+Enter breaks a line as Enter does.
QPlainTextEdit* memo(const char* column, QWidget* parent, int lines = 3);
// A drop-down list of fixed texts, nothing chosen at first.
QComboBox* dropDownList(const char* column, const QStringList& texts, QWidget* parent);
QAbstractButton* checkBox(const char* column, const QString& text, QWidget* parent);

// Puts "label  control" on a grid row, the label's access key leading to
// the control. Returns the row's label.
void addRow(QGridLayout* grid, int row, const QString& label, QWidget* control, int span = 1);

// A framed group of radio buttons in one row (or column), named
// `column` + index; the list is in screen order, the order of the codes.
QList<QAbstractButton*> radioGroup(QGroupBox* box, const char* column, const QStringList& texts,
                                   bool vertical = false);

}  // namespace mw::refdata
