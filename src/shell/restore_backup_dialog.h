#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "storage/recipe_backups.h"

class QPushButton;
class QTreeWidget;

namespace mw {
class HelpService;
class PromptService;
}  // namespace mw

namespace mw::shell {

// Tools > Database > Restore Backup...: the kept copies of one recipe
// database, newest first with their size. Restore asks first; on Yes the
// dialog closes and hands the chosen copy on, and the application closes the
// database, restores the copy and opens it again.
class RestoreBackupDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 1476;

    RestoreBackupDialog(const QString& recipePath, std::vector<storage::BackupCopy> copies,
                        PromptService& prompts, HelpService* help, QWidget* parent = nullptr);

    QTreeWidget* list() const { return m_list; }
    QPushButton* restoreButton() const { return m_restore; }
    const QString& recipePath() const { return m_recipePath; }

    // How a copy's time is shown: the same whatever the desktop's language.
    static QString shownTime(const QDateTime& time);

signals:
    // The brewer chose a copy and answered Yes to the question.
    void restoreChosen(const storage::BackupCopy& copy);

private:
    void askAndRestore();

    QString m_recipePath;
    std::vector<storage::BackupCopy> m_copies;
    PromptService& m_prompts;
    HelpService* m_help;
    QTreeWidget* m_list;
    QPushButton* m_restore;
};

}  // namespace mw::shell
