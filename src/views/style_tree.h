#pragma once

#include <QTreeWidget>
#include <optional>

#include "views/style_selection.h"

namespace mw::views {

// The tree of every style of the data database, three levels deep under one
// root item "Beer Styles": style names, their categories, and the
// subcategories of categories that have them. A category without
// subcategories is a leaf. Every item shows a glass, a full one when
// selected.
class CStyleTree : public QTreeWidget {
    Q_OBJECT

public:
    static const QString kRootText;

    explicit CStyleTree(QWidget* parent = nullptr);

    // Removes every item and makes the root item.
    QTreeWidgetItem* insertRoot();
    QTreeWidgetItem* rootItem() const { return topLevelItem(0); }
    // A new last child of `parent`.
    QTreeWidgetItem* insertItem(QTreeWidgetItem* parent, const QString& text);

    // The style a category or subcategory item stands for; none for the
    // root and for a name item.
    static std::optional<StyleSelection> selectionOf(const QTreeWidgetItem* item);
    // The category or subcategory item of a style; null when the tree has none.
    QTreeWidgetItem* itemOf(const StyleSelection& style) const;

    // Expands every item that has children, depth first from the root,
    // keeping the selected item in view.
    void expandEvery();
    // Collapses every item that has children, top-level items first.
    void collapseEvery();

private:
    void expandBelow(QTreeWidgetItem* item);
    void collapseBelow(QTreeWidgetItem* item);

    QIcon m_glass;
};

}  // namespace mw::views
