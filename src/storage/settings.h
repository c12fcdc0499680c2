#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

namespace mw::storage {

// Every value the program keeps in its settings.
enum class Setting {
    DefaultRecipeFile,
    DefaultDataFile,
    RecipeFileOpened,
    DisplayWarnings,
    DisplayDeleteWarnings,
    DisplayToolTips,
    RecipeScroll,
    UserSkill,
    View,
    RecipeDocSizeMaxX,
    RecipeDocSizeMaxY,
    RecipeFormSizeMaxX,
    RecipeFormSizeMaxY,
    WindowPos,
    MSInfoPath,
    PathTool1,
    PathTool2,
    PathTool3,
    NameTool1,
    NameTool2,
    NameTool3,
    SelectedReport,
    TipStartUp,
    TipFilePos,
    TipTimeStamp,
    BackupCopies,
};

// Where a value lives, what kind it is, and what it reads when absent.
struct SettingInfo {
    Setting key;
    QString section;
    QString name;
    bool integer;
    QVariant defaultValue;
};

// The settings store: the per-user settings under the company "Wortline" and
// the application "Maltwise Calculator". Values are read where they are used,
// so a change takes effect at the next read.
class Settings {
public:
    // Over a given store (tests give a temporary file).
    explicit Settings(std::unique_ptr<QSettings> store);
    // The user's own settings.
    static std::unique_ptr<QSettings> openUserStore();

    QString string(Setting key) const;
    int integer(Setting key) const;
    void setString(Setting key, const QString& value);
    void setInteger(Setting key, int value);
    bool contains(Setting key) const;

    // The recent-file list, newest first, at most four entries ("File1" ...).
    QStringList recentFiles() const;
    void addRecentFile(const QString& path);

    static const std::vector<SettingInfo>& index();
    static const SettingInfo& info(Setting key);
    static constexpr int kRecentFileCount = 4;

    QSettings& store() { return *m_store; }

private:
    std::unique_ptr<QSettings> m_store;
};

}  // namespace mw::storage
