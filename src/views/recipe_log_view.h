#pragma once

#include <QWidget>

namespace mw {

// The recipe log: every recipe of the open database, one row per recipe.
class CRecipeLogView : public QWidget {
    Q_OBJECT
public:
    explicit CRecipeLogView(QWidget* parent = nullptr);
};

} // namespace mw
