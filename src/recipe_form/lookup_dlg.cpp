#include "recipe_form/lookup_dlg.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "recipe_form/lookup_list_item.h"
#include "resources/help_service.h"
#include "resources/message_catalogue.h"
#include "resources/prompt_service.h"
#include "shell/help_topic.h"
#include "shell/hint_balloon.h"
#include "shell/override_cursor.h"
#include "storage/catalogue_string.h"
#include "storage/dao_exception.h"
#include "storage/error_report.h"
#include "storage/settings.h"

namespace mw::recipe_form {

namespace {

constexpr int kMsgPlanned = 19;
constexpr int kMsgEmptyTable = 82;
constexpr int kMsgSeekFailed = 1030;      // two keys
constexpr int kMsgSeekFailedName = 1031;  // the name only
constexpr int kHintList = 1033;
constexpr int kHintSelect = 1034;
constexpr int kHintCancel = 1035;
constexpr int kHintInfo = 1036;
constexpr int kHintHelp = 1037;
constexpr int kHintAdd = 1038;

// The dialog's size in dialog units: 255 by 96.
constexpr int kWidthDialogUnits = 255;
constexpr int kHeightDialogUnits = 96;

using storage::catalogueString;

// Shows a cursor while it lives: the wait cursor while the list is read, the
// arrow over a message box shown meanwhile.

// The dialog's size in pixels for its font.
QSize dialogUnitsToPixels(const QFont& font, int width, int height) {
    const QFontMetrics metrics(font);
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int baseX = (metrics.horizontalAdvance(alphabet) + 26) / 52;
    return {width * baseX / 4, height * metrics.height() / 8};
}

}  // namespace

CLookupDlg::CLookupDlg(storage::Settings& settings, PromptService& prompts, HelpService* help,
                       QWidget* parent)
    : QDialog(parent), m_settings(settings), m_prompts(prompts), m_help(help) {
    setWindowTitle(QStringLiteral("Lookup Ingredient"));
    setObjectName(QStringLiteral("lookupDialog"));
    shell::setHelpTopic(this, kHelpContext);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("lookupList"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->header()->setSectionsMovable(false);
    // Named for screen readers by the first line of its hint.
    m_list->setAccessibleName(catalogueString(kHintList).section(QLatin1Char('\n'), 0, 0));

    m_select = new QPushButton(QStringLiteral("&Select"), this);
    m_cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    m_info = new QPushButton(QStringLiteral("&Info"), this);
    m_helpButton = new QPushButton(QStringLiteral("&Help"), this);
    m_add = new QPushButton(QStringLiteral("&Add"), this);
    m_select->setDefault(true);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {m_select, m_cancel, m_info, m_helpButton, m_add}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    connect(m_select, &QPushButton::clicked, this, &CLookupDlg::OnSelect);
    connect(m_cancel, &QPushButton::clicked, this, &CLookupDlg::reject);
    connect(m_info, &QPushButton::clicked, this, &CLookupDlg::OnInfo);
    connect(m_helpButton, &QPushButton::clicked, this, &CLookupDlg::OnHelp);
    connect(m_add, &QPushButton::clicked, this, &CLookupDlg::OnAdd);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &CLookupDlg::OnSelect);

    m_hints = new shell::CHintBalloon(this);
    m_hints->AddTool(m_list, kHintList);
    m_hints->AddTool(m_select, kHintSelect);
    m_hints->AddTool(m_cancel, kHintCancel);
    m_hints->AddTool(m_info, kHintInfo);
    m_hints->AddTool(m_helpButton, kHintHelp);
    m_hints->AddTool(m_add, kHintAdd);

    resize(dialogUnitsToPixels(font(), kWidthDialogUnits, kHeightDialogUnits));
}

namespace {
CLookupDlg::TableAdder& tableAdder() {
    static CLookupDlg::TableAdder adder;
    return adder;
}
}  // namespace

void CLookupDlg::setTableAdder(TableAdder adder) {
    tableAdder() = std::move(adder);
}

CLookupDlg::~CLookupDlg() = default;

QStringList CLookupDlg::headings() const {
    QStringList result;
    const QTreeWidgetItem* header = m_list->headerItem();
    for (int c = 0; c < m_list->columnCount(); ++c) {
        result << header->text(c);
    }
    return result;
}

int CLookupDlg::widthUnit() const {
    return static_cast<int>(logicalDpiX() * 0.3);
}

void CLookupDlg::takeFixedRow(const QString&) {}

std::string CLookupDlg::fixedRowInfoText(const QString&) const {
    return {};
}

bool CLookupDlg::load() {
    const shell::OverrideCursor wait(Qt::WaitCursor);
    if (m_columnCount == 0) {
        setUpColumns();
    }
    if (!openDatabase() || !fillList()) {
        return false;
    }
    m_list->setFocus();
    return true;
}

void CLookupDlg::setUpColumns() {
    const QStringList titles = catalogueString(headingsNumber()).split(QLatin1Char(','));
    m_columnCount = static_cast<int>(titles.size());
    m_list->setColumnCount(m_columnCount);
    m_list->setHeaderLabels(titles);
}

bool CLookupDlg::openDatabase() {
    if (m_database.isOpen()) {
        return true;
    }
    try {
        m_database.open(m_settings.string(storage::Setting::DefaultDataFile));
    } catch (const storage::DaoException& error) {
        reportError(error);
        return false;
    }
    return true;
}

void CLookupDlg::reportError(const storage::DaoException& error) {
    const shell::OverrideCursor arrow(Qt::ArrowCursor);
    storage::ReportDaoException(error, m_prompts, m_help);
}

bool CLookupDlg::fillList() {
    m_list->setSortingEnabled(false);
    m_list->clear();
    try {
        if (!m_recordset) {
            m_recordset = makeRecordset(&m_database);
            m_recordset->open(storage::OpenType::Default, storage::OpenOption::ReadOnly);
        }
        if (m_recordset->isEOF()) {
            const std::string word(catalogueText(tableWordNumber()));
            const shell::OverrideCursor arrow(Qt::ArrowCursor);
            m_prompts.show(kMsgEmptyTable, formatMessage(kMsgEmptyTable, word),
                           PromptIcon::Exclamation);
            return false;
        }
        const QStringList fixed = fixedRows();
        for (int i = 0; i < fixed.size(); ++i) {
            m_list->addTopLevelItem(new CLookupItem({fixed[i]}, numericColumns(), i));
        }
        m_recordset->setCurrentIndex(indexName());
        for (m_recordset->moveFirst(); !m_recordset->isEOF(); m_recordset->moveNext()) {
            if (listsCurrentRecord()) {
                auto* item = new CLookupItem(rowTexts(), numericColumns());
                item->setRecordId(m_recordset->bookmark());
                m_list->addTopLevelItem(item);
            }
        }
    } catch (const storage::DaoException& error) {
        reportError(error);
        return false;
    }
    // Sorted by the first column, ascending, which the index order already is.
    m_list->header()->setSortIndicator(0, Qt::AscendingOrder);
    m_list->setSortingEnabled(true);
    if (QTreeWidgetItem* first = m_list->topLevelItem(0)) {
        m_list->setCurrentItem(first);
        m_list->scrollToItem(first);
    }
    fitColumns();
    return true;
}

// A column is as wide as its width units ask, or as its heading and texts
// need when that is more: the units were chosen for a narrower font than
// many desktops use, and a clipped hop or yeast name cannot be told apart.
// The list is made wide enough to show every column; the last one takes any
// room left over.
void CLookupDlg::fitColumns() {
    const std::vector<int> units = columnWidthUnits();
    QHeaderView* header = m_list->header();
    header->setStretchLastSection(false);
    int width = 2 * m_list->frameWidth() + m_list->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < m_columnCount; ++c) {
        m_list->resizeColumnToContents(c);
        int columnWidth = header->sectionSize(c);
        if (static_cast<std::size_t>(c) < units.size()) {
            columnWidth = std::max(columnWidth, units[static_cast<std::size_t>(c)] * widthUnit());
        }
        header->resizeSection(c, columnWidth);
        width += columnWidth;
    }
    header->setStretchLastSection(true);
    m_list->setMinimumWidth(width);
    layout()->activate();
    resize(size().expandedTo(minimumSizeHint()));
}

