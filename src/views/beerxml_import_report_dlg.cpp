#include "views/beerxml_import_report_dlg.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "beerxml/beerxml_error.h"
#include "beerxml/beerxml_import.h"
#include "resources/help_service.h"
#include "shell/help_topic.h"

namespace mw::views {

namespace {

constexpr int kCaption = 1391;        // "BeerXML Import"
constexpr int kRecipeHeading = 1394;  // "Batch %1: %2"
constexpr int kNothingLost = 1395;    // "everything imported"

}  // namespace

QString CBeerXmlImportReportDlg::reportText(const beerxml::ImportResult& result) {
    QStringList lines;
    for (const beerxml::ImportedRecipe& recipe : result.recipes) {
        lines << beerxml::catalogueText(kRecipeHeading,
                                        {QString::number(recipe.batchNumber), recipe.name});
        if (recipe.report.isEmpty()) {
            lines << QStringLiteral("    ") + beerxml::catalogueText(kNothingLost);
        }
        // The heading names the recipe: its lines go without the path's
        // first step ("RECIPE 'Dry Stout' / ").
        const QString path = QStringLiteral("RECIPE '%1' / ").arg(recipe.name);
        for (const QString& line : recipe.report) {
            lines << QStringLiteral("    ") +
                         (line.startsWith(path) ? line.mid(path.size()) : line);
        }
    }
    if (!result.fileReport.isEmpty()) {
        lines << QString();
        lines << result.fileReport;
    }
    return lines.join(QLatin1Char('\n'));
}

CBeerXmlImportReportDlg::CBeerXmlImportReportDlg(const beerxml::ImportResult& result,
                                                 const QString& file, HelpService* help,
                                                 QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("beerXmlImportReport"));
    setWindowTitle(beerxml::catalogueText(kCaption));
    shell::setHelpTopic(this, kHelpTopic);

    auto* summary = new QLabel(beerxml::catalogueText(beerxml::bxmsg::ImportSummary,
                                                      {QString::number(result.recipes.size()),
                                                       QDir::toNativeSeparators(file)}),
                               this);
    summary->setObjectName(QStringLiteral("summary"));
    summary->setWordWrap(true);
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* label = new QLabel(QStringLiteral("&Loss report:"), this);
    m_report = new QPlainTextEdit(this);
    m_report->setObjectName(QStringLiteral("lossReport"));
    m_report->setAccessibleName(QStringLiteral("Loss report"));
    m_report->setReadOnly(true);
    m_report->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_report->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_report->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_report->setPlainText(reportText(result));
    label->setBuddy(m_report);

    m_copy = new QPushButton(QStringLiteral("&Copy"), this);
    m_copy->setObjectName(QStringLiteral("copy"));
    m_copy->setAutoDefault(false);
    m_copy->setToolTip(QStringLiteral("Copy the whole report to the clipboard"));
    connect(m_copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(m_report->toPlainText()); });

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    m_helpButton = new QPushButton(QStringLiteral("&Help"), this);
    m_helpButton->setObjectName(QStringLiteral("help"));
    m_helpButton->setAutoDefault(false);
    m_helpButton->setEnabled(help != nullptr);
    connect(m_helpButton, &QPushButton::clicked, this, [help] {
        if (help != nullptr) {
            help->showHelp(kHelpTopic);
        }
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_copy);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_helpButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(label);
    layout->addWidget(m_report, 1);
    layout->addLayout(buttons);

    // Wide enough for the usual report line, in characters of the text's font.
    const QFontMetrics metrics(m_report->font());
    resize(std::min(100 * metrics.horizontalAdvance(QLatin1Char('x')), 1000),
           26 * metrics.lineSpacing());
    m_ok->setFocus();
}

}  // namespace mw::views
