#include "views/calc_messages_dlg.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "calc/calc_message_list.h"
#include "resources/message_catalogue.h"
#include "resources/number_text.h"
#include "shell/help_topic.h"
#include "shell/override_cursor.h"

namespace mw::views {

namespace {

constexpr int kHeadings = 235;     // "#,Level,Message"
constexpr int kFormatCount = 191;  // "%lu"
constexpr int kCaption = 1222;     // "Calculation Messages"

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace

CCalcMessagesDlg::CCalcMessagesDlg(const calc::CalcMessageList& messages, unsigned count,
                                   QWidget* parent)
    : QDialog(parent), m_count(count) {
    setObjectName(QStringLiteral("calcMessages"));
    setWindowTitle(text(catalogueText(kCaption)));
    shell::setHelpTopic(this, kHelpTopic);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("messageList"));
    m_list->setAccessibleName(windowTitle());
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setAllColumnsShowFocus(true);  // the whole row is selected
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setUniformRowHeights(true);
    m_list->setWordWrap(false);
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionsMovable(false);

    m_ok = new QPushButton(QStringLiteral("&OK"), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    m_details = new QPushButton(QStringLiteral("&Details..."), this);
    m_details->setObjectName(QStringLiteral("details"));
    m_details->setAutoDefault(false);
    m_details->hide();
    connect(m_details, &QPushButton::clicked, this, [this] {
        if (m_openDetails) {
            m_openDetails();
        }
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_details);
    buttons->addWidget(m_ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    fillList(messages);
    // Wider than its 381 by 95 dialog units: the texts are long.
    resize(860, 240);
}

void CCalcMessagesDlg::setDetailsHandler(std::function<void()> open) {
    m_openDetails = std::move(open);
    m_details->setVisible(static_cast<bool>(m_openDetails));
}

void CCalcMessagesDlg::fillList(const calc::CalcMessageList& messages) {
    const shell::OverrideCursor wait;
    m_list->setColumnCount(0);
    m_list->setHeaderLabels(text(catalogueText(kHeadings)).split(QLatin1Char(',')));
    m_list->clear();

    const std::vector<std::string> shown = messages.sortedUnique();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const QString entry = QString::fromStdString(shown[i]);
        const qsizetype colon = entry.indexOf(QLatin1Char(':'));
        // Each message is its level word, a colon, a blank and its text.
        const QString level = colon < 0 ? QString() : entry.left(colon);
        const QString message = colon < 0 ? entry : entry.mid(colon + 2);
        auto* row = new QTreeWidgetItem(m_list);
        row->setText(Number, QString::fromStdString(formatNumber(kFormatCount, double(i + 1))));
        row->setText(Level, level);
        row->setText(Message, message);
        row->setToolTip(Message, message);
    }

    // Widths in tenths of an inch; the number and the level word are never
    // clipped where the desktop font is wider than the widths allow for.
    const int w = static_cast<int>(0.3 * logicalDpiX());
    const int widths[] = {w, static_cast<int>(2.5 * w), 30 * w};
    for (int column : {Number, Level, Message}) {
        m_list->resizeColumnToContents(column);
        m_list->setColumnWidth(column, std::max(widths[column], m_list->columnWidth(column)));
    }

    if (QTreeWidgetItem* first = m_list->topLevelItem(0)) {
        m_list->setCurrentItem(first);
        first->setSelected(true);
    }
    m_list->setFocus();
}

}  // namespace mw::views
