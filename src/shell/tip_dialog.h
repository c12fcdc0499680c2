#pragma once

#include <QDialog>
#include <QFile>
#include <QString>

class QCheckBox;
class QLabel;
class QPushButton;

namespace mw {
class PromptService;
}
namespace mw::storage {
class Settings;
}

namespace mw::shell {

// "Tip of the Day": one tip at a time from "tips.txt", continuing where the
// last showing stopped ("Tip"/"FilePos"); editing the file starts over from
// its first tip ("Tip"/"TimeStamp").
class CTipDlg : public QDialog {
    Q_OBJECT

public:
    CTipDlg(storage::Settings& settings, PromptService& prompts, const QString& tipsPath,
            QWidget* parent = nullptr);
    ~CTipDlg() override;

    // Whether start-up shows the tips: "StartUp" is 0 or absent.
    static bool showAtStartup(const storage::Settings& settings);

    QString tipText() const;
    bool showTipsChecked() const;
    void setShowTipsChecked(bool checked);
    QPushButton* nextButton() const { return m_next; }
    QPushButton* closeButton() const { return m_close; }

    void showNextTip();

    // The file's modification time as the C library's ctime writes it,
    // trailing white space removed.
    static QString timeStampOf(const QString& path);

    void accept() override;

private:
    void readNextTip();
    void closeFile();

    storage::Settings& m_settings;
    PromptService& m_prompts;
    QFile m_file;
    QLabel* m_heading;
    QLabel* m_tip;
    QCheckBox* m_showTips;
    QPushButton* m_next;
    QPushButton* m_close;
    QWidget* m_headingArea;
};

}  // namespace mw::shell
