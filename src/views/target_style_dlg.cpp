#include "views/target_style_dlg.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "calc/calc_message_list.h"
#include "recipe_form/form_pictures.h"
#include "recipe_form/picture_button.h"
#include "resources/help_service.h"
#include "resources/message_catalogue.h"
#include "resources/prompt_service.h"
#include "shell/color_static.h"
#include "shell/help_topic.h"
#include "shell/override_cursor.h"
#include "storage/dao_exception.h"
#include "storage/data_records.h"
#include "storage/error_report.h"
#include "storage/settings.h"
#include "views/calc_messages_dlg.h"
#include "views/style_tree.h"
#include "views/target_style_grid2.h"

namespace mw::views {

namespace {

constexpr int kMsgEmptyTable = 82;          // "No %1.  Use Data-%1 command to add."
constexpr int kMsgStyleDataNotFound = 188;  // "The target style's data was not found."
constexpr int kMsgSeekFailed = 1220;        // "Seek failed on %1, %2.  Contact Wortline."
constexpr int kCaption = 1221;              // "Target Style"

const QString kIndex = QStringLiteral("IndexStylesNameCatSubcat");
const QString kNotAvailable = QStringLiteral("(N/A)");

// Shows a cursor while it lives: the wait cursor while the styles are read,
// the arrow over a message box shown meanwhile.

std::string utf8(const QString& text) {
    return text.toStdString();
}

}  // namespace

CTargetStyleDlg::CTargetStyleDlg(Services services, QWidget* parent)
    : QDialog(parent), m_services(services) {
    setObjectName(QStringLiteral("targetStyle"));
    setWindowTitle(QString::fromUtf8(catalogueText(kCaption).data(),
                                     static_cast<qsizetype>(catalogueText(kCaption).size())));
    shell::setHelpTopic(this, kHelpTopic);
    buildControls();
}

CTargetStyleDlg::~CTargetStyleDlg() {
    // The recordset goes before the database it was opened on.
    m_styles.reset();
}

void CTargetStyleDlg::buildControls() {
    auto* treeHeading = new QLabel(QStringLiteral("Style, Category, Subcategory"), this);
    m_tree = new CStyleTree(this);
    m_tree->setObjectName(QStringLiteral("styleTree"));
    m_tree->setAccessibleName(treeHeading->text());
    m_tree->setMinimumSize(270, 250);
    treeHeading->setBuddy(m_tree);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this] { onSelectionChanged(); });

    m_showAll = new QPushButton(QStringLiteral("&Show All Styles"), this);
    m_showAll->setObjectName(QStringLiteral("showAll"));
    m_showAll->setAutoDefault(false);
    connect(m_showAll, &QPushButton::clicked, this, [this] { OnShowAll(); });

    auto* left = new QVBoxLayout;
    left->addWidget(treeHeading);
    left->addWidget(m_tree, 1);
    left->addWidget(m_showAll, 0, Qt::AlignLeft);

    auto* current = new QLabel(QStringLiteral("Current Selection:"), this);
    QFont bold = font();
    bold.setWeight(QFont::Weight(std::min(font().weight() + 300, int(QFont::Black))));
    auto* selection = new QVBoxLayout;
    selection->setSpacing(2);
    selection->addWidget(current);
    const char* names[3] = {"selectedStyle", "selectedCategory", "selectedSubcategory"};
    for (int i = 0; i < 3; ++i) {
        m_selection[i] = new QLabel(kNotAvailable, this);
        m_selection[i]->setObjectName(QLatin1String(names[i]));
        m_selection[i]->setTextFormat(Qt::PlainText);
        m_selection[i]->setFont(bold);
        m_selection[i]->setIndent(12);
        selection->addWidget(m_selection[i]);
    }

    m_grid = new CTargetStyleGrid2(m_services.prompts, this);

    auto* calculations = new QLabel(QStringLiteral("Calculations:"), this);
    m_status = new shell::CColorStatic(this);
    m_status->setObjectName(QStringLiteral("calcStatus"));
    m_status->SetText(QStringLiteral("Not Done"));
    m_msgs = new recipe_form::CPictureButton(this);
    m_msgs->setObjectName(QStringLiteral("msgs"));
    m_msgs->setText(QStringLiteral("Msgs"));
    m_msgs->setAccessibleName(QStringLiteral("Msgs"));
    for (recipe_form::ButtonLook look :
         {recipe_form::ButtonLook::Normal, recipe_form::ButtonLook::Pressed,
          recipe_form::ButtonLook::Focused, recipe_form::ButtonLook::Disabled}) {
        m_msgs->setPicture(look, recipe_form::messagesButtonPicture(look, m_msgs->text()));
    }
    m_msgs->setEnabled(false);
    m_msgs->hide();  // made when the styles could be read
    connect(m_msgs, &QAbstractButton::clicked, this, [this] { OnMsgs(); });
    auto* status = new QHBoxLayout;
    status->addWidget(calculations);
    status->addWidget(m_status);
    status->addStretch(1);
    status->addWidget(m_msgs);

    auto* middle = new QVBoxLayout;
    middle->addLayout(selection);
    middle->addSpacing(8);
    middle->addWidget(m_grid);
    middle->addLayout(status);
    middle->addStretch(1);

    m_ok = new QPushButton(QStringLiteral("&OK"), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_cancel->setAutoDefault(false);
    m_helpButton = new QPushButton(QStringLiteral("&Help"), this);
    m_helpButton->setObjectName(QStringLiteral("help"));
    m_helpButton->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &CTargetStyleDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CTargetStyleDlg::reject);
    connect(m_helpButton, &QPushButton::clicked, this, [this] { OnHelp(); });
    m_details = new QPushButton(QStringLiteral("&Details..."), this);
    m_details->setObjectName(QStringLiteral("details"));
    m_details->setAutoDefault(false);
    m_details->hide();
    connect(m_details, &QPushButton::clicked, this, [this] {
        if (m_openDetails) {
            m_openDetails();
        }
    });
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_helpButton);
    buttons->addWidget(m_details);
    buttons->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addSpacing(6);
    layout->addLayout(middle);
    layout->addSpacing(6);
    layout->addLayout(buttons);
}

