#include "shell/options_sheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "resources/help_service.h"
#include "resources/message_catalogue.h"
#include "resources/prompt_service.h"
#include "shell/file_chooser.h"
#include "storage/dao_exception.h"
#include "storage/database.h"
#include "storage/error_report.h"
#include "storage/schema.h"
#include "storage/settings.h"

namespace mw::shell {

namespace {
constexpr int kMsgToolInvalid = 77;
constexpr int kMsgDeleteWarningsOff = 127;
constexpr int kMsgWarningsOff = 128;
constexpr int kMsgWrongDatabase = 171;

using storage::Setting;

QLabel* explanation(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    QFont small = label->font();
    small.setItalic(true);
    label->setFont(small);
    return label;
}

void selectText(QComboBox* box, const QString& text) {
    box->setCurrentIndex(box->findText(text));
}

}  // namespace

// ------------------------------------------------------------ Preferences

CMWOptions_Preferences::CMWOptions_Preferences(storage::Settings& settings, PromptService& prompts,
                                               QWidget* parent)
    : QWidget(parent), m_settings(settings), m_prompts(prompts) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_view = new QComboBox(this);
    m_view->addItems({QStringLiteral("Form"), QStringLiteral("Log")});
    m_skill = new QComboBox(this);
    m_skill->addItems(
        {QStringLiteral("Novice"), QStringLiteral("Intermediate"), QStringLiteral("Advanced")});
    form->addRow(QStringLiteral("Default View"), m_view);
    form->addRow(QStringLiteral("Current User's Skill Level with Maltwise Calculator"), m_skill);
    layout->addLayout(form);
    m_toolTips = new QCheckBox(QStringLiteral("Display Tool Tips"), this);
    layout->addWidget(m_toolTips);

    auto* scrolling = new QGroupBox(QStringLiteral("Recipe Scrolling"), this);
    auto* scrollingLayout = new QVBoxLayout(scrolling);
    m_showRecipeTab = new QRadioButton(QStringLiteral("Show Recipe tab"), scrolling);
    m_stayOnTab = new QRadioButton(QStringLiteral("Stay on current tab"), scrolling);
    scrollingLayout->addWidget(m_showRecipeTab);
    scrollingLayout->addWidget(m_stayOnTab);
    layout->addWidget(scrolling);

    auto* warnings = new QGroupBox(QStringLiteral("Warning Messages"), this);
    auto* warningsLayout = new QVBoxLayout(warnings);
    m_warnings = new QCheckBox(QStringLiteral("Display Warning Messages"), warnings);
    m_deleteWarnings = new QCheckBox(QStringLiteral("Display Delete Warning Messages"), warnings);
    warningsLayout->addWidget(m_warnings);
    warningsLayout->addWidget(explanation(
        QStringLiteral("Suppress warning messages that ask you to confirm recipe changes."),
        warnings));
    warningsLayout->addWidget(m_deleteWarnings);
    warningsLayout->addWidget(explanation(
        QStringLiteral("Suppress warning messages that ask you to confirm any deleting of data."),
        warnings));
    layout->addWidget(warnings);
    layout->addStretch(1);

    connect(m_warnings, &QCheckBox::clicked, this, [this](bool checked) {
        if (!checked) {
            confirmSwitchOff(m_warnings, kMsgWarningsOff);
        }
    });
    connect(m_deleteWarnings, &QCheckBox::clicked, this, [this](bool checked) {
        if (!checked) {
            confirmSwitchOff(m_deleteWarnings, kMsgDeleteWarningsOff);
        }
    });
    load();
}

void CMWOptions_Preferences::confirmSwitchOff(QCheckBox* box, int message) {
    if (m_prompts.show(message, PromptIcon::Question, PromptButtons::OkCancel) ==
        PromptAnswer::Cancel) {
        box->setChecked(true);
    }
}

