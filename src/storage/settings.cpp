#include "storage/settings.h"

#include "storage/catalogue_string.h"

namespace mw::storage {

namespace {

QString key(const SettingInfo& info) {
    return info.section + QLatin1Char('/') + info.name;
}

const QString kRecentSection = QStringLiteral("Recent File List");

}  // namespace

const std::vector<SettingInfo>& Settings::index() {
    // Names come from the catalogue where they are numbered texts.
    static const std::vector<SettingInfo> settings = [] {
        const QString settingsSection = catalogueString(66);
        const QString tools = catalogueString(74);
        const QString tip = QStringLiteral("Tip");
        return std::vector<SettingInfo>{
            {Setting::DefaultRecipeFile, settingsSection, catalogueString(153), false, QString()},
            {Setting::DefaultDataFile, settingsSection, catalogueString(155), false, QString()},
            {Setting::RecipeFileOpened, settingsSection, catalogueString(232), false, QString()},
            {Setting::DisplayWarnings, settingsSection, catalogueString(113), true, 1},
            {Setting::DisplayDeleteWarnings, settingsSection, catalogueString(118), true, 1},
            {Setting::DisplayToolTips, settingsSection, catalogueString(189), true, 1},
            {Setting::RecipeScroll, settingsSection, catalogueString(190), true, 0},
            {Setting::UserSkill, settingsSection, catalogueString(111), false, QString()},
            {Setting::View, settingsSection, catalogueString(67), false, QString()},
            {Setting::RecipeDocSizeMaxX, settingsSection, QStringLiteral("RecipeDocSizeMaxX"), true,
             815},
            {Setting::RecipeDocSizeMaxY, settingsSection, QStringLiteral("RecipeDocSizeMaxY"), true,
             470},
            {Setting::RecipeFormSizeMaxX, settingsSection, QStringLiteral("RecipeFormSizeMaxX"),
             true, 840},
            {Setting::RecipeFormSizeMaxY, settingsSection, QStringLiteral("RecipeFormSizeMaxY"),
             true, 510},
            {Setting::WindowPos, settingsSection, QStringLiteral("WindowPos"), false, QString()},
            {Setting::MSInfoPath, tools, catalogueString(216), false, QString()},
            {Setting::PathTool1, tools, catalogueString(75), false, QString()},
            {Setting::PathTool2, tools, catalogueString(76), false, QString()},
            {Setting::PathTool3, tools, catalogueString(225), false, QString()},
            {Setting::NameTool1, tools, catalogueString(226), false, QString()},
            {Setting::NameTool2, tools, catalogueString(227), false, QString()},
            {Setting::NameTool3, tools, catalogueString(228), false, QString()},
            {Setting::SelectedReport, settingsSection, QStringLiteral("Selected Report"), false,
             QString()},
            {Setting::TipStartUp, tip, QStringLiteral("StartUp"), true, 0},
            {Setting::TipFilePos, tip, QStringLiteral("FilePos"), true, 0},
            {Setting::TipTimeStamp, tip, QStringLiteral("TimeStamp"), false, QString()},
            // How many backups of each recipe database are kept.
            {Setting::BackupCopies, settingsSection, QStringLiteral("BackupCopies"), true, 5},
        };
    }();
    return settings;
}

const SettingInfo& Settings::info(Setting key) {
    return index()[static_cast<std::size_t>(key)];
}

Settings::Settings(std::unique_ptr<QSettings> store) : m_store(std::move(store)) {}

std::unique_ptr<QSettings> Settings::openUserStore() {
    return std::make_unique<QSettings>(catalogueString(14), catalogueString(57344));
}

QString Settings::string(Setting k) const {
    const SettingInfo& i = info(k);
    return m_store->value(key(i), i.defaultValue).toString();
}

int Settings::integer(Setting k) const {
    const SettingInfo& i = info(k);
    bool ok = false;
    const int value = m_store->value(key(i), i.defaultValue).toInt(&ok);
    return ok ? value : i.defaultValue.toInt();
}

void Settings::setString(Setting k, const QString& value) {
    m_store->setValue(key(info(k)), value);
}

void Settings::setInteger(Setting k, int value) {
    m_store->setValue(key(info(k)), value);
}

bool Settings::contains(Setting k) const {
    return m_store->contains(key(info(k)));
}

QStringList Settings::recentFiles() const {
    QStringList files;
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString file =
            m_store->value(kRecentSection + QStringLiteral("/File%1").arg(i)).toString();
        if (!file.isEmpty()) {
            files << file;
        }
    }
    return files;
}

void Settings::addRecentFile(const QString& path) {
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString name = kRecentSection + QStringLiteral("/File%1").arg(i);
        if (i <= files.size()) {
            m_store->setValue(name, files[i - 1]);
        } else {
            m_store->remove(name);
        }
    }
}

}  // namespace mw::storage
