#pragma once

#include <QStringList>
#include <QTreeWidgetItem>

namespace mw::recipe_form {

// One row of a lookup list. Text columns sort without regard to case, as the
// data database's indexes do; number columns (a hop's alpha) sort by value.
// A fixed row (the priming lookup's "Forced Carbonation" and "Dry Malt
// Extract") stays at the top in its own order whichever way the list sorts.
class CLookupItem final : public QTreeWidgetItem {
public:
    // `numericColumns` is a bit mask, bit c for column c.
    CLookupItem(const QStringList& texts, unsigned numericColumns, int fixedPosition = -1);

    bool isFixed() const { return m_fixedPosition >= 0; }
    // The identifier of the row's record (0 for a fixed row).
    qint64 recordId() const { return m_recordId; }
    void setRecordId(qint64 id) { m_recordId = id; }

    bool operator<(const QTreeWidgetItem& other) const override;

private:
    unsigned m_numericColumns;
    int m_fixedPosition;
    qint64 m_recordId = 0;
};

}  // namespace mw::recipe_form