void CMWOptions_Preferences::load() {
    selectText(m_skill, m_settings.string(Setting::UserSkill));
    selectText(m_view, m_settings.string(Setting::View));
    m_toolTips->setChecked(m_settings.integer(Setting::DisplayToolTips) != 0);
    (m_settings.integer(Setting::RecipeScroll) == 1 ? m_stayOnTab : m_showRecipeTab)
        ->setChecked(true);
    m_warnings->setChecked(m_settings.integer(Setting::DisplayWarnings) != 0);
    m_deleteWarnings->setChecked(m_settings.integer(Setting::DisplayDeleteWarnings) != 0);
}

void CMWOptions_Preferences::save() {
    m_settings.setString(Setting::UserSkill, m_skill->currentText());
    m_settings.setString(Setting::View, m_view->currentText());
    m_settings.setInteger(Setting::DisplayToolTips, m_toolTips->isChecked() ? 1 : 0);
    m_settings.setInteger(Setting::DisplayWarnings, m_warnings->isChecked() ? 1 : 0);
    m_settings.setInteger(Setting::DisplayDeleteWarnings, m_deleteWarnings->isChecked() ? 1 : 0);
    m_settings.setInteger(Setting::RecipeScroll, m_stayOnTab->isChecked() ? 1 : 0);
}

// ------------------------------------------------------------ Locations

CMWOptions_Locations::CMWOptions_Locations(storage::Settings& settings, PromptService& prompts,
                                           FileChooser& files, HelpService* help, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_prompts(prompts), m_files(files), m_help(help) {
    auto* layout = new QVBoxLayout(this);
    auto* tools = new QGroupBox(QStringLiteral("Tools"), this);
    auto* toolsLayout = new QGridLayout(tools);
    toolsLayout->addWidget(new QLabel(QStringLiteral("Name"), tools), 0, 1);
    toolsLayout->addWidget(new QLabel(QStringLiteral("Location"), tools), 0, 2);
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(QStringLiteral("&%1: Name + Location").arg(i + 1), tools);
        m_names[i] = new QLineEdit(tools);
        m_names[i]->setObjectName(QStringLiteral("toolName%1").arg(i + 1));
        m_names[i]->setMinimumWidth(150);
        m_paths[i] = new QLineEdit(tools);
        m_paths[i]->setObjectName(QStringLiteral("toolPath%1").arg(i + 1));
        m_paths[i]->setMinimumWidth(220);
        m_toolBrowse[i] = new QPushButton(QStringLiteral("Browse..."), tools);
        label->setBuddy(m_names[i]);
        toolsLayout->addWidget(label, i + 1, 0);
        toolsLayout->addWidget(m_names[i], i + 1, 1);
        toolsLayout->addWidget(m_paths[i], i + 1, 2);
        toolsLayout->addWidget(m_toolBrowse[i], i + 1, 3);
        connect(m_toolBrowse[i], &QPushButton::clicked, this, [this, i] {
            const QString path =
                m_files.chooseFile(this, {QStringLiteral("Browse"), QStringLiteral("Programs (*)"),
                                          QString(), m_paths[i]->text()});
            if (!path.isEmpty()) {
                m_paths[i]->setText(path);
            }
        });
    }
    toolsLayout->setColumnStretch(1, 1);
    toolsLayout->setColumnStretch(2, 2);
    layout->addWidget(tools);

    auto* defaults = new QGroupBox(QStringLiteral("Default Files"), this);
    auto* defaultsLayout = new QGridLayout(defaults);
    m_recipe = new QLineEdit(defaults);
    m_recipe->setObjectName(QStringLiteral("recipeFile"));
    m_data = new QLineEdit(defaults);
    m_data->setObjectName(QStringLiteral("dataFile"));
    m_recipeBrowse = new QPushButton(QStringLiteral("Browse..."), defaults);
    m_dataBrowse = new QPushButton(QStringLiteral("Browse..."), defaults);
    auto* recipeLabel = new QLabel(QStringLiteral("&Recipe"), defaults);
    recipeLabel->setBuddy(m_recipe);
    auto* dataLabel = new QLabel(QStringLiteral("&Data"), defaults);
    dataLabel->setBuddy(m_data);
    defaultsLayout->addWidget(recipeLabel, 0, 0);
    defaultsLayout->addWidget(m_recipe, 0, 1);
    defaultsLayout->addWidget(m_recipeBrowse, 0, 2);
    defaultsLayout->addWidget(dataLabel, 1, 0);
    defaultsLayout->addWidget(m_data, 1, 1);
    defaultsLayout->addWidget(m_dataBrowse, 1, 2);
    defaultsLayout->setColumnStretch(1, 1);
    layout->addWidget(defaults);

    auto* backups = new QGroupBox(QStringLiteral("Backups"), this);
    auto* backupsLayout = new QHBoxLayout(backups);
    m_backupsKept = new QSpinBox(backups);
    m_backupsKept->setObjectName(QStringLiteral("backupsKept"));
    m_backupsKept->setRange(1, 99);
    auto* backupsLabel =
        new QLabel(QStringLiteral("&Backups kept of each recipe database (one a day)"), backups);
    backupsLabel->setBuddy(m_backupsKept);
    backupsLayout->addWidget(backupsLabel);
    backupsLayout->addWidget(m_backupsKept);
    backupsLayout->addStretch(1);
    layout->addWidget(backups);
    layout->addStretch(1);

    connect(m_recipeBrowse, &QPushButton::clicked, this, [this] {
        browseDatabase(m_recipe, storage::kRecipeMarker,
                       QStringLiteral("Maltwise Calculator Recipes (*.mdb *.MDB)"));
    });
    connect(m_dataBrowse, &QPushButton::clicked, this, [this] {
        browseDatabase(m_data, storage::kDataMarker,
                       QStringLiteral("Maltwise Calculator Data (*.mdb *.MDB)"));
    });
    load();
}

