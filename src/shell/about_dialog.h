#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace mw {
class PromptService;
}
namespace mw::storage {
class Settings;
}

namespace mw::shell {

class CColorStatic;

// How the About box reaches the outside world: opening a web or mail
// address, and starting a program. Both report success; tests replace them.
struct DesktopActions {
    std::function<bool(const QString& address)> open;
    std::function<bool(const QString& program)> start;
    static DesktopActions system();
};

// "About Maltwise Calculator": name and version from the build, copyright,
// the web and mail links, System Info, More Info and Credits.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    CAboutDlg(storage::Settings& settings, PromptService& prompts, DesktopActions actions,
              QWidget* parent = nullptr);

    QString versionLine() const;
    QString fileVersionLine() const;
    CColorStatic* webLink() const { return m_web; }
    CColorStatic* mailLink() const { return m_mail; }
    QPushButton* webButton() const { return m_webButton; }
    QPushButton* mailButton() const { return m_mailButton; }
    QPushButton* systemInfoButton() const { return m_systemInfo; }
    QPushButton* moreInfoButton() const { return m_moreInfo; }
    QPushButton* creditsButton() const { return m_credits; }

    // The system-information program used when "MSInfoPath" is absent: one
    // that is commonly installed, or nothing.
    static QString defaultSystemInfoProgram();

    // Opens an address; a failure shows message 100 with the maker's telephone.
    void openAddress(const QString& address);
    void startSystemInfo();
    // Message 100, with the maker's telephone number.
    void reportContactFailure();

signals:
    void creditsRequested();

private:
    storage::Settings& m_settings;
    PromptService& m_prompts;
    DesktopActions m_actions;
    QLabel* m_version;
    CColorStatic* m_fileVersion;
    CColorStatic* m_special;
    CColorStatic* m_web;
    CColorStatic* m_mail;
    QPushButton* m_webButton;
    QPushButton* m_mailButton;
    QPushButton* m_systemInfo;
    QPushButton* m_moreInfo;
    QPushButton* m_credits;
};

}  // namespace mw::shell
