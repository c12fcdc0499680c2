#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace mw {
class HelpService;
class PromptService;
}  // namespace mw
namespace mw::storage {
class Settings;
}

namespace mw::shell {

class FileChooser;

// The Preferences page: default view, skill level, tool tips, recipe
// scrolling and the two kinds of warning messages.
class CMWOptions_Preferences : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 161;
    CMWOptions_Preferences(storage::Settings& settings, PromptService& prompts,
                           QWidget* parent = nullptr);
    void load();
    void save();

    QComboBox* defaultView() const { return m_view; }
    QComboBox* skillLevel() const { return m_skill; }
    QCheckBox* toolTips() const { return m_toolTips; }
    QRadioButton* showRecipeTab() const { return m_showRecipeTab; }
    QRadioButton* stayOnTab() const { return m_stayOnTab; }
    QCheckBox* warnings() const { return m_warnings; }
    QCheckBox* deleteWarnings() const { return m_deleteWarnings; }

private:
    // Switching a warning off asks first; Cancel switches it on again.
    void confirmSwitchOff(QCheckBox* box, int message);

    storage::Settings& m_settings;
    PromptService& m_prompts;
    QComboBox* m_view;
    QComboBox* m_skill;
    QCheckBox* m_toolTips;
    QRadioButton* m_showRecipeTab;
    QRadioButton* m_stayOnTab;
    QCheckBox* m_warnings;
    QCheckBox* m_deleteWarnings;
};

// The Locations page: the three external tools, the default databases and
// how many backups of each recipe database are kept.
class CMWOptions_Locations : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 162;
    CMWOptions_Locations(storage::Settings& settings, PromptService& prompts, FileChooser& files,
                         HelpService* help, QWidget* parent = nullptr);
    void load();
    void save();
    // The checks that must pass before the page may be left, in order: the
    // recipe database, the data database, tools 1 to 3.
    bool validate();

    QLineEdit* toolName(int tool) const { return m_names[tool - 1]; }
    QLineEdit* toolPath(int tool) const { return m_paths[tool - 1]; }
    QPushButton* toolBrowse(int tool) const { return m_toolBrowse[tool - 1]; }
    QLineEdit* recipeFile() const { return m_recipe; }
    QLineEdit* dataFile() const { return m_data; }
    QPushButton* recipeBrowse() const { return m_recipeBrowse; }
    QPushButton* dataBrowse() const { return m_dataBrowse; }
    QSpinBox* backupsKept() const { return m_backupsKept; }

private:
    // Whether `path` opens as a database whose first table is `marker`. A
    // file that opens without the marker (or no path at all) is refused with
    // message 171; one the engine cannot read is shown in the database error
    // box.
    bool isDatabaseOfKind(const QString& path, const QString& marker);
    bool checkDatabase(QLineEdit* field, const QString& marker);
    void browseDatabase(QLineEdit* field, const QString& marker, const QString& filter);

    storage::Settings& m_settings;
    PromptService& m_prompts;
    FileChooser& m_files;
    HelpService* m_help;
    QLineEdit* m_names[3];
    QLineEdit* m_paths[3];
    QPushButton* m_toolBrowse[3];
    QLineEdit* m_recipe;
    QLineEdit* m_data;
    QPushButton* m_recipeBrowse;
    QPushButton* m_dataBrowse;
    QSpinBox* m_backupsKept;
};

// The Hints page: four fixed texts.
class CMWOptions_Hints : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 163;
    explicit CMWOptions_Hints(QWidget* parent = nullptr);
};

// "Maltwise Calculator Options": the three pages, OK, Cancel and Help.
// Values reach the settings only on OK.
class CMWOptionsSheet : public QDialog {
    Q_OBJECT

public:
    CMWOptionsSheet(storage::Settings& settings, PromptService& prompts, FileChooser& files,
                    HelpService* help, QWidget* parent = nullptr);

    CMWOptions_Preferences* preferences() const { return m_preferences; }
    CMWOptions_Locations* locations() const { return m_locations; }
    CMWOptions_Hints* hints() const { return m_hints; }
    QTabWidget* tabs() const { return m_tabs; }

    void accept() override;
    void showHelp();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    CMWOptions_Preferences* m_preferences;
    CMWOptions_Locations* m_locations;
    CMWOptions_Hints* m_hints;
    QTabWidget* m_tabs;
    HelpService* m_help;
    int m_lastTab = 0;
    bool m_switching = false;
};

}  // namespace mw::shell