void CTargetStyleDlg::setInitialSelection(const StyleSelection& selection) {
    m_initial = selection;
    // Until a style is shown, OK hands back the recipe's own.
    m_working = selection;
    m_result = selection;
}

void CTargetStyleDlg::OnInitDialog() {
    const shell::OverrideCursor wait(Qt::WaitCursor);
    if (!openStyles()) {
        return;
    }
    fillTree();
    m_grid->setPredicted(m_predicted);
    RestoreRecipeStyle();

    m_msgs->show();
    if (m_errorCount > 0) {
        m_msgs->setEnabled(true);
        m_status->SetText(QStringLiteral(" Errors"));
        m_status->SetTextColor(QColor(255, 0, 0));
    } else {
        m_msgs->setEnabled(false);
        m_status->SetText(QStringLiteral("No Errors"));
        m_status->SetTextColor(QColor(0, 0, 255));
    }
    m_tree->setFocus();
}

bool CTargetStyleDlg::openStyles() {
    try {
        if (!m_styles) {
            if (!m_database.isOpen()) {
                m_database.open(m_services.settings.string(storage::Setting::DefaultDataFile),
                                storage::Database::Access::ReadOnly);
            }
            m_styles = std::make_unique<storage::CRecordSetStyles>(&m_database);
            m_styles->open(storage::OpenType::Default, storage::OpenOption::ReadOnly);
            m_styles->setCurrentIndex(kIndex);
        }
        m_styles->moveFirst();
        if (m_styles->isEOF()) {
            m_styles.reset();
            const shell::OverrideCursor arrow(Qt::ArrowCursor);
            m_services.prompts.show(kMsgEmptyTable, formatMessage(kMsgEmptyTable, "Styles"),
                                    PromptIcon::Exclamation);
            return false;
        }
    } catch (const storage::DaoException& error) {
        m_styles.reset();
        reportError(error);
        return false;
    }
    return true;
}

void CTargetStyleDlg::fillTree() {
    QTreeWidgetItem* root = m_tree->insertRoot();
    QString name;
    QString category;
    QString subcategory;
    QTreeWidgetItem* nameItem = nullptr;
    QTreeWidgetItem* categoryItem = nullptr;
    try {
        for (m_styles->moveFirst(); !m_styles->isEOF(); m_styles->moveNext()) {
            const storage::CRecordSetStyles& s = *m_styles;
            if (nameItem == nullptr || s.m_StylesName != name) {
                name = s.m_StylesName;
                category = s.m_StylesCategory;
                subcategory = s.m_StylesSubcategory;
                nameItem = m_tree->insertItem(root, name);
                categoryItem = m_tree->insertItem(nameItem, category);
            } else if (s.m_StylesCategory != category) {
                category = s.m_StylesCategory;
                subcategory = s.m_StylesSubcategory;
                categoryItem = m_tree->insertItem(nameItem, category);
            }
            if (!isNoSubcategory(s.m_StylesSubcategory)) {
                m_tree->insertItem(categoryItem, s.m_StylesSubcategory);
            }
        }
    } catch (const storage::DaoException& error) {
        reportError(error);
    }
    root->setExpanded(true);
    m_tree->setCurrentItem(nullptr);
    m_tree->clearSelection();
}

