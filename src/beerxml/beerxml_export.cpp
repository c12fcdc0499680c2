#include "beerxml/beerxml_export.h"

#include <QDate>
#include <QSaveFile>
#include <QXmlStreamWriter>
#include <vector>

#include "beerxml/beerxml_error.h"
#include "beerxml/measures.h"
#include "beerxml/recipe_data.h"
#include "resources/number_text.h"
#include "storage/database.h"
#include "storage/ingredient_loader.h"

namespace mw::beerxml {

namespace {

using calc::Sheet;

// Packages of yeast have no weight or volume of their own; one is written
// as a typical dry sachet or liquid pack.
constexpr double kDryPackageKg = 0.0115;
constexpr double kLiquidPackageLitres = 0.125;
// A kit's gravity and colour are stated for 5 US gallons.
constexpr double kKitReferenceGallons = 5.0;

class RecipeWriter {
public:
    RecipeWriter(QXmlStreamWriter& xml, const RecipeData& data) : m_xml(xml), m_data(data) {
        m_metric = value(QStringLiteral("RecipeMeasureEnglish")).toInt() != 0;
    }

    void write();

private:
    QVariant value(const QString& column) const { return m_data.recipe.value(column); }
    double number(const QString& column) const { return value(column).toDouble(); }
    QString text(const QString& column) const { return value(column).toString(); }

    void field(const char* name, const QString& text) {
        m_xml.writeTextElement(QLatin1String(name), text);
    }
    void field(const char* name, double v) { field(name, numberText(v)); }
    void version() { field("VERSION", QStringLiteral("1")); }

    double litres(double v) const { return m_metric ? v : v * kLitresPerGallon; }
    double celsius(double v) const { return m_metric ? v : celsiusFromFahrenheit(v); }
    // Kilograms of a weight in a unit; a unit that is no weight is taken as
    // the recipe's default weight unit, as the calculations take it.
    double kilograms(double v, const QString& unit, bool hop) const {
        const QString u = unit.toLower();
        if (u == QLatin1String("lbs") || u == QLatin1String("lb")) {
            return v * kKgPerPound;
        }
        if (u == QLatin1String("oz")) {
            return v * kKgPerOunce;
        }
        if (u == QLatin1String("kg")) {
            return v;
        }
        if (u == QLatin1String("g")) {
            return v * 0.001;
        }
        if (hop) {
            return m_metric ? v * 0.001 : v * kKgPerOunce;
        }
        return m_metric ? v : v * kKgPerPound;
    }
    static QString display(const QVariant& amount, const QString& unit) {
        return (amount.typeId() == QMetaType::QString ? amount.toString()
                                                      : storage::cellText(amount)) +
               QLatin1Char(' ') + unit;
    }

    void writeStyle();
    void writeHops();
    void writeFermentables();
    void writeMiscs();
    void writeYeasts();
    void writeMash();

