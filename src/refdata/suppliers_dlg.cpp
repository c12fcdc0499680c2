#include "refdata/suppliers_dlg.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "refdata/dialog_controls.h"

namespace mw::refdata {

namespace {

constexpr int kWordSupplier = 27;
constexpr int kHintName = 131;
constexpr int kHintAddress = 135;
constexpr int kHintInfo = 130;
constexpr int kHintEmail = 283;
constexpr int kHintWeb = 284;

}  // namespace

CSuppliersDlg::CSuppliersDlg(const ReferenceDialogContext& context, QWidget* parent)
    : CAddChgOf(context, QStringLiteral("Add/Change Suppliers Data"), parent),
      m_launcher(context.prompts, desktopUrlOpener()) {
    setObjectName(QStringLiteral("refdataSuppliers"));
    auto* grid = new QGridLayout;
    m_name = lineEdit("SuppliersName", this, 40);
    addRow(grid, 0, QStringLiteral("Supplier's &Name:"), m_name, 2);
    m_address = memo("SuppliersAddress", this, 3);
    // An address is a few lines; the notes take the room that is left.
    m_address->setMaximumHeight(m_address->minimumHeight());
    addRow(grid, 1, QStringLiteral("Supplier's &Address:"), m_address, 2);
    m_info = memo("SuppliersInfo", this, 5);
    addRow(grid, 2, QStringLiteral("&Info:"), m_info, 2);
    for (int row : {1, 2}) {
        grid->itemAtPosition(row, 0)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    m_email = lineEdit("SuppliersEMail", this, 50);
    addRow(grid, 3, QStringLiteral("&E-Mail Address:"), m_email);
    m_sendMessage = new QPushButton(QStringLiteral("Send &Message"), this);
    grid->addWidget(m_sendMessage, 3, 2);
    m_web = lineEdit("SuppliersInternet", this, 50);
    addRow(grid, 4, QStringLiteral("Internet &Web Site:"), m_web);
    m_visitWebSite = new QPushButton(QStringLiteral("&Visit Web Site"), this);
    grid->addWidget(m_visitWebSite, 4, 2);
    for (QPushButton* button : {m_sendMessage, m_visitWebSite}) {
        button->setAutoDefault(false);
    }
    grid->setColumnStretch(1, 1);
    body()->addLayout(grid);
    connect(m_sendMessage, &QPushButton::clicked, this, &CSuppliersDlg::OnSendMessage);
    connect(m_visitWebSite, &QPushButton::clicked, this, &CSuppliersDlg::OnVisitWebSite);
}

void CSuppliersDlg::bindFields(RecordFields& fields) {
    using F = RecordFields;
    storage::CRecordSetSuppliers& r = record();
    fields.text(m_name, r.m_SuppliersName, kHintName, F::Required | F::NotNullOnNew);
    fields.text(m_address, r.m_SuppliersAddress, kHintAddress);
    fields.text(m_info, r.m_SuppliersInfo, kHintInfo);
    fields.text(m_email, r.m_SuppliersEMail, kHintEmail);
    fields.text(m_web, r.m_SuppliersInternet, kHintWeb);
}

int CSuppliersDlg::tableWordNumber() const {
    return kWordSupplier;
}

QString CSuppliersDlg::keyText() const {
    return m_name->text();
}

void CSuppliersDlg::OnRecordRefresh() {
    AbandonChanges();
}

void CSuppliersDlg::setUrlOpener(UrlOpener opener) {
    m_launcher.setOpener(std::move(opener));
}

void CSuppliersDlg::OnSendMessage() {
    m_launcher.sendMessage(m_email->text());
}

void CSuppliersDlg::OnVisitWebSite() {
    m_launcher.visit(m_web->text());
}

}  // namespace mw::refdata
