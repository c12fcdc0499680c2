#pragma once

#include <QDialog>

#include "reports/report_list.h"

class QComboBox;
class QRadioButton;

namespace mw::views {

// What the user chose in the Select Report dialog.
struct ReportChoice {
    QString baseName;
    reports::ReportKind kind = reports::ReportKind::Recipes;
    QString listText;
    enum class Action { Preview, Print };
    Action action = Action::Preview;
};

// "Select Report": a list of the twelve reports (the first chosen at
// opening) and the action, Preview (chosen at opening) or Print.
class CSelectReportDlg : public QDialog {
    Q_OBJECT

public:
    explicit CSelectReportDlg(QWidget* parent = nullptr);

    // The choice as OK records it.
    ReportChoice choice() const;

    QComboBox* reportList() const { return m_list; }
    QRadioButton* previewButton() const { return m_preview; }
    QRadioButton* printButton() const { return m_print; }

private:
    QComboBox* m_list;
    QRadioButton* m_preview;
    QRadioButton* m_print;
};

}  // namespace mw::views
