#include "views/select_report_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace mw::views {

CSelectReportDlg::CSelectReportDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("selectReport"));
    setWindowTitle(QStringLiteral("Select Report"));
    auto* label = new QLabel(QStringLiteral("Select a report from the list."), this);
    m_list = new QComboBox(this);
    m_list->setObjectName(QStringLiteral("reportList"));
    for (const reports::ReportEntry& entry : reports::kReports) {
        m_list->addItem(QString::fromLatin1(entry.listText));
    }
    m_list->setCurrentIndex(0);
    m_list->setAccessibleName(label->text());
    label->setBuddy(m_list);

    auto* action = new QGroupBox(QStringLiteral("Action"), this);
    m_preview = new QRadioButton(QStringLiteral("Preview"), action);
    m_preview->setObjectName(QStringLiteral("reportPreviewAction"));
    m_print = new QRadioButton(QStringLiteral("Print"), action);
    m_print->setObjectName(QStringLiteral("reportPrintAction"));
    m_preview->setChecked(true);
    auto* actions = new QHBoxLayout(action);
    actions->addWidget(m_preview);
    actions->addWidget(m_print);
    actions->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("selectReportOk"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("selectReportCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list);
    layout->addWidget(action);
    layout->addStretch();
    layout->addWidget(buttons);
    // 173 by 98 dialog units, about 4 by 8 pixels each in the default font.
    const QFontMetrics fm(font());
    resize(std::max(sizeHint().width(), fm.averageCharWidth() * 173 / 4),
           std::max(sizeHint().height(), fm.height() * 98 / 8));
}

ReportChoice CSelectReportDlg::choice() const {
    const int index = std::max(0, m_list->currentIndex());
    const reports::ReportEntry& entry = reports::kReports[static_cast<std::size_t>(index)];
    ReportChoice c;
    c.baseName = QString::fromLatin1(entry.baseName);
    c.kind = entry.kind;
    c.listText = QString::fromLatin1(entry.listText);
    c.action = m_print->isChecked() ? ReportChoice::Action::Print : ReportChoice::Action::Preview;
    return c;
}

}  // namespace mw::views
