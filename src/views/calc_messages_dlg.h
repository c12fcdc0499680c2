#pragma once

#include <QDialog>
#include <functional>

class QPushButton;
class QTreeWidget;

namespace mw::calc {
class CalcMessageList;
}

namespace mw::views {

// "Calculation Messages": the recipe form's calculation messages as a list
// of number, level ("Warning", "Information") and text, sorted by level and
// text, each text once, the first row selected.
class CCalcMessagesDlg : public QDialog {
    Q_OBJECT

public:
    // F1: this window's help page.
    static constexpr int kHelpTopic = 1222;

    enum Column { Number, Level, Message };

    // `count`: the messages the last calculation appended, duplicates included.
    CCalcMessagesDlg(const calc::CalcMessageList& messages, unsigned count,
                     QWidget* parent = nullptr);

    QTreeWidget* list() const { return m_list; }
    QPushButton* okButton() const { return m_ok; }
    // "&Details...": shown once something can tell the details behind the
    // figures (the Prediction Details window); hidden otherwise.
    QPushButton* detailsButton() const { return m_details; }
    void setDetailsHandler(std::function<void()> open);
    unsigned messageCount() const { return m_count; }

private:
    void fillList(const calc::CalcMessageList& messages);

    unsigned m_count;
    QTreeWidget* m_list = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_details = nullptr;
    std::function<void()> m_openDetails;
};

}  // namespace mw::views
