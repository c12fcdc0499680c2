#pragma once

#include <QString>

#include "grid/cell_kind.h"
#include "grid/grid_settings.h"

class QWidget;

namespace mw::grid {

// A kind of cell: the editor it offers and how text goes in and out of it.
// Cells without an editor (check boxes, buttons, headings) return null.
class CGWCell {
public:
    virtual ~CGWCell() = default;
    virtual QWidget* createEditor(QWidget* parent, const ColumnSettings& column) const;
    virtual void setEditorText(QWidget* editor, const QString& text) const;
    virtual QString editorText(QWidget* editor) const;
    // True when choosing in the editor ends the edit at once (drop-down lists).
    virtual bool commitsOnChoice() const { return false; }
};

class CGWEditCell : public CGWCell {};

class CGWComboBoxCell : public CGWCell {
public:
    QWidget* createEditor(QWidget* parent, const ColumnSettings& column) const override;
    void setEditorText(QWidget* editor, const QString& text) const override;
    QString editorText(QWidget* editor) const override;
};

class CGWDropDownListCell : public CGWComboBoxCell {
public:
    QWidget* createEditor(QWidget* parent, const ColumnSettings& column) const override;
    bool commitsOnChoice() const override { return true; }
};

class CGWCheckBoxCell : public CGWCell {
public:
    QWidget* createEditor(QWidget*, const ColumnSettings&) const override { return nullptr; }
};

// A decimal number typed with a point, whatever the desktop's locale.
class CGWFloatCell : public CGWCell {
public:
    QWidget* createEditor(QWidget* parent, const ColumnSettings& column) const override;
};

class CGWIntCell : public CGWCell {
public:
    QWidget* createEditor(QWidget* parent, const ColumnSettings& column) const override;
};

// A date written as YYYY-MM-DD.
class CGWDateTimeCell : public CGWCell {
public:
    QWidget* createEditor(QWidget* parent, const ColumnSettings& column) const override;
    void setEditorText(QWidget* editor, const QString& text) const override;
    QString editorText(QWidget* editor) const override;
};

class CGWButtonCell : public CGWCell {
public:
    QWidget* createEditor(QWidget*, const ColumnSettings&) const override { return nullptr; }
};

class CGWSpinCell : public CGWCell {
public:
    QWidget* createEditor(QWidget* parent, const ColumnSettings& column) const override;
    void setEditorText(QWidget* editor, const QString& text) const override;
    QString editorText(QWidget* editor) const override;
};

class CGWHeadingCell : public CGWCell {
public:
    QWidget* createEditor(QWidget*, const ColumnSettings&) const override { return nullptr; }
};

// The one cell object of each kind.
const CGWCell& cellOf(CellKind kind);

}  // namespace mw::grid