void CMWOptions_Locations::load() {
    const Setting names[] = {Setting::NameTool1, Setting::NameTool2, Setting::NameTool3};
    const Setting paths[] = {Setting::PathTool1, Setting::PathTool2, Setting::PathTool3};
    for (int i = 0; i < 3; ++i) {
        m_names[i]->setText(m_settings.string(names[i]));
        m_paths[i]->setText(m_settings.string(paths[i]));
    }
    m_recipe->setText(m_settings.string(Setting::DefaultRecipeFile));
    m_data->setText(m_settings.string(Setting::DefaultDataFile));
    m_backupsKept->setValue(m_settings.integer(Setting::BackupCopies));
}

void CMWOptions_Locations::save() {
    const Setting names[] = {Setting::NameTool1, Setting::NameTool2, Setting::NameTool3};
    const Setting paths[] = {Setting::PathTool1, Setting::PathTool2, Setting::PathTool3};
    for (int i = 0; i < 3; ++i) {
        m_settings.setString(names[i], m_names[i]->text());
        m_settings.setString(paths[i], m_paths[i]->text());
    }
    m_settings.setString(Setting::DefaultRecipeFile, m_recipe->text());
    m_settings.setString(Setting::DefaultDataFile, m_data->text());
    m_settings.setInteger(Setting::BackupCopies, m_backupsKept->value());
}

bool CMWOptions_Locations::isDatabaseOfKind(const QString& path, const QString& marker) {
    if (!path.isEmpty()) {
        try {
            storage::Database probe;
            probe.open(path);
            if (probe.firstTableName() == marker) {
                return true;
            }
        } catch (const storage::DaoException& error) {
            storage::ReportDaoException(error, m_prompts, m_help);
            return false;
        }
    }
    m_prompts.show(kMsgWrongDatabase, formatMessage(kMsgWrongDatabase, path.toStdString()),
                   PromptIcon::Exclamation);
    return false;
}

bool CMWOptions_Locations::checkDatabase(QLineEdit* field, const QString& marker) {
    if (isDatabaseOfKind(field->text().trimmed(), marker)) {
        return true;
    }
    field->setFocus();
    return false;
}

