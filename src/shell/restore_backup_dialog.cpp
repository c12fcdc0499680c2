#include "shell/restore_backup_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "resources/help_service.h"
#include "resources/message_catalogue.h"
#include "resources/prompt_service.h"
#include "shell/help_topic.h"

namespace mw::shell {

namespace {
constexpr int kMsgRestoreQuestion = 1470;

// Sizes as a brewer reads them: "512 bytes", "84 KB", "2.4 MB".
QString shownSize(qint64 bytes) {
    if (bytes < 1024) {
        return QStringLiteral("%1 bytes").arg(bytes);
    }
    if (bytes < 1024 * 1024) {
        return QStringLiteral("%1 KB").arg((bytes + 512) / 1024);
    }
    return QStringLiteral("%1 MB").arg(static_cast<double>(bytes) / (1024.0 * 1024.0), 0, 'f', 1);
}
}  // namespace

QString RestoreBackupDialog::shownTime(const QDateTime& time) {
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

RestoreBackupDialog::RestoreBackupDialog(const QString& recipePath,
                                         std::vector<storage::BackupCopy> copies,
                                         PromptService& prompts, HelpService* help, QWidget* parent)
    : QDialog(parent),
      m_recipePath(recipePath),
      m_copies(std::move(copies)),
      m_prompts(prompts),
      m_help(help) {
    setWindowTitle(QStringLiteral("Restore Backup"));
    setObjectName(QStringLiteral("restoreBackup"));
    setHelpTopic(this, kHelpContext);
    auto* layout = new QVBoxLayout(this);

    auto* label = new QLabel(
        m_copies.empty()
            ? QStringLiteral("There are no &backups of %1 yet.")
                  .arg(QFileInfo(recipePath).fileName())
            : QStringLiteral("&Backups of %1, newest first:").arg(QFileInfo(recipePath).fileName()),
        this);
    label->setToolTip(QDir::toNativeSeparators(recipePath));
    layout->addWidget(label);

    m_list = new QTreeWidget(this);
    m_list->setAccessibleName(QStringLiteral("Backups"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setHeaderLabels({QStringLiteral("Made"), QStringLiteral("Size")});
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    for (const storage::BackupCopy& copy : m_copies) {
        auto* row = new QTreeWidgetItem(m_list, {shownTime(copy.madeAt), shownSize(copy.size)});
        row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        row->setToolTip(0, QDir::toNativeSeparators(copy.path));
    }
    label->setBuddy(m_list);
    layout->addWidget(m_list, 1);

    auto* where = new QLabel(
        QStringLiteral("Kept in %1")
            .arg(QDir::toNativeSeparators(
                m_copies.empty() ? QString() : QFileInfo(m_copies.front().path).absolutePath())),
        this);
    where->setWordWrap(true);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    where->setVisible(!m_copies.empty());
    layout->addWidget(where);

    auto* buttons = new QDialogButtonBox(this);
    m_restore = buttons->addButton(QStringLiteral("&Restore..."), QDialogButtonBox::ActionRole);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    QPushButton* helpButton = buttons->addButton(QDialogButtonBox::Help);
    layout->addWidget(buttons);
    m_restore->setEnabled(false);
    close->setDefault(false);

    connect(m_list, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { m_restore->setEnabled(current != nullptr); });
    connect(m_list, &QTreeWidget::itemActivated, this, [this] { askAndRestore(); });
    connect(m_restore, &QPushButton::clicked, this, &RestoreBackupDialog::askAndRestore);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, [this] {
        if (m_help != nullptr) {
            m_help->showHelp(kHelpContext);
        }
    });
    if (!m_copies.empty()) {
        m_list->setCurrentItem(m_list->topLevelItem(0));
    }
    resize(460, 320);
}

void RestoreBackupDialog::askAndRestore() {
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    if (row < 0 || row >= static_cast<int>(m_copies.size())) {
        return;
    }
    const storage::BackupCopy copy = m_copies[static_cast<std::size_t>(row)];
    const std::string text =
        formatMessage(kMsgRestoreQuestion, shownTime(copy.madeAt).toStdString(),
                      QDir::toNativeSeparators(m_recipePath).toStdString());
    if (m_prompts.show(kMsgRestoreQuestion, text, PromptIcon::Question, PromptButtons::YesNo) !=
        PromptAnswer::Yes) {
        return;
    }
    accept();
    emit restoreChosen(copy);
}

}  // namespace mw::shell
