#include "views/style_tree.h"

#include <QHeaderView>
#include <QPainter>
#include <QPainterPath>

namespace mw::views {

namespace {

// A 16-pixel beer glass: amber beer under a white head; the selected look
// is filled to the brim with a taller head.
QPixmap glassPicture(bool selected) {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath glass;
    glass.moveTo(3.5, 2.5);
    glass.lineTo(12.5, 2.5);
    glass.lineTo(11.0, 14.5);
    glass.lineTo(5.0, 14.5);
    glass.closeSubpath();
    p.setClipPath(glass);
    const double beerTop = selected ? 5.0 : 7.0;
    p.fillRect(QRectF(0, beerTop, 16, 16), QColor(214, 144, 32));
    p.fillRect(QRectF(0, beerTop - 3.0, 16, 3.0), QColor(255, 250, 235));
    p.setClipping(false);
    p.setPen(QPen(selected ? QColor(0, 0, 160) : QColor(90, 70, 40), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(glass);
    return picture;
}

}  // namespace

const QString CStyleTree::kRootText = QStringLiteral("Beer Styles");

CStyleTree::CStyleTree(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(1);
    header()->hide();
    // Long category names scroll sideways rather than being cut short.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(16, 16));
    setUniformRowHeights(true);
    m_glass.addPixmap(glassPicture(false), QIcon::Normal);
    m_glass.addPixmap(glassPicture(true), QIcon::Selected);
}

QTreeWidgetItem* CStyleTree::insertRoot() {
    clear();
    auto* root = new QTreeWidgetItem(this, QStringList(kRootText));
    root->setIcon(0, m_glass);
    return root;
}

QTreeWidgetItem* CStyleTree::insertItem(QTreeWidgetItem* parent, const QString& text) {
    auto* item = new QTreeWidgetItem(parent, QStringList(text));
    item->setIcon(0, m_glass);
    return item;
}

std::optional<StyleSelection> CStyleTree::selectionOf(const QTreeWidgetItem* item) {
    const QTreeWidgetItem* parent = item ? item->parent() : nullptr;
    if (parent == nullptr || parent->text(0) == kRootText) {
        return std::nullopt;
    }
    const QTreeWidgetItem* grandParent = parent->parent();
    if (grandParent != nullptr && grandParent->text(0) != kRootText) {
        return StyleSelection{grandParent->text(0), parent->text(0), item->text(0)};
    }
    return StyleSelection{parent->text(0), item->text(0), kNoSubcategory};
}

QTreeWidgetItem* CStyleTree::itemOf(const StyleSelection& style) const {
    QTreeWidgetItem* root = rootItem();
    for (int n = 0; root != nullptr && n < root->childCount(); ++n) {
        QTreeWidgetItem* name = root->child(n);
        for (int c = 0; name->text(0) == style.name && c < name->childCount(); ++c) {
            QTreeWidgetItem* category = name->child(c);
            if (category->text(0) != style.category) {
                continue;
            }
            if (isNoSubcategory(style.subcategory)) {
                return category;
            }
            for (int s = 0; s < category->childCount(); ++s) {
                if (category->child(s)->text(0) == style.subcategory) {
                    return category->child(s);
                }
            }
        }
    }
    return nullptr;
}

void CStyleTree::expandBelow(QTreeWidgetItem* item) {
    if (item->childCount() == 0) {
        return;
    }
    item->setExpanded(true);
    if (currentItem() != nullptr) {
        scrollToItem(currentItem());
    }
    for (int i = 0; i < item->childCount(); ++i) {
        expandBelow(item->child(i));
    }
}

void CStyleTree::collapseBelow(QTreeWidgetItem* item) {
    if (item->childCount() == 0) {
        return;
    }
    item->setExpanded(false);
    for (int i = 0; i < item->childCount(); ++i) {
        collapseBelow(item->child(i));
    }
}

void CStyleTree::expandEvery() {
    for (int i = 0; i < topLevelItemCount(); ++i) {
        expandBelow(topLevelItem(i));
    }
}

void CStyleTree::collapseEvery() {
    for (int i = 0; i < topLevelItemCount(); ++i) {
        collapseBelow(topLevelItem(i));
    }
}

}  // namespace mw::views