CLookupDlg::Found CLookupDlg::seekSelected() {
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty()) {
        return Found::Nothing;
    }
    const auto* item = static_cast<const CLookupItem*>(selected.first());
    m_keyTexts.clear();
    for (int c = 0; c < std::min(m_columnCount, 3); ++c) {
        m_keyTexts << item->text(c);
    }
    if (item->isFixed()) {
        return Found::FixedRow;
    }
    // The name alone, or the first two columns as shown (a hop's alpha as
    // listed, with one decimal).
    QVariantList keys;
    for (int c = 0; c < std::min(m_columnCount, 2); ++c) {
        keys << QVariant(m_keyTexts[c]);
    }
    try {
        if (!m_recordset->seek(QStringLiteral("="), keys)) {
            reportSeekFailure();
            reject();
            return Found::Failed;
        }
    } catch (const storage::DaoException& error) {
        reportError(error);
        reject();
        return Found::Failed;
    }
    return Found::Record;
}

void CLookupDlg::reportSeekFailure() {
    if (m_columnCount < 2) {
        m_prompts.show(kMsgSeekFailedName,
                       formatMessage(kMsgSeekFailedName, m_keyTexts[0].toStdString()),
                       PromptIcon::Information);
        return;
    }
    m_prompts.show(
        kMsgSeekFailed,
        formatMessage(kMsgSeekFailed, m_keyTexts[0].toStdString(), m_keyTexts[1].toStdString()),
        PromptIcon::Information);
}

