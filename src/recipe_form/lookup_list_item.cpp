#include "recipe_form/lookup_list_item.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "resources/number_text.h"

namespace mw::recipe_form {

CLookupItem::CLookupItem(const QStringList& texts, unsigned numericColumns, int fixedPosition)
    : QTreeWidgetItem(texts, QTreeWidgetItem::UserType),
      m_numericColumns(numericColumns),
      m_fixedPosition(fixedPosition) {}

bool CLookupItem::operator<(const QTreeWidgetItem& other) const {
    QTreeWidget* list = treeWidget();
    const int column = list != nullptr ? list->sortColumn() : 0;
    const bool descending =
        list != nullptr && list->header()->sortIndicatorOrder() == Qt::DescendingOrder;
    const auto* row = dynamic_cast<const CLookupItem*>(&other);
    const int otherFixed = row != nullptr ? row->m_fixedPosition : -1;
    // A descending sort puts the greater row first, so a fixed row must then be
    // the greater one to stay on top.
    if (isFixed() || otherFixed >= 0) {
        if (isFixed() && otherFixed >= 0) {
            return descending ? m_fixedPosition > otherFixed : m_fixedPosition < otherFixed;
        }
        return isFixed() != descending;
    }
    const QString mine = text(column);
    const QString theirs = other.text(column);
    if (column >= 0 && column < 32 && (m_numericColumns & (1u << column)) != 0) {
        return leadingNumber(mine.toStdString()) < leadingNumber(theirs.toStdString());
    }
    return mine.compare(theirs, Qt::CaseInsensitive) < 0;
}

}  // namespace mw::recipe_form
