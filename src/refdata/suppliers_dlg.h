#pragma once

#include "refdata/add_chg_dao.h"
#include "refdata/address_launcher.h"
#include "storage/data_records.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace mw::refdata {

// "Add/Change Suppliers Data": a supplier's name, address and notes, with its
// e-mail address and web site. Send Message writes to the e-mail address and
// Visit Web Site opens the web site, each only when it is a web, FTP or mail
// address (AddressLauncher's safety rule).
class CSuppliersDlg final : public CAddChgOf<storage::CRecordSetSuppliers> {
    Q_OBJECT

public:
    CSuppliersDlg(const ReferenceDialogContext& context, QWidget* parent = nullptr);

    void OnRecordRefresh() override;

    void OnSendMessage();
    void OnVisitWebSite();
    // Where the addresses go (the desktop unless replaced).
    void setUrlOpener(UrlOpener opener);

    QLineEdit* nameField() const { return m_name; }
    QLineEdit* emailField() const { return m_email; }
    QLineEdit* webField() const { return m_web; }
    QPushButton* sendMessageButton() const { return m_sendMessage; }
    QPushButton* visitWebSiteButton() const { return m_visitWebSite; }

protected:
    QString indexName() const override { return QStringLiteral("IndexSuppliersName"); }
    void bindFields(RecordFields& fields) override;
    int tableWordNumber() const override;
    QString keyText() const override;

private:
    AddressLauncher m_launcher;
    QLineEdit* m_name;
    QPlainTextEdit* m_address;
    QPlainTextEdit* m_info;
    QLineEdit* m_email;
    QLineEdit* m_web;
    QPushButton* m_sendMessage;
    QPushButton* m_visitWebSite;
};

}  // namespace mw::refdata
