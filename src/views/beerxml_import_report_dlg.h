#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QPushButton;

namespace mw {
class HelpService;
}
namespace mw::beerxml {
struct ImportResult;
}

namespace mw::views {

// "BeerXML Import": what an import from the File menu did, as selectable
// text the brewer can copy: for every recipe its new batch number and name
// with the lines of its loss report, then what the file held outside its
// recipes. OK closes it; it does not hold the recipe form up, so the report
// can stay beside the recipe it tells about.
class CBeerXmlImportReportDlg : public QDialog {
    Q_OBJECT

public:
    // F1 and the Help button: the help page of the loss report.
    static constexpr int kHelpTopic = 1391;

    CBeerXmlImportReportDlg(const beerxml::ImportResult& result, const QString& file,
                            HelpService* help, QWidget* parent = nullptr);

    // The whole report as the text box shows it.
    static QString reportText(const beerxml::ImportResult& result);

    QPlainTextEdit* report() const { return m_report; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* copyButton() const { return m_copy; }
    QPushButton* helpButton() const { return m_helpButton; }

private:
    QPlainTextEdit* m_report = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_helpButton = nullptr;
};

}  // namespace mw::views
