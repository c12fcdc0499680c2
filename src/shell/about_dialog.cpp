#include "shell/about_dialog.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>

#include "resources/message_catalogue.h"
#include "resources/number_text.h"
#include "resources/prompt_service.h"
#include "resources/version_info.h"
#include "shell/color_static.h"
#include "shell/pictures.h"
#include "storage/catalogue_string.h"
#include "storage/settings.h"

namespace mw::shell {

namespace {
constexpr int kMsgPhone = 16;
constexpr int kMsgCopyright = 17;
constexpr int kMsgFutureVersion = 19;
constexpr int kMsgProductVersion = 28;
constexpr int kMsgLegal = 69;
constexpr int kMsgWeb = 87;
constexpr int kMsgContactFailed = 100;
constexpr int kMsgMail = 110;
constexpr int kMsgFileVersion = 187;
constexpr int kMsgNoSystemInfo = 215;
constexpr int kMsgProgramName = 57344;

using storage::catalogueString;

CColorStatic* linkLabel(const QString& address, QWidget* parent) {
    auto* link = new CColorStatic(parent);
    link->SetText(address);
    link->SetTextColor(QColor(0, 0, 255));
    link->SetUnderline(true);
    link->SetLink(true);
    link->SetLinkCursor(Qt::PointingHandCursor);
    return link;
}

}  // namespace

DesktopActions DesktopActions::system() {
    return {[](const QString& address) { return QDesktopServices::openUrl(QUrl(address)); },
            [](const QString& program) {
                return !program.isEmpty() && QProcess::startDetached(program, {});
            }};
}

QString CAboutDlg::defaultSystemInfoProgram() {
    for (const char* candidate :
         {"hardinfo2", "hardinfo", "gnome-system-monitor", "kinfocenter", "mate-system-monitor"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(candidate));
        if (!path.isEmpty()) {
            return path;
        }
    }
    return QString();
}

CAboutDlg::CAboutDlg(storage::Settings& settings, PromptService& prompts, DesktopActions actions,
                     QWidget* parent)
    : QDialog(parent), m_settings(settings), m_prompts(prompts), m_actions(std::move(actions)) {
    setWindowTitle(QStringLiteral("About Maltwise Calculator"));
    setObjectName(QStringLiteral("aboutDialog"));
    auto* layout = new QGridLayout(this);

    auto* icon = new QLabel(this);
    icon->setPixmap(programIcon().pixmap(64, 64));
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);

    m_version = new QLabel(
        catalogueString(kMsgProgramName) + QStringLiteral("  ") +
            QString::fromStdString(formatMessage(kMsgProductVersion, version::kProductVersion)),
        this);
    QFont bold = m_version->font();
    bold.setBold(true);
    m_version->setFont(bold);
    m_fileVersion = new CColorStatic(this);
    m_fileVersion->SetText(
        QString::fromStdString(formatMessage(kMsgFileVersion, version::kFileVersion)));
    m_special = new CColorStatic(this);
    m_special->SetText(QString::fromLatin1(version::kSpecialBuild));
    m_special->SetTextColor(QColor(90, 90, 90));
    auto* copyright = new QLabel(catalogueString(kMsgCopyright), this);
    auto* legal = new QLabel(catalogueString(kMsgLegal), this);
    legal->setWordWrap(true);
    legal->setMinimumWidth(380);
    auto* info = new QVBoxLayout;
    info->addWidget(m_version);
    info->addWidget(m_fileVersion);
    info->addWidget(m_special);
    info->addSpacing(6);
    info->addWidget(copyright);
    info->addSpacing(6);
    info->addWidget(legal);
    layout->addLayout(info, 0, 1, 3, 2);

    m_web = linkLabel(catalogueString(kMsgWeb), this);
    m_mail = linkLabel(catalogueString(kMsgMail), this);
    m_webButton = new QPushButton(QStringLiteral("Icon\nto website"), this);
    m_mailButton = new QPushButton(QStringLiteral("Icon\nto E-Mail"), this);
    auto* links = new QGridLayout;
    links->addWidget(m_webButton, 0, 0);
    links->addWidget(m_web, 0, 1);
    links->addWidget(m_mailButton, 1, 0);
    links->addWidget(m_mail, 1, 1);
    links->setColumnStretch(1, 1);
    layout->addLayout(links, 3, 0, 1, 3);

    auto* buttons = new QHBoxLayout;
    m_systemInfo = new QPushButton(QStringLiteral("System Info..."), this);
    m_moreInfo = new QPushButton(QStringLiteral("More Info..."), this);
    m_credits = new QPushButton(QStringLiteral("Credits..."), this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    buttons->addWidget(m_systemInfo);
    buttons->addWidget(m_moreInfo);
    buttons->addWidget(m_credits);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    layout->addLayout(buttons, 4, 0, 1, 3);

    for (CColorStatic* link : {m_web, m_mail}) {
        link->setOpener(m_actions.open);
        connect(link, &CColorStatic::openFailed, this, &CAboutDlg::reportContactFailure);
    }
    connect(m_webButton, &QPushButton::clicked, this,
            [this] { openAddress(catalogueString(kMsgWeb)); });
    connect(m_mailButton, &QPushButton::clicked, this,
            [this] { openAddress(catalogueString(kMsgMail)); });
    connect(m_systemInfo, &QPushButton::clicked, this, &CAboutDlg::startSystemInfo);
    connect(m_moreInfo, &QPushButton::clicked, this,
            [this] { m_prompts.show(kMsgFutureVersion, PromptIcon::Information); });
    connect(m_credits, &QPushButton::clicked, this, &CAboutDlg::creditsRequested);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString CAboutDlg::versionLine() const {
    return m_version->text();
}
QString CAboutDlg::fileVersionLine() const {
    return m_fileVersion->text();
}

void CAboutDlg::openAddress(const QString& address) {
    if (!m_actions.open(address)) {
        reportContactFailure();
    }
}

void CAboutDlg::reportContactFailure() {
    // The desktop gives no error number; 0 stands for "not opened".
    m_prompts.show(kMsgContactFailed,
                   formatMessage(kMsgContactFailed, catalogueString(kMsgPhone).toStdString(),
                                 formatNumber(msg::FormatUnsigned, 0)),
                   PromptIcon::Exclamation);
}

void CAboutDlg::startSystemInfo() {
    const QString path = m_settings.contains(storage::Setting::MSInfoPath)
                             ? m_settings.string(storage::Setting::MSInfoPath)
                             : defaultSystemInfoProgram();
    if (!m_actions.start(path)) {
        m_prompts.show(kMsgNoSystemInfo, formatMessage(kMsgNoSystemInfo, path.toStdString()),
                       PromptIcon::Exclamation);
    }
}

}  // namespace mw::shell