void CLookupDlg::OnSelect() {
    switch (seekSelected()) {
        case Found::Record:
            clearChoice();
            takeCurrentRecord();
            accept();
            break;
        case Found::FixedRow:
            clearChoice();
            takeFixedRow(m_keyTexts[0]);
            accept();
            break;
        case Found::Nothing:
        case Found::Failed:
            break;
    }
}

void CLookupDlg::OnInfo() {
    switch (seekSelected()) {
        case Found::Record:
            m_prompts.show(infoNumber(), infoText(), PromptIcon::Information);
            break;
        case Found::FixedRow: {
            const std::string info = fixedRowInfoText(m_keyTexts[0]);
            if (!info.empty()) {
                m_prompts.show(infoNumber(), info, PromptIcon::Information);
            }
            break;
        }
        case Found::Nothing:
        case Found::Failed:
            break;
    }
}

void CLookupDlg::OnAdd() {
    qint64 added = 0;
    if (m_addHandler) {
        m_addHandler(this);
    } else {
        const std::optional<qint64> id =
            tableAdder() ? tableAdder()(m_recordset ? m_recordset->sourceName() : QString(), this)
                         : std::nullopt;
        if (!id) {
            m_prompts.show(kMsgPlanned, PromptIcon::Information);
            return;
        }
        added = *id;
    }
    // Read the table again, so that a record just added is listed.
    m_recordset.reset();
    clearChoice();
    if (!fillList()) {
        reject();
        return;
    }
    selectRecord(added);
    m_list->setFocus();
}

void CLookupDlg::selectRecord(qint64 id) {
    if (id == 0) {
        return;
    }
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        auto* item = static_cast<CLookupItem*>(m_list->topLevelItem(i));
        if (item->recordId() == id) {
            m_list->setCurrentItem(item);
            m_list->scrollToItem(item);
            return;
        }
    }
}

void CLookupDlg::OnHelp() {
    if (m_help != nullptr) {
        m_help->showHelp(kHelpContext);
    }
}

}  // namespace mw::recipe_form
