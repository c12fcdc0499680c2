#include "refdata/water_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "refdata/dialog_controls.h"

namespace mw::refdata {

namespace {

constexpr int kWordWater = 23;
constexpr int kHintWaterType = 278;
constexpr int kHintSelectOne = 261;
constexpr int kHintInfo = 130;
constexpr qint32 kSoft = 0;

}  // namespace

CWaterDlg::CWaterDlg(const ReferenceDialogContext& context, QWidget* parent)
    : CAddChgOf(context, QStringLiteral("Add/Change Water Data"), parent) {
    setObjectName(QStringLiteral("refdataWater"));
    auto* grid = new QGridLayout;
    m_type = lineEdit("WaterType", this, 24);
    addRow(grid, 0, QStringLiteral("Water &Type:"), m_type);
    auto* hardness = new QGroupBox(QStringLiteral("Hardness"), this);
    m_hardness = radioGroup(hardness, "WaterHardness",
                            {QStringLiteral("&Soft"), QStringLiteral("&Medium Hard"),
                             QStringLiteral("&Hard"), QStringLiteral("&Very Hard")});
    grid->addWidget(hardness, 1, 0, 1, 2);
    m_info = memo("WaterInfo", this, 6);
    addRow(grid, 2, QStringLiteral("&Info:"), m_info);
    grid->itemAtPosition(2, 0)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->setColumnStretch(1, 1);
    body()->addLayout(grid);
}

void CWaterDlg::bindFields(RecordFields& fields) {
    using F = RecordFields;
    storage::CRecordSetWater& r = record();
    fields.text(m_type, r.m_WaterType, kHintWaterType, F::Required | F::NotNullOnNew);
    fields.radio(m_hardness, r.m_WaterHardness, kHintSelectOne);
    fields.text(m_info, r.m_WaterInfo, kHintInfo);
}

int CWaterDlg::tableWordNumber() const {
    return kWordWater;
}

QString CWaterDlg::keyText() const {
    return m_type->text();
}

void CWaterDlg::OnRecordRefresh() {
    AbandonChanges();
}

void CWaterDlg::SetNewRecordDefaults() {
    CAddChgDAO::SetNewRecordDefaults();
    storage::CRecordSetWater& r = record();
    r.setFieldNull(&r.m_WaterHardness, false);
    r.m_WaterHardness = kSoft;
}

}  // namespace mw::refdata
