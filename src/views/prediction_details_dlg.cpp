#include "views/prediction_details_dlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "calc/recipe_calculation.h"
#include "calc/recipe_fields.h"
#include "resources/number_text.h"
#include "views/range_bar.h"

namespace mw::views {

namespace {

QString number(const char* format, double value) {
    return QString::fromStdString(formatNumber(format, value));
}

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

PredictionDetails gatherPredictionDetails(const calc::RecipeCalculation& calculation,
                                          const calc::AssumptionReport& report,
                                          const calc::RecipeFields& recipe,
                                          const calc::IngredientCells& cells) {
    PredictionDetails d;
    d.style = text(recipe.targetStyle());
    d.classic = calculation.results();
    d.modern = calc::predictModern(recipe, cells, d.classic, calculation.attenuationUsed());
    d.assumptions = report.entries();
    d.gravity = {recipe.targetSpGravLo(), recipe.targetSpGravHi()};
    d.alcohol = {recipe.targetAlcoLo(), recipe.targetAlcoHi()};
    d.ibu = {recipe.targetIbuLo(), recipe.targetIbuHi()};
    d.color = {recipe.targetColorLo(), recipe.targetColorHi()};
    return d;
}

CPredictionDetailsDlg::CPredictionDetailsDlg(const PredictionDetails& details, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("predictionDetails"));
    setWindowTitle(QStringLiteral("Prediction Details"));
    auto* layout = new QVBoxLayout(this);

    auto* style = new QLabel(details.style.isEmpty()
                                 ? QStringLiteral("No target style chosen: no ranges to show.")
                                 : QStringLiteral("Target style: %1").arg(details.style),
                             this);
    style->setObjectName(QStringLiteral("targetStyle"));
    layout->addWidget(style);

    auto* figures = new QGroupBox(QStringLiteral("Predictions against the style's ranges"), this);
    figures->setObjectName(QStringLiteral("figures"));
    auto* grid = new QGridLayout(figures);
    int row = 0;
    const auto heading = [&](const QString& title, const FigureRange& range, const char* format) {
        auto* label = new QLabel(QStringLiteral("<b>%1</b>").arg(title), figures);
        grid->addWidget(label, row, 0);
        auto* limits = new QLabel(
            range.low < range.high ? QStringLiteral("style %1 to %2")
                                         .arg(number(format, range.low), number(format, range.high))
                                   : QStringLiteral("no style range"),
            figures);
        grid->addWidget(limits, row, 1, 1, 2);
        ++row;
    };
    const auto add = [&](const QString& name, double value, const char* format,
                         const FigureRange& range) {
        auto* label = new QLabel(name, figures);
        auto* shown = new QLabel(number(format, value), figures);
        shown->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* bar = new RangeBar(figures);
        bar->setRange(range.low, range.high);
        bar->setValue(value);
        bar->setAccessibleName(name);
        bar->setToolTip(QStringLiteral("%1: %2").arg(name, number(format, value)));
        grid->addWidget(label, row, 0);
        grid->addWidget(shown, row, 1);
        grid->addWidget(bar, row, 2);
        m_bars.emplace_back(name, bar);
        ++row;
    };

    const calc::CalcResults& c = details.classic;
    const calc::ModernPredictions& m = details.modern;
    heading(QStringLiteral("Original gravity"), details.gravity, "%.3f");
    add(QStringLiteral("Classic"), c.originalGravity, "%.3f", details.gravity);

    heading(QStringLiteral("Bitterness (IBU)"), details.ibu, "%.0f");
    add(QStringLiteral("Classic (utilization table)"), c.totalIbu, "%.1f", details.ibu);
    for (const calc::MethodFigure& f : m.bitterness.ibu) {
        add(text(f.method) + QStringLiteral(" at the ") + text(m.bitterness.gravityName) +
                QLatin1Char(' ') + number("%.3f", m.bitterness.gravity),
            f.value, "%.1f", details.ibu);
    }

    heading(QStringLiteral("Colour"), details.color, "%.1f");
    add(QStringLiteral("Classic (degrees Lovibond x weight / volume)"), c.color, "%.1f",
        details.color);
    for (const calc::MethodFigure& f : m.colour.srm) {
        add(text(f.method) + QStringLiteral(" SRM"), f.value, "%.1f", details.color);
    }

    heading(QStringLiteral("Alcohol (% by volume)"), details.alcohol, "%.1f");
    add(QStringLiteral("Classic"), c.alcohol, "%.2f", details.alcohol);
    for (const calc::MethodFigure& f : m.alcohol.abv) {
        add(text(f.method), f.value, "%.2f", details.alcohol);
    }
    grid->setColumnStretch(2, 1);
    layout->addWidget(figures);

    // The beer's colour by Morey's SRM.
    auto* colourRow = new QHBoxLayout;
    auto* swatch = new QLabel(this);
    swatch->setObjectName(QStringLiteral("colourSwatch"));
    swatch->setFixedSize(64, 32);
    swatch->setFrameShape(QFrame::Box);
    swatch->setAutoFillBackground(true);
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, QColor(text(m.colour.display.hex())));
    swatch->setPalette(palette);
    swatch->setAccessibleName(QStringLiteral("Colour of the beer"));
    m_swatch = swatch;
    colourRow->addWidget(swatch);
    colourRow->addWidget(
        new QLabel(m.colour.worked
                       ? QStringLiteral("Colour of the beer: Morey SRM %1 (EBC %2), MCU %3. "
                                        "HBU %4 (classic).")
                             .arg(number("%.1f", m.colour.srm.front().value),
                                  number("%.1f", m.colour.ebc.front().value),
                                  number("%.1f", m.colour.mcu), number("%.1f", c.totalHbu))
                       : QStringLiteral("No colour: the batch size is 0."),
                   this),
        1);
    layout->addLayout(colourRow);

    auto* label = new QLabel(QStringLiteral("&Assumptions behind the classic figures:"), this);
    m_assumptions = new QTreeWidget(this);
    m_assumptions->setObjectName(QStringLiteral("assumptions"));
    m_assumptions->setAccessibleName(QStringLiteral("Assumptions"));
    m_assumptions->setColumnCount(2);
    m_assumptions->setHeaderLabels({QStringLiteral("Figure"), QStringLiteral("Assumption")});
    m_assumptions->setRootIsDecorated(false);
    m_assumptions->setWordWrap(true);
    m_assumptions->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_assumptions->header()->setStretchLastSection(true);
    for (const calc::Assumption& a : details.assumptions) {
        auto* item =
            new QTreeWidgetItem(m_assumptions, {text(calc::figureName(a.figure)), text(a.text)});
        item->setToolTip(1, text(a.text));
    }
    label->setBuddy(m_assumptions);
    layout->addWidget(label);
    layout->addWidget(m_assumptions, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(760, 720);
}

}  // namespace mw::views