void CTargetStyleDlg::onSelectionChanged() {
    const QTreeWidgetItem* item = m_tree->currentItem();
    const std::optional<StyleSelection> chosen = CStyleTree::selectionOf(item);
    if (!chosen) {
        return;  // the root or a style name
    }
    m_working = *chosen;
    ShowStyle();
}

bool CTargetStyleDlg::seekWorking() {
    storage::CRecordSetStyles& s = *m_styles;
    if (isNoSubcategory(m_working.subcategory)) {
        // A style without a subcategory may be stored with one blank, an
        // empty text or none at all: blank keys sort first under their name
        // and category.
        return s.seek(QStringLiteral("="), {m_working.name, m_working.category}) &&
               isNoSubcategory(s.m_StylesSubcategory);
    }
    return s.seek(QStringLiteral("="), {m_working.name, m_working.category, m_working.subcategory});
}

void CTargetStyleDlg::ShowStyle() {
    if (m_working.name == kNoneSelected) {
        m_limits = StyleLimits{};
    } else {
        if (!m_styles) {
            return;  // the styles could not be read; the user has been told
        }
        bool found = false;
        try {
            found = seekWorking();
        } catch (const storage::DaoException& error) {
            reportError(error);
            return;
        }
        if (!found) {
            reportNotFound();
            return;
        }
        const storage::CRecordSetStyles& s = *m_styles;
        m_limits = {s.m_StylesGravityLo, s.m_StylesGravityHi, s.m_StylesAlcoLo,  s.m_StylesAlcoHi,
                    s.m_StylesIBULo,     s.m_StylesIBUHi,     s.m_StylesColorLo, s.m_StylesColorHi};
    }
    ShowSelection();
    m_grid->showLimits(m_limits);
}

void CTargetStyleDlg::reportNotFound() {
    const shell::OverrideCursor arrow(Qt::ArrowCursor);
    if (m_restoring) {
        m_services.prompts.show(kMsgStyleDataNotFound, PromptIcon::Information);
        return;
    }
    QString what = m_working.category;
    if (m_working.subcategory != kNoSubcategory) {
        what += QStringLiteral(", ") + m_working.subcategory;
    }
    m_services.prompts.show(kMsgSeekFailed,
                            formatMessage(kMsgSeekFailed, utf8(m_working.name), utf8(what)),
                            PromptIcon::Information);
}

void CTargetStyleDlg::reportError(const storage::DaoException& error) {
    const shell::OverrideCursor arrow(Qt::ArrowCursor);
    storage::ReportDaoException(error, m_services.prompts, m_services.help);
}

void CTargetStyleDlg::RestoreRecipeStyle() {
    m_working = m_initial;
    m_restoring = true;
    ShowStyle();
    m_restoring = false;
}

void CTargetStyleDlg::setDetailsHandler(std::function<void()> open) {
    m_openDetails = std::move(open);
    m_details->setVisible(static_cast<bool>(m_openDetails));
}

void CTargetStyleDlg::ShowSelection() {
    m_selection[0]->setText(m_working.name);
    m_selection[1]->setText(m_working.category);
    m_selection[2]->setText(m_working.subcategory);
}

void CTargetStyleDlg::OnShowAll() {
    if (m_expandNext) {
        m_tree->expandEvery();
        m_showAll->setText(QStringLiteral("Collapse All"));
        m_expandNext = false;
    } else {
        m_tree->collapseEvery();
        m_showAll->setText(QStringLiteral("Expand All"));
        m_expandNext = true;
    }
    m_tree->setFocus();
}

void CTargetStyleDlg::OnMsgs() {
    static const calc::CalcMessageList kNone;
    CCalcMessagesDlg messages(m_messages != nullptr ? *m_messages : kNone, m_errorCount, this);
    messages.exec();
}

void CTargetStyleDlg::OnHelp() {
    if (m_services.help != nullptr) {
        m_services.help->showHelp(kStylesHelpTopic);
    }
}

void CTargetStyleDlg::accept() {
    ShowStyle();
    m_result = m_working;
    QDialog::accept();
}

void CTargetStyleDlg::reject() {
    RestoreRecipeStyle();
    m_result = m_initial;
    QDialog::reject();
}

}  // namespace mw::views
