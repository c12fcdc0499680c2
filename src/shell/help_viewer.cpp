#include "shell/help_viewer.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QTextBrowser>
#include <QTextStream>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "resources/message_catalogue.h"
#include "shell/program_files.h"

namespace mw::shell {

namespace {
constexpr int kMsgNoPage = 1028;
const QString kIndexPage = QStringLiteral("index.html");
}  // namespace

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Maltwise Calculator Help"));
    setObjectName(QStringLiteral("helpViewer"));
    resize(760, 600);
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    auto* back = new QToolButton(this);
    back->setText(QStringLiteral("Back"));
    auto* forward = new QToolButton(this);
    forward->setText(QStringLiteral("Forward"));
    auto* home = new QToolButton(this);
    home->setText(QStringLiteral("Contents"));
    bar->addWidget(back);
    bar->addWidget(forward);
    bar->addWidget(home);
    bar->addStretch(1);
    layout->addLayout(bar);
    m_note = new QLabel(this);
    m_note->setWordWrap(true);
    m_note->hide();
    layout->addWidget(m_note);
    m_browser = new QTextBrowser(this);
    m_browser->setOpenExternalLinks(true);
    layout->addWidget(m_browser, 1);
    connect(back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(home, &QToolButton::clicked, m_browser, &QTextBrowser::home);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);
    back->setEnabled(false);
    forward->setEnabled(false);
}

void HelpViewer::showPage(const QUrl& page, const QString& note) {
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
    m_browser->setSource(page);
}

QString HelpViewer::note() const {
    return m_note->isVisible() ? m_note->text() : QString();
}

HtmlHelpService::HtmlHelpService(QString helpFolder) : m_folder(std::move(helpFolder)) {
    if (m_folder.isEmpty()) {
        m_folder = QFileInfo(findProgramFile(QStringLiteral("help/contexts.txt"))).absolutePath();
    }
    QFile contexts(QDir(m_folder).filePath(QStringLiteral("contexts.txt")));
    if (contexts.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream in(&contexts);
        while (!in.atEnd()) {
            const QStringList parts = in.readLine().simplified().split(QLatin1Char(' '));
            bool ok = false;
            const int number = parts.value(0).toInt(&ok);
            if (ok && parts.size() >= 2) {
                m_pages.insert(number, parts[1]);
            }
        }
    }
}

QString HtmlHelpService::pageFor(int context) const {
    const QString page = m_pages.value(context).section(QLatin1Char('#'), 0, 0);
    if (page.isEmpty()) {
        return QString();
    }
    const QString path = QDir(m_folder).filePath(page);
    return QFileInfo::exists(path) ? path : QString();
}

QUrl HtmlHelpService::topicUrl(int context) const {
    const QString path = pageFor(context);
    if (path.isEmpty()) {
        return QUrl();
    }
    QUrl url = QUrl::fromLocalFile(path);
    const QString anchor = m_pages.value(context).section(QLatin1Char('#'), 1);
    if (!anchor.isEmpty()) {
        url.setFragment(anchor);
    }
    return url;
}

void HtmlHelpService::showHelp(int context) {
    if (!m_viewer) {
        m_viewer = new HelpViewer;
        m_viewer->setAttribute(Qt::WA_DeleteOnClose);
    }
    QUrl page = topicUrl(context);
    QString note;
    if (page.isEmpty()) {
        page = QUrl::fromLocalFile(QDir(m_folder).filePath(kIndexPage));
        note = QString::fromStdString(formatMessage(kMsgNoPage, std::to_string(context)));
    }
    m_viewer->showPage(page, note);
    m_viewer->show();
    m_viewer->raise();
    m_viewer->activateWindow();
}

}  // namespace mw::shell