    QXmlStreamWriter& m_xml;
    const RecipeData& m_data;
    bool m_metric = false;
};

void RecipeWriter::write() {
    m_xml.writeStartElement(QStringLiteral("RECIPE"));
    field("NAME", text(QStringLiteral("RecipeName")));
    version();
    const bool allGrain = value(QStringLiteral("RecipeProcessAllGrain")).toInt() != 0;
    const bool partial = value(QStringLiteral("RecipeProcessPartial")).toInt() != 0;
    field("TYPE", allGrain  ? QStringLiteral("All Grain")
                  : partial ? QStringLiteral("Partial Mash")
                            : QStringLiteral("Extract"));
    writeStyle();
    field("BREWER", text(QStringLiteral("RecipeBrewer")));
    field("BATCH_SIZE", litres(number(QStringLiteral("RecipeBatchSize"))));
    field("BOIL_SIZE", litres(number(QStringLiteral("RecipeBoilSize"))));
    field("BOIL_TIME", number(QStringLiteral("RecipeBoilLth")));
    field("EFFICIENCY", number(QStringLiteral("RecipeSystemEfficiencyExpected")));
    writeHops();
    writeFermentables();
    writeMiscs();
    writeYeasts();
    m_xml.writeEmptyElement(QStringLiteral("WATERS"));
    writeMash();
    const auto optionalText = [&](const char* name, const char* column) {
        const QString t = text(QLatin1String(column));
        if (!t.isEmpty()) {
            field(name, t);
        }
    };
    optionalText("NOTES", "RecipeComments");
    optionalText("TASTE_NOTES", "RecipeRatingNotes");
    if (const int score = value(QStringLiteral("RecipeRatingCompScore")).toInt(); score != 0) {
        field("TASTE_RATING", score);
    }
    for (const auto& [name, column] :
         {std::pair{"OG", "RecipeSGOriginal"}, {"FG", "RecipeSGFinal"}}) {
        const double sg = number(QLatin1String(column));
        if (sg != 1.0 && sg > 0) {
            field(name, sg);
        }
    }
    const auto days = [&](const char* name, const char* column) {
        if (const double d = number(QLatin1String(column)); d != 0) {
            field(name, d);
        }
    };
    const auto temperature = [&](const char* name, const char* column) {
        if (const double t = number(QLatin1String(column)); t != 0) {
            field(name, celsius(t));
        }
    };
    days("PRIMARY_AGE", "RecipeFermPrimary");
    temperature("PRIMARY_TEMP", "RecipeFermAvgTempPri");
    days("SECONDARY_AGE", "RecipeFermSecondary");
    temperature("SECONDARY_TEMP", "RecipeFermAvgTempSec");
    const bool weeks =
        text(QStringLiteral("RecipeFermConditioningUnits")) == QLatin1String("Weeks");
    if (const double age = number(QStringLiteral("RecipeFermConditioningAmt")); age != 0) {
        field("AGE", weeks ? age * 7 : age);
    }
    const QDate brewed =
        QDate::fromString(text(QStringLiteral("RecipeDateBrewed")).left(10), Qt::ISODate);
    if (brewed.isValid()) {
        field("DATE", brewed.toString(Qt::ISODate));
    }
    optionalText("PRIMING_SUGAR_NAME", "RecipeFermPrimingName");

    // What the standard has no element for.
    field("MALTWISE_MEASURE", m_metric ? QStringLiteral("Metric") : QStringLiteral("English"));
    QStringList process;
    if (value(QStringLiteral("RecipeProcessKit")).toInt() != 0) {
        process << QStringLiteral("Kit");
    }
    if (value(QStringLiteral("RecipeProcessExtract")).toInt() != 0) {
        process << QStringLiteral("Extract");
    }
    if (partial) {
        process << QStringLiteral("Partial Mash");
    }
    if (allGrain) {
        process << QStringLiteral("All Grain");
    }
    field("MALTWISE_PROCESS",
          process.isEmpty() ? QStringLiteral("None") : process.join(QLatin1Char(',')));
    const int fermentation = value(QStringLiteral("RecipeFermTypeAle")).toInt();
    field("MALTWISE_FERMENTATION", fermentation == 1   ? QStringLiteral("Lager")
                                   : fermentation == 2 ? QStringLiteral("Other")
                                                       : QStringLiteral("Ale"));
    if (weeks) {
        field("MALTWISE_AGE_UNITS", QStringLiteral("Weeks"));
    }
    m_xml.writeEndElement();
}

void RecipeWriter::writeStyle() {
    m_xml.writeStartElement(QStringLiteral("STYLE"));
    field("NAME", text(QStringLiteral("RecipeTargetStyle")));
    field("CATEGORY", text(QStringLiteral("RecipeTargetCategory")));
    version();
    // "11B": the category number and the style letter.
    const QString sub = text(QStringLiteral("RecipeTargetSubcategory"));
    qsizetype digits = 0;
    while (digits < sub.size() && sub[digits].isDigit()) {
        ++digits;
    }
    field("CATEGORY_NUMBER", sub.left(digits));
    field("STYLE_LETTER", sub.mid(digits));
    field("STYLE_GUIDE", QString());
    const int fermentation = value(QStringLiteral("RecipeFermTypeAle")).toInt();
    field("TYPE", fermentation == 1   ? QStringLiteral("Lager")
                  : fermentation == 2 ? QStringLiteral("Mixed")
                                      : QStringLiteral("Ale"));
    const double ogLo = number(QStringLiteral("RecipeTargetSpGravLo"));
    const double ogHi = number(QStringLiteral("RecipeTargetSpGravHi"));
    field("OG_MIN", ogLo);
    field("OG_MAX", ogHi);
    // No final gravity range is kept; it is estimated from the original
    // gravity range at 70 to 80 percent attenuation.
    field("FG_MIN", roundTo(1.0 + std::max(0.0, ogLo - 1.0) * 0.2, 3));
    field("FG_MAX", roundTo(1.0 + std::max(0.0, ogHi - 1.0) * 0.3, 3));
    field("IBU_MIN", number(QStringLiteral("RecipeTargetIBULo")));
    field("IBU_MAX", number(QStringLiteral("RecipeTargetIBUHi")));
    field("COLOR_MIN", number(QStringLiteral("RecipeTargetColorLo")));
    field("COLOR_MAX", number(QStringLiteral("RecipeTargetColorHi")));
    field("ABV_MIN", number(QStringLiteral("RecipeTargetAlcoLo")));
    field("ABV_MAX", number(QStringLiteral("RecipeTargetAlcoHi")));
    m_xml.writeEndElement();
}

void RecipeWriter::writeHops() {
    m_xml.writeStartElement(QStringLiteral("HOPS"));
    for (const QVariantHash& h : m_data.rows(Sheet::Hops)) {
        const double minutes = h.value(QStringLiteral("IngHopsTime")).toDouble();
        const QString unit = h.value(QStringLiteral("IngHopsUnits")).toString();
        const QVariant weight = h.value(QStringLiteral("IngHopsWeight"));
        m_xml.writeStartElement(QStringLiteral("HOP"));
        field("NAME", h.value(QStringLiteral("IngHopsName")).toString());
        version();
        field("ALPHA", h.value(QStringLiteral("IngHopsAlpha")).toDouble());
        field("AMOUNT", kilograms(weight.toDouble(), unit, true));
        field("USE", minutes > 0 ? QStringLiteral("Boil") : QStringLiteral("Aroma"));
        field("TIME", minutes);
        field("DISPLAY_AMOUNT", display(weight, unit));
        m_xml.writeEndElement();
    }
    m_xml.writeEndElement();
}

void RecipeWriter::writeFermentables() {
    m_xml.writeStartElement(QStringLiteral("FERMENTABLES"));
    const auto begin = [&](const QString& name, const char* type, double kg, double potential,
                           double colour) {
        m_xml.writeStartElement(QStringLiteral("FERMENTABLE"));
        field("NAME", name);
        version();
        field("TYPE", QLatin1String(type));
        field("AMOUNT", kg);
        field("YIELD", potential > 0 ? yieldFromPotential(potential) : 0.0);
        field("COLOR", colour);
    };
    for (const QVariantHash& k : m_data.rows(Sheet::Kits)) {
        const QString unit = k.value(QStringLiteral("IngKitsUnits")).toString();
        const QVariant weight = k.value(QStringLiteral("IngKitsWeight"));
        const double kg = kilograms(weight.toDouble(), unit, false);
        const double pounds = kg / kKgPerPound;
        const double sg = k.value(QStringLiteral("IngKitsStartSPGrav")).toDouble();
        const double colour = k.value(QStringLiteral("IngKitsColor")).toDouble();
        // As an extract: the gravity and colour it gives in 5 gallons, per pound.
        const double potential =
            pounds > 0 ? 1.0 + (sg - 1.0) * kKitReferenceGallons / pounds : 0.0;
        const QString style = k.value(QStringLiteral("IngKitsStyle")).toString();
        const QString manufacturer = k.value(QStringLiteral("IngKitsManuf")).toString();
        begin(style, "Extract", kg, potential,
              pounds > 0 ? colour * kKitReferenceGallons / pounds : 0.0);
        field("SUPPLIER", manufacturer);
        field("DISPLAY_AMOUNT", display(weight, unit));
        field("MALTWISE_KIT", style);
        field("MALTWISE_START_SG", sg);
        field("MALTWISE_KIT_COLOR", colour);
        field("MALTWISE_HBU", k.value(QStringLiteral("IngKitsHBU")).toDouble());
        m_xml.writeEndElement();
    }
    for (const QVariantHash& e : m_data.rows(Sheet::Extracts)) {
        const QString unit = e.value(QStringLiteral("IngExtractsUnits")).toString();
        const QVariant weight = e.value(QStringLiteral("IngExtractsWeight"));
        const bool dry =
            e.value(QStringLiteral("IngExtractsForm")).toString() == QLatin1String("Dry");
        begin(e.value(QStringLiteral("IngExtractsName")).toString(),
              dry ? "Dry Extract" : "Extract", kilograms(weight.toDouble(), unit, false),
              e.value(QStringLiteral("IngExtractsSPGrav")).toDouble(),
              e.value(QStringLiteral("IngExtractsColor")).toDouble());
        field("SUPPLIER", e.value(QStringLiteral("IngExtractsManuf")).toString());
        field("DISPLAY_AMOUNT", display(weight, unit));
        field("MALTWISE_HBU", e.value(QStringLiteral("IngExtractsHBU")).toDouble());
        field("MALTWISE_HOPPED", e.value(QStringLiteral("IngExtractsHopped")).toInt() != 0
                                     ? QStringLiteral("TRUE")
                                     : QStringLiteral("FALSE"));
        m_xml.writeEndElement();
    }
    for (const QVariantHash& g : m_data.rows(Sheet::Grains)) {
        const QString unit = g.value(QStringLiteral("IngGrainsUnits")).toString();
        const QVariant weight = g.value(QStringLiteral("IngGrainsWeight"));
        begin(g.value(QStringLiteral("IngGrainsName")).toString(), "Grain",
              kilograms(weight.toDouble(), unit, false),
              g.value(QStringLiteral("IngGrainsSPGrav")).toDouble(),
              g.value(QStringLiteral("IngGrainsColor")).toDouble());
        field("DISPLAY_AMOUNT", display(weight, unit));
        m_xml.writeEndElement();
    }
    for (const QVariantHash& a : m_data.rows(Sheet::Adjuncts)) {
        if (a.value(QStringLiteral("IngAdjunctsFermentable")).toInt() == 0) {
            continue;
        }
        const QString unit = a.value(QStringLiteral("IngAdjunctsUnits")).toString();
        const QString amount = a.value(QStringLiteral("IngAdjunctsAmt")).toString();
        const QString name = a.value(QStringLiteral("IngAdjunctsName")).toString();
        begin(name,
              name.contains(QLatin1String("sugar"), Qt::CaseInsensitive) ? "Sugar" : "Adjunct",
              kilograms(leadingNumber(amount.toStdString()), unit, false),
              a.value(QStringLiteral("IngAdjunctsSPGrav")).toDouble(),
              a.value(QStringLiteral("IngAdjunctsColor")).toDouble());
        field("DISPLAY_AMOUNT", amount + QLatin1Char(' ') + unit);
        m_xml.writeEndElement();
    }
    m_xml.writeEndElement();
}

void RecipeWriter::writeMiscs() {
    m_xml.writeStartElement(QStringLiteral("MISCS"));
    for (const QVariantHash& a : m_data.rows(Sheet::Adjuncts)) {
        if (a.value(QStringLiteral("IngAdjunctsFermentable")).toInt() != 0) {
            continue;
        }
        const QString unit = a.value(QStringLiteral("IngAdjunctsUnits")).toString();
        const QString amount = a.value(QStringLiteral("IngAdjunctsAmt")).toString();
        const double n = leadingNumber(amount.toStdString());
        const QString u = unit.toLower();
        double standard = 0.0;
        bool weight = true;
        if (u == QLatin1String("lbs") || u == QLatin1String("lb") || u == QLatin1String("oz") ||
            u == QLatin1String("kg") || u == QLatin1String("g")) {
            standard = kilograms(n, unit, false);
        } else if (u == QLatin1String("tsp")) {
            standard = n * kLitresPerTeaspoon;
            weight = false;
        } else if (u == QLatin1String("ml")) {
            standard = n * 0.001;
            weight = false;
        } else if (u == QLatin1String("l")) {
            standard = n;
            weight = false;
        } else if (u == QLatin1String("gal")) {
            standard = n * kLitresPerGallon;
            weight = false;
        }
        m_xml.writeStartElement(QStringLiteral("MISC"));
        field("NAME", a.value(QStringLiteral("IngAdjunctsName")).toString());
        version();
        field("TYPE", QStringLiteral("Other"));
        field("USE", QStringLiteral("Boil"));
        field("TIME", 0.0);
        field("AMOUNT", standard);
        field("AMOUNT_IS_WEIGHT", weight ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
        field("DISPLAY_AMOUNT", amount + QLatin1Char(' ') + unit);
        const double sg = a.value(QStringLiteral("IngAdjunctsSPGrav")).toDouble();
        const double colour = a.value(QStringLiteral("IngAdjunctsColor")).toDouble();
        if (sg != 1.0) {
            field("MALTWISE_SG", sg);
        }
        if (colour != 0.0) {
            field("MALTWISE_COLOR", colour);
        }
        m_xml.writeEndElement();
    }
    m_xml.writeEndElement();
}

void RecipeWriter::writeYeasts() {
    m_xml.writeStartElement(QStringLiteral("YEASTS"));
    for (const QVariantHash& y : m_data.rows(Sheet::Yeasts)) {
        const QString unit = y.value(QStringLiteral("IngYeastUnits")).toString();
        const QVariant amount = y.value(QStringLiteral("IngYeastAmt"));
        const bool dry = y.value(QStringLiteral("IngYeastForm")).toString() == QLatin1String("Dry");
        const double n = amount.toDouble();
        const QString u = unit.toLower();
        double standard = dry ? n * kDryPackageKg : n * kLiquidPackageLitres;
        bool weight = dry;
        if (u == QLatin1String("g") || u == QLatin1String("oz") || u == QLatin1String("kg")) {
            standard = kilograms(n, unit, false);
            weight = true;
        } else if (u == QLatin1String("ml")) {
            standard = n * 0.001;
            weight = false;
        } else if (u == QLatin1String("l")) {
            standard = n;
            weight = false;
        }
        m_xml.writeStartElement(QStringLiteral("YEAST"));
        field("NAME", y.value(QStringLiteral("IngYeastName")).toString());
        version();
        field("TYPE", y.value(QStringLiteral("IngYeastType")).toString() == QLatin1String("Lager")
                          ? QStringLiteral("Lager")
                          : QStringLiteral("Ale"));
        field("FORM", dry ? QStringLiteral("Dry") : QStringLiteral("Liquid"));
        field("AMOUNT", standard);
        field("AMOUNT_IS_WEIGHT", weight ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
        field("LABORATORY", y.value(QStringLiteral("IngYeastManuf")).toString());
        field("ATTENUATION", y.value(QStringLiteral("IngYeastAttenuation")).toDouble());
        field("DISPLAY_AMOUNT", display(amount, unit));
        m_xml.writeEndElement();
    }
    m_xml.writeEndElement();
}

void RecipeWriter::writeMash() {
    m_xml.writeStartElement(QStringLiteral("MASH"));
    field("NAME", QStringLiteral("Mash"));
    version();
    // No grain temperature is kept; room temperature is written.
    field("GRAIN_TEMP", 20.0);
    const int type = value(QStringLiteral("RecipeMashType")).toInt();
    static const char* const kStepNames[] = {"Protein Rest", "Starch Conversion",
                                             "Second Starch Conversion", "Mash Out"};
    m_xml.writeStartElement(QStringLiteral("MASH_STEPS"));
    for (int slot = 1; slot <= 4; ++slot) {
        const QString n = QString::number(slot);
        const double minutes = number(QStringLiteral("RecipeMashTime") + n);
        const double temp = number(QStringLiteral("RecipeMashTemp") + n);
        const double vol = number(QStringLiteral("RecipeMashVol") + n);
        if (minutes == 0 && temp == 0 && vol == 0) {
            continue;
        }
        m_xml.writeStartElement(QStringLiteral("MASH_STEP"));
        field("NAME", QLatin1String(kStepNames[slot - 1]));
        version();
        field("TYPE", type == 2 ? QStringLiteral("Decoction") : QStringLiteral("Infusion"));
        field("INFUSE_AMOUNT", litres(vol));
        field("STEP_TEMP", celsius(temp));
        field("STEP_TIME", minutes);
        field("MALTWISE_STEP", slot);
        m_xml.writeEndElement();
    }
    m_xml.writeEndElement();
    if (const double t = number(QStringLiteral("RecipeSpargeTemp")); t != 0) {
        field("SPARGE_TEMP", celsius(t));
    }
    if (const double ph = number(QStringLiteral("RecipeMashPhAdj")); ph != 0) {
        field("PH", ph);
    }
    field("MALTWISE_MASH_TYPE", type);
    m_xml.writeEndElement();
}

}  // namespace

int exportBeerXml(storage::Database& database, std::optional<qint32> batch, const QString& path) {
    std::vector<qint32> ids;
    {
        QSqlQuery q = batch ? database.exec(QStringLiteral("SELECT RecipeID FROM Recipes WHERE "
                                                           "RecipeBatchNo = ?"),
                                            {*batch})
                            : database.exec(QStringLiteral("SELECT RecipeID FROM Recipes ORDER BY "
                                                           "RecipeBatchNo"));
        while (q.next()) {
            ids.push_back(q.value(0).toInt());
        }
    }
    if (batch && ids.empty()) {
        throw BeerXmlError(bxmsg::NoSuchBatch, {QString::number(*batch)});
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw BeerXmlError(bxmsg::CannotWrite, {path, file.errorString()});
    }
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument(QStringLiteral("1.0"));
    xml.writeStartElement(QStringLiteral("RECIPES"));
    for (const qint32 id : ids) {
        const RecipeData data = readRecipe(database, id);
        RecipeWriter(xml, data).write();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    if (xml.hasError() || !file.commit()) {
        throw BeerXmlError(bxmsg::CannotWrite, {path, file.errorString()});
    }
    return static_cast<int>(ids.size());
}

}  // namespace mw::beerxml