void CMWOptions_Locations::browseDatabase(QLineEdit* field, const QString& marker,
                                          const QString& filter) {
    const QString path = m_files.chooseFile(
        this, {QStringLiteral("Browse"), filter, QStringLiteral("mdb"), field->text()});
    if (path.isEmpty()) {
        return;
    }
    if (isDatabaseOfKind(path, marker)) {
        field->setText(path);
        return;
    }
    field->setFocus();
}

bool CMWOptions_Locations::validate() {
    if (!checkDatabase(m_recipe, storage::kRecipeMarker) ||
        !checkDatabase(m_data, storage::kDataMarker)) {
        return false;
    }
    for (int i = 0; i < 3; ++i) {
        const bool named = !m_names[i]->text().trimmed().isEmpty();
        const bool located = !m_paths[i]->text().trimmed().isEmpty();
        if (named != located) {
            m_prompts.show(kMsgToolInvalid, formatMessage(kMsgToolInvalid, std::to_string(i + 1)),
                           PromptIcon::Exclamation);
            m_names[i]->setFocus();
            return false;
        }
    }
    return true;
}

// ------------------------------------------------------------ Hints

CMWOptions_Hints::CMWOptions_Hints(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    for (const char* hint :
         {"If you wish to delete this software from your computer, please use the Windows "
          "Add/Remove Programs feature.  See Windows online help for instructions.",
          "Use the online help!!  It will help you use the Maltwise Calculator software as well "
          "as brew the best beer!  It's as easy as clicking the Help button below.",
          "If you have any questions or require any support, please either open the Help-About "
          "box or use the online help.",
          "After you install, it is easy to change any of the options.  Start the software and "
          "then select the Tools-Options menu command."}) {
        auto* label = new QLabel(QString::fromUtf8(hint), this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    layout->addStretch(1);
}

// ------------------------------------------------------------ Sheet

CMWOptionsSheet::CMWOptionsSheet(storage::Settings& settings, PromptService& prompts,
                                 FileChooser& files, HelpService* help, QWidget* parent)
    : QDialog(parent), m_help(help) {
    setWindowTitle(QStringLiteral("Maltwise Calculator Options"));
    setObjectName(QStringLiteral("optionsSheet"));
    setMinimumWidth(680);
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    m_preferences = new CMWOptions_Preferences(settings, prompts, m_tabs);
    m_locations = new CMWOptions_Locations(settings, prompts, files, help, m_tabs);
    m_hints = new CMWOptions_Hints(m_tabs);
    m_tabs->addTab(m_preferences, QStringLiteral("Preferences"));
    m_tabs->addTab(m_locations, QStringLiteral("Locations"));
    m_tabs->addTab(m_hints, QStringLiteral("Hints"));
    layout->addWidget(m_tabs, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* helpButton = buttons->addButton(QDialogButtonBox::Help);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CMWOptionsSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, &CMWOptionsSheet::showHelp);
    // The Locations page may only be left when its checks pass.
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (m_switching) {
            return;
        }
        if (m_tabs->widget(m_lastTab) == m_locations && !m_locations->validate()) {
            m_switching = true;
            m_tabs->setCurrentIndex(m_lastTab);
            m_switching = false;
            return;
        }
        m_lastTab = index;
    });
}

void CMWOptionsSheet::accept() {
    if (m_tabs->currentWidget() == m_locations && !m_locations->validate()) {
        return;
    }
    m_preferences->save();
    m_locations->save();
    QDialog::accept();
}

void CMWOptionsSheet::showHelp() {
    if (m_help == nullptr) {
        return;
    }
    QWidget* page = m_tabs->currentWidget();
    const int context = page == m_preferences ? CMWOptions_Preferences::kHelpContext
                        : page == m_locations ? CMWOptions_Locations::kHelpContext
                                              : CMWOptions_Hints::kHelpContext;
    m_help->showHelp(context);
}

void CMWOptionsSheet::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        showHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace mw::shell
