#include "refdata/styles_dlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "refdata/dialog_controls.h"

namespace mw::refdata {

namespace {

constexpr int kWordStyle = 25;
constexpr int kHintStyleName = 282;
constexpr int kHintName = 131;
constexpr int kHintDropDown = 277;
constexpr int kHintComments = 130;

struct RangeRow {
    const char* label;
    const char* name;
    const char* lowColumn;
    const char* highColumn;
    int lowHint;
    int highHint;
};

constexpr RangeRow kRanges[4] = {
    {"SP &Gravity:", "SP Gravity", "StylesGravityLo", "StylesGravityHi", 123, 124},
    {"Alco % by &Vol:", "Alco % by Vol", "StylesAlcoLo", "StylesAlcoHi", 121, 122},
    {"&IBUs:", "IBUs", "StylesIBULo", "StylesIBUHi", 125, 126},
    {"C&olor:", "Color", "StylesColorLo", "StylesColorHi", 280, 281},
};

}  // namespace

CStylesDlg::CStylesDlg(const ReferenceDialogContext& context, QWidget* parent)
    : CAddChgOf(context, QStringLiteral("Add/Change Styles Data"), parent) {
    setObjectName(QStringLiteral("refdataStyles"));
    auto* grid = new QGridLayout;
    m_name = lineEdit("StylesName", this);
    addRow(grid, 0, QStringLiteral("&Style:"), m_name);
    m_category = lineEdit("StylesCategory", this, 40);
    addRow(grid, 1, QStringLiteral("C&ategory:"), m_category);
    m_subcategory = lineEdit("StylesSubcategory", this, 40);
    addRow(grid, 2, QStringLiteral("S&ubcategory:"), m_subcategory);
    m_type = dropDownList(
        "StylesType",
        {QStringLiteral("Ale"), QStringLiteral("Lager"), QStringLiteral("Hybrid Beers")}, this);
    addRow(grid, 3, QStringLiteral("&Type:"), m_type);
    m_comments = memo("StylesComments", this, 4);
    addRow(grid, 4, QStringLiteral("Co&mments:"), m_comments);
    grid->itemAtPosition(4, 0)->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* ranges = new QGroupBox(QStringLiteral("Category Ranges"), this);
    auto* rangeGrid = new QGridLayout(ranges);
    rangeGrid->addWidget(new QLabel(QStringLiteral("Low"), ranges), 0, 1, Qt::AlignHCenter);
    rangeGrid->addWidget(new QLabel(QStringLiteral("High"), ranges), 0, 2, Qt::AlignHCenter);
    for (int row = 0; row < 4; ++row) {
        const RangeRow& r = kRanges[row];
        auto* caption = new QLabel(QString::fromUtf8(r.label), ranges);
        rangeGrid->addWidget(caption, row + 1, 0);
        for (int end = 0; end < 2; ++end) {
            QLineEdit* edit = lineEdit(end == 0 ? r.lowColumn : r.highColumn, ranges, 8);
            edit->setAccessibleName(QString::fromUtf8(r.name) +
                                    (end == 0 ? QStringLiteral(" Low") : QStringLiteral(" High")));
            rangeGrid->addWidget(edit, row + 1, end + 1);
            m_range[row][end] = edit;
        }
        caption->setBuddy(m_range[row][0]);
    }
    grid->addWidget(ranges, 0, 2, 5, 1, Qt::AlignTop);
    grid->setColumnStretch(1, 1);
    body()->addLayout(grid);
}

void CStylesDlg::bindFields(RecordFields& fields) {
    using F = RecordFields;
    storage::CRecordSetStyles& r = record();
    fields.text(m_name, r.m_StylesName, kHintStyleName, F::Required | F::NotNullOnNew);
    fields.text(m_category, r.m_StylesCategory, kHintName, F::Required | F::NotNullOnNew);
    fields.text(m_subcategory, r.m_StylesSubcategory, kHintName, F::NotNullOnNew);
    fields.choice(m_type, r.m_StylesType, kHintDropDown);
    fields.text(m_comments, r.m_StylesComments, kHintComments);
    double* columns[4][2] = {{&r.m_StylesGravityLo, &r.m_StylesGravityHi},
                             {&r.m_StylesAlcoLo, &r.m_StylesAlcoHi},
                             {&r.m_StylesIBULo, &r.m_StylesIBUHi},
                             {&r.m_StylesColorLo, &r.m_StylesColorHi}};
    for (int row = 0; row < 4; ++row) {
        fields.number(m_range[row][0], *columns[row][0], kRanges[row].lowHint);
        fields.number(m_range[row][1], *columns[row][1], kRanges[row].highHint);
    }
}

int CStylesDlg::tableWordNumber() const {
    return kWordStyle;
}

QString CStylesDlg::keyText() const {
    return m_name->text() + QStringLiteral(", ") + m_category->text() + QStringLiteral(", ") +
           m_subcategory->text();
}

void CStylesDlg::OnRecordRefresh() {
    AbandonChanges();
}

void CStylesDlg::SetNewRecordDefaults() {
    CAddChgDAO::SetNewRecordDefaults();
    storage::CRecordSetStyles& r = record();
    r.m_StylesCategory = QStringLiteral(" ");
    r.m_StylesSubcategory = QStringLiteral(" ");
    r.setFieldNull(&r.m_StylesType, false);
    // "Ale" padded to the type's twelve characters, stored so.
    r.m_StylesType = QStringLiteral("Ale         ");
}

}  // namespace mw::refdata
