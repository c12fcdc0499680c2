#include "beerxml/recipe_import_mapper.h"

#include <QDate>
#include <QSet>
#include <cmath>
#include <optional>

#include "beerxml/beerxml_error.h"
#include "beerxml/measures.h"
#include "resources/number_text.h"

namespace mw::beerxml {

namespace {

using calc::Sheet;

QString quotedName(const QString& kind, const QString& name) {
    return QStringLiteral("%1 '%2'").arg(kind, name);
}

// Everything a record's mapping needs: the file, the report and the measures.
struct Context {
    QString filePath;
    QStringList* report = nullptr;
    bool metric = false;
    // Written by this program: the fields it fills with stand-in values
    // (a grain temperature, final gravity ranges, a misc's use) carry
    // nothing to report.
    bool ownFile = false;

    void line(int message, const QStringList& args) const {
        report->append(catalogueText(message, args));
    }
};

// Reads the fields of one record and remembers which were read, so that
// every field left over ends up in the loss report.
class RecordReader {
public:
    RecordReader(const XmlRecord& record, QString path, const Context& context)
        : m_record(record), m_path(std::move(path)), m_context(context) {}

    const XmlRecord& record() const { return m_record; }
    const QString& path() const { return m_path; }
    QString fieldPath(const QString& field) const { return m_path + QStringLiteral(" / ") + field; }

    void consume(const QString& field) { m_consumed.insert(field); }

    QString text(const QString& field) {
        consume(field);
        const XmlRecord* c = m_record.child(field);
        return c == nullptr ? QString() : c->text;
    }

    bool has(const QString& field) const {
        const XmlRecord* c = m_record.child(field);
        return c != nullptr && (!c->text.isEmpty() || !c->children.empty());
    }

    // A number in the field's standard unit, or nothing when the field is
    // absent or empty. A unit word other than the standard one is converted
    // and reported.
    std::optional<double> number(const QString& field, Quantity kind, bool allowNegative = false) {
        consume(field);
        const XmlRecord* c = m_record.child(field);
        if (c == nullptr) {
            return std::nullopt;
        }
        NumberProblem problem = NumberProblem::None;
        const std::optional<ReadNumber> n = readNumber(c->text, kind, &problem);
        if (problem == NumberProblem::NotANumber) {
            fail(c->line, bxmsg::NotANumber, {m_path, field, c->text});
        }
        if (problem == NumberProblem::UnknownUnit) {
            fail(c->line, bxmsg::UnknownUnit, {m_path, field, c->text});
        }
        if (!n) {
            return std::nullopt;
        }
        if (n->value < 0 && !allowNegative) {
            fail(c->line, bxmsg::NegativeValue, {m_path, field, c->text});
        }
        if (n->converted) {
            m_context.line(bxmsg::ReadAs, {fieldPath(field), c->text, numberText(n->value)});
        }
        return n->value;
    }

    bool flag(const QString& field) {
        const QString t = text(field).toLower();
        return t == QLatin1String("true") || t == QLatin1String("1") || t == QLatin1String("yes");
    }

    [[noreturn]] void fail(int line, int reason, const QStringList& args) const {
        throw BeerXmlError(bxmsg::BadRecord, {m_context.filePath, QString::number(line),
                                              catalogueText(reason, args)});
    }
    [[noreturn]] void failHere(int reason, const QStringList& args) const {
        fail(m_record.line, reason, args);
    }

    // One report line for every field with a value that was not read.
    void reportRest() const {
        for (const XmlRecord& c : m_record.children) {
            if (m_consumed.contains(c.name) || (c.text.isEmpty() && c.children.empty())) {
                continue;
            }
            if (c.children.empty()) {
                m_context.line(bxmsg::ValueNotImported, {fieldPath(c.name), c.text});
            } else {
                m_context.line(bxmsg::NotImported, {fieldPath(c.name)});
            }
        }
    }

private:
    const XmlRecord& m_record;
    QString m_path;
    const Context& m_context;
    QSet<QString> m_consumed;
};

QString requiredName(RecordReader& r, const QString& kind) {
    const QString name = r.text(QStringLiteral("NAME"));
    if (name.isEmpty()) {
        r.failHere(bxmsg::MissingName,
                   {r.path().isEmpty() ? kind : r.path() + QStringLiteral(" / ") + kind});
    }
    return name;
}

// A whole number for a Long column; a fraction is rounded and reported.
qint32 whole(double value, const RecordReader& r, const QString& field, const Context& context) {
    const double rounded = std::round(value);
    if (std::fabs(rounded - value) > 1e-6) {
        context.line(bxmsg::StoredAs, {r.fieldPath(field), numberText(value),
                                       catalogueText(bxmsg::WholeNumber, {numberText(rounded)})});
    }
    return static_cast<qint32>(rounded);
}

// Degrees as the recipe stores them: whole degrees Fahrenheit, or Celsius.
qint32 degrees(double celsius, bool metric) {
    return static_cast<qint32>(std::lround(metric ? celsius : fahrenheitFromCelsius(celsius)));
}

// A volume in litres as the recipe stores it (gallons or litres).
double volume(double litres, bool metric) {
    return roundTo(metric ? litres : litres / kLitresPerGallon, 4);
}

QString normalisedUnit(const QString& unit) {
    const QString u = unit.toLower();
    if (u == QLatin1String("lb") || u == QLatin1String("lbs") || u == QLatin1String("pound") ||
        u == QLatin1String("pounds")) {
        return QStringLiteral("lbs");
    }
    if (u == QLatin1String("ounce") || u == QLatin1String("ounces")) {
        return QStringLiteral("oz");
    }
    if (u == QLatin1String("gram") || u == QLatin1String("grams") || u == QLatin1String("gr")) {
        return QStringLiteral("g");
    }
    if (u == QLatin1String("kgs") || u == QLatin1String("kilogram") ||
        u == QLatin1String("kilograms")) {
        return QStringLiteral("kg");
    }
    return unit;
}

// Kilograms per unit of a weight unit, or 0 for a unit that is no weight.
double kgPer(const QString& unit) {
    if (unit == QLatin1String("lbs")) {
        return kKgPerPound;
    }
    if (unit == QLatin1String("oz")) {
        return kKgPerOunce;
    }
    if (unit == QLatin1String("kg")) {
        return 1.0;
    }
    if (unit == QLatin1String("g")) {
        return 0.001;
    }
    return 0.0;
}

double litresPer(const QString& unit) {
    const QString u = unit.toLower();
    if (u == QLatin1String("l") || u == QLatin1String("litres") || u == QLatin1String("liters")) {
        return 1.0;
    }
    if (u == QLatin1String("ml")) {
        return 0.001;
    }
    if (u == QLatin1String("gal")) {
        return kLitresPerGallon;
    }
    if (u == QLatin1String("tsp")) {
        return kLitresPerTeaspoon;
    }
    return 0.0;
}

// An amount as the recipe stores it: the number as text and its unit.
struct Amount {
    QString number;
    QString unit;
    double value() const { return leadingNumber(number.toStdString()); }
};

// The amount of an ingredient: the display amount when it is written in a
// unit of the recipe's measures (or in one that no weight or volume
// converts, such as "tsp" or "pkg") and agrees with AMOUNT; otherwise AMOUNT
// converted into the recipe's unit for that kind of ingredient.
Amount amountOf(RecordReader& r, double amount, bool isWeight, const QString& englishUnit,
                const QString& metricUnit, bool metric) {
    const QString display = r.text(QStringLiteral("DISPLAY_AMOUNT"));
    if (!display.isEmpty()) {
        const qsizetype space = display.indexOf(QLatin1Char(' '));
        const QString num = space > 0 ? display.left(space) : QString();
        const QString unit =
            normalisedUnit(space > 0 ? display.mid(space + 1).trimmed() : QString());
        const std::optional<double> n = parseNumber(num.toStdString());
        if (n && *n >= 0 && !unit.isEmpty()) {
            const double kg = kgPer(unit);
            const double l = litresPer(unit);
            const bool english = unit == QLatin1String("lbs") || unit == QLatin1String("oz");
            const bool metricUnit2 = unit == QLatin1String("kg") || unit == QLatin1String("g");
            if (kg > 0) {
                const bool agrees =
                    isWeight && std::fabs(*n * kg - amount) <= 0.005 * amount + 1e-9;
                if (agrees && (english ? !metric : (metricUnit2 && metric))) {
                    return {num, unit};
                }
            } else if (l > 0) {
                const bool agrees =
                    !isWeight && std::fabs(*n * l - amount) <= 0.005 * amount + 1e-9;
                if (agrees) {
                    return {num, unit};
                }
            } else {
                return {num, unit};  // a unit no weight or volume converts ("pkg", "each")
            }
        }
    }
    const QString unit = metric ? metricUnit : englishUnit;
    double value = 0.0;
    if (isWeight) {
        value = amount / kgPer(unit);
    } else {
        const double perUnit = litresPer(unit);
        value = perUnit > 0 ? amount / perUnit : amount;
    }
    return {numberText(roundTo(value, 4)), unit};
}

// The amount of a record's AMOUNT field, which is required: a missing one is
// stored as 0 and reported (the calculations then leave the ingredient out).
double requiredAmount(RecordReader& r, const Context& context, Quantity kind = Quantity::Mass) {
    const std::optional<double> a = r.number(QStringLiteral("AMOUNT"), kind);
    if (!a) {
        context.line(bxmsg::Missing, {r.fieldPath(QStringLiteral("AMOUNT")), QStringLiteral("0")});
        return 0.0;
    }
    return *a;
}

QString codeKey(const QString& text) {
    QString k = text.toLower();
    k.remove(QLatin1Char(' '));
    k.remove(QLatin1Char('_'));
    k.remove(QLatin1Char('-'));
    return k;
}

void mapFermentable(RecordReader& r, RecipeData& data, const Context& c) {
    const QString name = r.text(QStringLiteral("NAME"));
    const QString typeText = r.text(QStringLiteral("TYPE"));
    const QString type = codeKey(typeText);
    const double amount = requiredAmount(r, c);
    const std::optional<double> yield = r.number(QStringLiteral("YIELD"), Quantity::Percent);
    const std::optional<double> colour = r.number(QStringLiteral("COLOR"), Quantity::Colour);
    const double potential = yield ? roundTo(potentialFromYield(*yield), 4) : 1.0;
    if (!yield) {
        c.line(bxmsg::Missing, {r.fieldPath(QStringLiteral("YIELD")), QStringLiteral("1.000")});
    }
    const double colourValue = colour ? roundTo(*colour, 4) : 0.0;
    const QString supplier = r.text(QStringLiteral("SUPPLIER"));

    if (r.has(QStringLiteral("MALTWISE_KIT"))) {
        // A beer kit that this program exported.
        const Amount a =
            amountOf(r, amount, true, QStringLiteral("lbs"), QStringLiteral("kg"), c.metric);
        data.rows(Sheet::Kits)
            .push_back(
                {{QStringLiteral("IngKitsManuf"), supplier},
                 {QStringLiteral("IngKitsStyle"), r.text(QStringLiteral("MALTWISE_KIT"))},
                 {QStringLiteral("IngKitsHBU"),
                  r.number(QStringLiteral("MALTWISE_HBU"), Quantity::Plain).value_or(0.0)},
                 {QStringLiteral("IngKitsStartSPGrav"),
                  r.number(QStringLiteral("MALTWISE_START_SG"), Quantity::Gravity).value_or(1.0)},
                 {QStringLiteral("IngKitsColor"),
                  r.number(QStringLiteral("MALTWISE_KIT_COLOR"), Quantity::Colour).value_or(0.0)},
                 {QStringLiteral("IngKitsWeight"), a.value()},
                 {QStringLiteral("IngKitsUnits"), a.unit}});
        return;
    }
    if (type == QLatin1String("grain")) {
        const Amount a =
            amountOf(r, amount, true, QStringLiteral("lbs"), QStringLiteral("kg"), c.metric);
        data.rows(Sheet::Grains)
            .push_back({{QStringLiteral("IngGrainsName"), name},
                        {QStringLiteral("IngGrainsColor"), colourValue},
                        {QStringLiteral("IngGrainsSPGrav"), potential},
                        {QStringLiteral("IngGrainsWeight"), a.value()},
                        {QStringLiteral("IngGrainsUnits"), a.unit}});
    } else if (type == QLatin1String("extract") || type == QLatin1String("dryextract")) {
        const Amount a =
            amountOf(r, amount, true, QStringLiteral("lbs"), QStringLiteral("kg"), c.metric);
        const std::optional<double> ibuPerLb =
            r.number(QStringLiteral("IBU_GAL_PER_LB"), Quantity::Plain);
        bool hopped = r.flag(QStringLiteral("MALTWISE_HOPPED"));
        if (ibuPerLb && *ibuPerLb > 0 && !r.has(QStringLiteral("MALTWISE_HOPPED"))) {
            hopped = true;
            c.line(bxmsg::StoredAs, {r.fieldPath(QStringLiteral("IBU_GAL_PER_LB")),
                                     numberText(*ibuPerLb), catalogueText(bxmsg::HoppedExtract)});
        }
        data.rows(Sheet::Extracts)
            .push_back({{QStringLiteral("IngExtractsManuf"), supplier},
                        {QStringLiteral("IngExtractsName"), name},
                        {QStringLiteral("IngExtractsForm"), type == QLatin1String("dryextract")
                                                                ? QStringLiteral("Dry")
                                                                : QStringLiteral("Syrup")},
                        {QStringLiteral("IngExtractsSPGrav"), potential},
                        {QStringLiteral("IngExtractsColor"), colourValue},
                        {QStringLiteral("IngExtractsHBU"),
                         r.number(QStringLiteral("MALTWISE_HBU"), Quantity::Plain).value_or(0.0)},
                        {QStringLiteral("IngExtractsHopped"), hopped ? 1 : 0},
                        {QStringLiteral("IngExtractsWeight"), a.value()},
                        {QStringLiteral("IngExtractsUnits"), a.unit}});
    } else if (type == QLatin1String("sugar") || type == QLatin1String("adjunct")) {
        const Amount a =
            amountOf(r, amount, true, QStringLiteral("lbs"), QStringLiteral("kg"), c.metric);
        data.rows(Sheet::Adjuncts)
            .push_back({{QStringLiteral("IngAdjunctsName"), name},
                        {QStringLiteral("IngAdjunctsAmt"), a.number},
                        {QStringLiteral("IngAdjunctsUnits"), a.unit},
                        {QStringLiteral("IngAdjunctsFermentable"), 1},
                        {QStringLiteral("IngAdjunctsSPGrav"), potential},
                        {QStringLiteral("IngAdjunctsColor"), colourValue}});
    } else {
        r.failHere(bxmsg::UnknownCode,
                   {r.path(), QStringLiteral("TYPE"), typeText,
                    QStringLiteral("Grain, Extract, Dry Extract, Sugar, Adjunct")});
    }
}

void mapMisc(RecordReader& r, RecipeData& data, const Context& c) {
    const QString name = r.text(QStringLiteral("NAME"));
    if (c.ownFile) {
        r.consume(QStringLiteral("TYPE"));
        r.consume(QStringLiteral("USE"));
        r.consume(QStringLiteral("TIME"));
    }
    const QString isWeightText = r.text(QStringLiteral("AMOUNT_IS_WEIGHT")).toLower();
    const bool isWeight =
        isWeightText == QLatin1String("true") || isWeightText == QLatin1String("1");
    const double amount = requiredAmount(r, c, isWeight ? Quantity::Mass : Quantity::Volume);
    const Amount a =
        isWeight
            ? amountOf(r, amount, true, QStringLiteral("oz"), QStringLiteral("g"), c.metric)
            : amountOf(r, amount, false, QStringLiteral("tsp"), QStringLiteral("ml"), c.metric);
    data.rows(Sheet::Adjuncts)
        .push_back({{QStringLiteral("IngAdjunctsName"), name},
                    {QStringLiteral("IngAdjunctsAmt"), a.number},
                    {QStringLiteral("IngAdjunctsUnits"), a.unit},
                    {QStringLiteral("IngAdjunctsFermentable"), 0},
                    {QStringLiteral("IngAdjunctsSPGrav"),
                     r.number(QStringLiteral("MALTWISE_SG"), Quantity::Gravity).value_or(1.0)},
                    {QStringLiteral("IngAdjunctsColor"),
                     r.number(QStringLiteral("MALTWISE_COLOR"), Quantity::Colour).value_or(0.0)}});
}

void mapHop(RecordReader& r, RecipeData& data, const Context& c) {
    const QString name = r.text(QStringLiteral("NAME"));
    const double alpha = r.number(QStringLiteral("ALPHA"), Quantity::Percent).value_or(0.0);
    if (!r.has(QStringLiteral("ALPHA"))) {
        c.line(bxmsg::Missing, {r.fieldPath(QStringLiteral("ALPHA")), QStringLiteral("0")});
    }
    const double amount = requiredAmount(r, c);
    const QString useText = r.text(QStringLiteral("USE"));
    const QString use = codeKey(useText);
    const std::optional<double> time = r.number(QStringLiteral("TIME"), Quantity::Minutes);
    double minutes = 0.0;
    if (use == QLatin1String("boil") || use.isEmpty() || use == QLatin1String("firstwort")) {
        minutes = time.value_or(0.0);
        // Kept as written; the bitterness reads whole minutes of it, as it
        // does of a time typed on the form.
        minutes = roundTo(minutes, 4);
        if (use.isEmpty()) {
            c.line(bxmsg::Missing, {r.fieldPath(QStringLiteral("USE")),
                                    catalogueText(bxmsg::BoilTime, {numberText(minutes)})});
        } else if (use == QLatin1String("firstwort")) {
            c.line(bxmsg::StoredAs, {r.fieldPath(QStringLiteral("USE")), useText,
                                     catalogueText(bxmsg::BoilTime, {numberText(minutes)})});
        }
    } else if (use == QLatin1String("aroma") || use == QLatin1String("dryhop") ||
               use == QLatin1String("mash")) {
        const bool ownAroma = c.ownFile && use == QLatin1String("aroma") && time.value_or(0) == 0;
        if (!ownAroma) {
            c.line(bxmsg::StoredAs, {r.fieldPath(QStringLiteral("USE")), useText,
                                     catalogueText(bxmsg::BoilTime, {QStringLiteral("0")})});
        }
        if (time && *time != 0.0) {
            c.line(bxmsg::ValueNotImported,
                   {r.fieldPath(QStringLiteral("TIME")), numberText(*time)});
        }
    } else {
        r.failHere(bxmsg::UnknownCode, {r.path(), QStringLiteral("USE"), useText,
                                        QStringLiteral("Boil, Dry Hop, Mash, First Wort, Aroma")});
    }
    const Amount a = amountOf(r, amount, true, QStringLiteral("oz"), QStringLiteral("g"), c.metric);
    data.rows(Sheet::Hops)
        .push_back({{QStringLiteral("IngHopsName"), name},
                    {QStringLiteral("IngHopsAlpha"), roundTo(alpha, 4)},
                    {QStringLiteral("IngHopsWeight"), a.value()},
                    {QStringLiteral("IngHopsUnits"), a.unit},
                    {QStringLiteral("IngHopsTime"), minutes},
                    {QStringLiteral("IngHopsIBU"), 0.0},
                    {QStringLiteral("IngHopsHBU"), 0.0}});
}

void mapYeast(RecordReader& r, RecipeData& data, const Context& c) {
    QString name = r.text(QStringLiteral("NAME"));
    const QString typeText = r.text(QStringLiteral("TYPE"));
    QString type = QStringLiteral("Ale");
    if (codeKey(typeText) == QLatin1String("lager")) {
        type = QStringLiteral("Lager");
    } else if (codeKey(typeText) != QLatin1String("ale")) {
        c.line(typeText.isEmpty() ? bxmsg::Missing : bxmsg::StoredAs,
               typeText.isEmpty()
                   ? QStringList{r.fieldPath(QStringLiteral("TYPE")), type}
                   : QStringList{r.fieldPath(QStringLiteral("TYPE")), typeText, type});
    }
    const QString formText = r.text(QStringLiteral("FORM"));
    QString form = QStringLiteral("Liquid");
    if (codeKey(formText) == QLatin1String("dry")) {
        form = QStringLiteral("Dry");
    } else if (codeKey(formText) != QLatin1String("liquid")) {
        c.line(formText.isEmpty() ? bxmsg::Missing : bxmsg::StoredAs,
               formText.isEmpty()
                   ? QStringList{r.fieldPath(QStringLiteral("FORM")), form}
                   : QStringList{r.fieldPath(QStringLiteral("FORM")), formText, form});
    }
    const QString isWeightText = r.text(QStringLiteral("AMOUNT_IS_WEIGHT")).toLower();
    const bool isWeight =
        isWeightText == QLatin1String("true") || isWeightText == QLatin1String("1");
    const double amount = requiredAmount(r, c, isWeight ? Quantity::Mass : Quantity::Volume);
    const Amount a =
        isWeight ? amountOf(r, amount, true, QStringLiteral("g"), QStringLiteral("g"), c.metric)
                 : amountOf(r, amount, false, QStringLiteral("ml"), QStringLiteral("ml"), c.metric);
    const QString product = r.text(QStringLiteral("PRODUCT_ID"));
    if (!product.isEmpty() && !name.contains(product, Qt::CaseInsensitive)) {
        name = product + QLatin1Char(' ') + name;
        c.line(bxmsg::StoredAs, {r.fieldPath(QStringLiteral("PRODUCT_ID")), product,
                                 catalogueText(bxmsg::NameWithProduct, {name})});
    }
    const std::optional<double> attenuation =
        r.number(QStringLiteral("ATTENUATION"), Quantity::Percent);
    if (!attenuation) {
        c.line(bxmsg::Missing, {r.fieldPath(QStringLiteral("ATTENUATION")), QStringLiteral("75")});
    }
    data.rows(Sheet::Yeasts)
        .push_back(
            {{QStringLiteral("IngYeastManuf"), r.text(QStringLiteral("LABORATORY"))},
             {QStringLiteral("IngYeastName"), name},
             {QStringLiteral("IngYeastType"), type},
             {QStringLiteral("IngYeastForm"), form},
             {QStringLiteral("IngYeastAmt"), a.value()},
             {QStringLiteral("IngYeastUnits"), a.unit},
             {QStringLiteral("IngYeastAttenuation"), roundTo(attenuation.value_or(75.0), 4)}});
}

void mapStyle(RecordReader& r, QVariantHash& recipe) {
    recipe.insert(QStringLiteral("RecipeTargetStyle"), r.text(QStringLiteral("NAME")));
    recipe.insert(QStringLiteral("RecipeTargetCategory"), r.text(QStringLiteral("CATEGORY")));
    recipe.insert(
        QStringLiteral("RecipeTargetSubcategory"),
        r.text(QStringLiteral("CATEGORY_NUMBER")) + r.text(QStringLiteral("STYLE_LETTER")));
    const auto range = [&](const char* field, Quantity kind, const char* column, int decimals) {
        if (const std::optional<double> v = r.number(QLatin1String(field), kind)) {
            recipe.insert(QLatin1String(column), roundTo(*v, decimals));
        }
    };
    range("OG_MIN", Quantity::Gravity, "RecipeTargetSpGravLo", 4);
    range("OG_MAX", Quantity::Gravity, "RecipeTargetSpGravHi", 4);
    range("IBU_MIN", Quantity::Plain, "RecipeTargetIBULo", 4);
    range("IBU_MAX", Quantity::Plain, "RecipeTargetIBUHi", 4);
    range("COLOR_MIN", Quantity::Colour, "RecipeTargetColorLo", 4);
    range("COLOR_MAX", Quantity::Colour, "RecipeTargetColorHi", 4);
    range("ABV_MIN", Quantity::Percent, "RecipeTargetAlcoLo", 4);
    range("ABV_MAX", Quantity::Percent, "RecipeTargetAlcoHi", 4);
}

// Places mash steps in the four steps of the mash page: step 1 is the
// protein rest, steps 2 and 3 starch conversion, step 4 the mash out. A
// step goes to the first free place its temperature suits, after the
// steps placed before it.
void mapMash(RecordReader& mash, QVariantHash& recipe, const Context& c) {
    mash.consume(QStringLiteral("NAME"));
    if (c.ownFile) {
        mash.consume(QStringLiteral("GRAIN_TEMP"));
    }
    if (const auto t = mash.number(QStringLiteral("SPARGE_TEMP"), Quantity::Temperature, true)) {
        recipe.insert(QStringLiteral("RecipeSpargeTemp"), degrees(*t, c.metric));
    }
    if (const auto ph = mash.number(QStringLiteral("PH"), Quantity::Plain)) {
        recipe.insert(QStringLiteral("RecipeMashPhAdj"), roundTo(*ph, 4));
    }
    mash.consume(QStringLiteral("MASH_STEPS"));
    const XmlRecord* list = mash.record().child(QStringLiteral("MASH_STEPS"));
    std::vector<const XmlRecord*> steps;
    if (list != nullptr) {
        steps = list->all(QStringLiteral("MASH_STEP"));
        for (const XmlRecord& other : list->children) {
            if (other.name != QLatin1String("MASH_STEP")) {
                c.line(bxmsg::NotImported,
                       {mash.fieldPath(QStringLiteral("MASH_STEPS / ")) + other.name});
            }
        }
    }
    bool decoction = false;
    int lastSlot = 0;
    int placed = 0;
    int index = 0;
    for (const XmlRecord* step : steps) {
        ++index;
        const QString stepName = step->child(QStringLiteral("NAME")) != nullptr
                                     ? step->child(QStringLiteral("NAME"))->text
                                     : QString::number(index);
        RecordReader s(
            *step, mash.path() + QStringLiteral(" / MASH_STEP '") + stepName + QLatin1Char('\''),
            c);
        s.consume(QStringLiteral("NAME"));
        s.consume(QStringLiteral("VERSION"));
        const QString type = codeKey(s.text(QStringLiteral("TYPE")));
        const std::optional<double> temp =
            s.number(QStringLiteral("STEP_TEMP"), Quantity::Temperature, true);
        const std::optional<double> time = s.number(QStringLiteral("STEP_TIME"), Quantity::Minutes);
        const std::optional<double> infuse =
            s.number(QStringLiteral("INFUSE_AMOUNT"), Quantity::Volume);
        int slot = 0;
        if (const auto own = s.number(QStringLiteral("MALTWISE_STEP"), Quantity::Plain)) {
            const int n = static_cast<int>(*own);
            slot = n >= 1 && n <= 4 && n > lastSlot ? n : 0;
        }
        if (slot == 0) {
            const double t = temp.value_or(66.0);
            std::vector<int> suits = t < 60.0   ? std::vector<int>{1, 2, 3}
                                     : t < 75.0 ? std::vector<int>{2, 3}
                                                : std::vector<int>{4};
            for (int candidate : suits) {
                if (candidate > lastSlot) {
                    slot = candidate;
                    break;
                }
            }
            // The mash out keeps step 4 when one is still to come.
            bool mashOutLater = false;
            for (std::size_t later = static_cast<std::size_t>(index); later < steps.size();
                 ++later) {
                const XmlRecord* t2 = steps[later]->child(QStringLiteral("STEP_TEMP"));
                NumberProblem ignored = NumberProblem::None;
                const auto lt = t2 != nullptr
                                    ? readNumber(t2->text, Quantity::Temperature, &ignored)
                                    : std::nullopt;
                mashOutLater = mashOutLater || (lt && lt->value >= 75.0);
            }
            if (slot == 0 && lastSlot < (mashOutLater ? 3 : 4)) {
                slot = lastSlot + 1;
            }
        }
        if (slot == 0) {
            c.line(bxmsg::NotImportedWhy, {s.path(), catalogueText(bxmsg::FourStepsTaken)});
            continue;
        }
        if (type == QLatin1String("decoction")) {
            decoction = true;
        }
        lastSlot = slot;
        ++placed;
        const QString n = QString::number(slot);
        if (temp) {
            recipe.insert(QStringLiteral("RecipeMashTemp") + n, degrees(*temp, c.metric));
        }
        if (time) {
            recipe.insert(QStringLiteral("RecipeMashTime") + n,
                          whole(*time, s, QStringLiteral("STEP_TIME"), c));
        }
        if (infuse) {
            recipe.insert(QStringLiteral("RecipeMashVol") + n, volume(*infuse, c.metric));
        }
        s.reportRest();
    }
    if (const auto own = mash.number(QStringLiteral("MALTWISE_MASH_TYPE"), Quantity::Plain, true)) {
        recipe.insert(QStringLiteral("RecipeMashType"), static_cast<int>(*own));
    } else if (placed > 0) {
        recipe.insert(QStringLiteral("RecipeMashType"), decoction ? 2 : placed == 1 ? 0 : 1);
    }
}

std::optional<QDate> readDate(const QString& text) {
    const QString t = text.trimmed();
    for (const char* format : {"yyyy-MM-dd", "d MMM yyyy", "dd MMM yyyy", "M/d/yyyy", "d.M.yyyy",
                               "MMM d, yyyy", "d-MMM-yyyy", "yyyy/MM/dd"}) {
        const QDate d = QDate::fromString(t, QLatin1String(format));
        if (d.isValid()) {
            return d;
        }
    }
    const QDateTime dt = QDateTime::fromString(t, Qt::ISODate);
    if (dt.isValid()) {
        return dt.date();
    }
    return std::nullopt;
}

}  // namespace

RecipeImportMapper::RecipeImportMapper(QString filePath, Measures measures)
    : m_filePath(std::move(filePath)), m_measures(measures) {}

RecipeData RecipeImportMapper::map(const XmlRecord& record, QStringList* report) {
    const Context plain{m_filePath, report, false};
    RecordReader probe(record, QString(), plain);
    const QString name = requiredName(probe, QStringLiteral("RECIPE"));
    const QString path = quotedName(QStringLiteral("RECIPE"), name);
    const XmlRecord* measureField = record.child(QStringLiteral("MALTWISE_MEASURE"));
    const bool fileMetric =
        measureField != nullptr &&
        measureField->text.compare(QLatin1String("Metric"), Qt::CaseInsensitive) == 0;
    Context c{m_filePath, report,
              m_measures == Measures::Metric || (m_measures == Measures::FromFile && fileMetric),
              record.child(QStringLiteral("MALTWISE_PROCESS")) != nullptr};
    RecordReader r(record, path, c);
    r.consume(QStringLiteral("NAME"));
    r.consume(QStringLiteral("VERSION"));
    r.consume(QStringLiteral("MALTWISE_MEASURE"));

    RecipeData data;
    QVariantHash& v = data.recipe;
    v = newRecipeValues();
    v.insert(QStringLiteral("RecipeName"), name);
    v.insert(QStringLiteral("RecipeMeasureEnglish"), c.metric ? 1 : 0);
    if (c.metric) {
        c.line(bxmsg::MetricNote, {path});
    }
    v.insert(QStringLiteral("RecipeBrewer"), r.text(QStringLiteral("BREWER")));
    v.insert(QStringLiteral("RecipeComments"), r.text(QStringLiteral("NOTES")));
    v.insert(QStringLiteral("RecipeRatingNotes"), r.text(QStringLiteral("TASTE_NOTES")));

    // Process
    const QString typeText = r.text(QStringLiteral("TYPE"));
    const QString type = codeKey(typeText);
    const QString process = r.text(QStringLiteral("MALTWISE_PROCESS"));
    const QStringList own = process.split(QLatin1Char(','), Qt::SkipEmptyParts);
    const auto ownHas = [&own](const char* p) {
        for (const QString& o : own) {
            if (codeKey(o) == QLatin1String(p)) {
                return true;
            }
        }
        return false;
    };
    if (!process.isEmpty()) {
        v.insert(QStringLiteral("RecipeProcessKit"), ownHas("kit") ? 1 : 0);
        v.insert(QStringLiteral("RecipeProcessExtract"), ownHas("extract") ? 1 : 0);
        v.insert(QStringLiteral("RecipeProcessPartial"), ownHas("partialmash") ? 1 : 0);
        v.insert(QStringLiteral("RecipeProcessAllGrain"), ownHas("allgrain") ? 1 : 0);
    } else if (type == QLatin1String("allgrain")) {
        v.insert(QStringLiteral("RecipeProcessAllGrain"), 1);
    } else if (type == QLatin1String("partialmash")) {
        v.insert(QStringLiteral("RecipeProcessPartial"), 1);
    } else if (type == QLatin1String("extract")) {
        v.insert(QStringLiteral("RecipeProcessExtract"), 1);
    } else if (!type.isEmpty()) {
        r.failHere(bxmsg::UnknownCode, {path, QStringLiteral("TYPE"), typeText,
                                        QStringLiteral("Extract, Partial Mash, All Grain")});
    }

    // Sizes, times and efficiency
    const auto required = [&](const char* field, const char* column, Quantity kind, double def) {
        if (const auto n = r.number(QLatin1String(field), kind)) {
            if (kind == Quantity::Volume) {
                v.insert(QLatin1String(column), volume(*n, c.metric));
            } else if (kind == Quantity::Minutes) {
                v.insert(QLatin1String(column), whole(*n, r, QLatin1String(field), c));
            } else {
                v.insert(QLatin1String(column), roundTo(*n, 4));
            }
        } else {
            c.line(bxmsg::Missing, {r.fieldPath(QLatin1String(field)), numberText(def)});
        }
    };
    required("BATCH_SIZE", "RecipeBatchSize", Quantity::Volume, 5.0);
    required("BOIL_SIZE", "RecipeBoilSize", Quantity::Volume, 5.0);
    required("BOIL_TIME", "RecipeBoilLth", Quantity::Minutes, 0.0);
    if (const auto e = r.number(QStringLiteral("EFFICIENCY"), Quantity::Percent)) {
        v.insert(QStringLiteral("RecipeSystemEfficiencyExpected"), roundTo(*e, 4));
    }
    if (const auto og = r.number(QStringLiteral("OG"), Quantity::Gravity)) {
        v.insert(QStringLiteral("RecipeSGOriginal"), roundTo(*og, 4));
    }
    if (const auto fg = r.number(QStringLiteral("FG"), Quantity::Gravity)) {
        v.insert(QStringLiteral("RecipeSGFinal"), roundTo(*fg, 4));
    }

    // Fermentation
    const auto days = [&](const char* field, const char* column) {
        if (const auto d = r.number(QLatin1String(field), Quantity::Days)) {
            v.insert(QLatin1String(column), whole(*d, r, QLatin1String(field), c));
        }
    };
    const auto temperature = [&](const char* field, const char* column) {
        if (const auto t = r.number(QLatin1String(field), Quantity::Temperature, true)) {
            v.insert(QLatin1String(column), degrees(*t, c.metric));
        }
    };
    days("PRIMARY_AGE", "RecipeFermPrimary");
    temperature("PRIMARY_TEMP", "RecipeFermAvgTempPri");
    days("SECONDARY_AGE", "RecipeFermSecondary");
    temperature("SECONDARY_TEMP", "RecipeFermAvgTempSec");
    if (const auto age = r.number(QStringLiteral("AGE"), Quantity::Days)) {
        const bool weeks = r.text(QStringLiteral("MALTWISE_AGE_UNITS")) == QLatin1String("Weeks");
        v.insert(QStringLiteral("RecipeFermConditioningUnits"),
                 weeks ? QStringLiteral("Weeks") : QStringLiteral("Days"));
        v.insert(QStringLiteral("RecipeFermConditioningAmt"),
                 whole(weeks ? *age / 7.0 : *age, r, QStringLiteral("AGE"), c));
    }
    v.insert(QStringLiteral("RecipeFermPrimingName"), r.text(QStringLiteral("PRIMING_SUGAR_NAME")));
    const QString dateText = r.text(QStringLiteral("DATE"));
    if (!dateText.isEmpty()) {
        if (const auto d = readDate(dateText)) {
            v.insert(QStringLiteral("RecipeDateBrewed"), d->toString(Qt::ISODate));
        } else {
            c.line(bxmsg::NotImportedWhy,
                   {r.fieldPath(QStringLiteral("DATE")) + QStringLiteral(" = ") + dateText,
                    catalogueText(bxmsg::NotADate)});
        }
    }
    if (const auto rating = r.number(QStringLiteral("TASTE_RATING"), Quantity::Plain)) {
        if (*rating > 50.0) {
            c.line(bxmsg::ValueNotImported,
                   {r.fieldPath(QStringLiteral("TASTE_RATING")), numberText(*rating)});
        } else {
            v.insert(QStringLiteral("RecipeRatingCompScore"),
                     whole(*rating, r, QStringLiteral("TASTE_RATING"), c));
        }
    }

    // Target style
    r.consume(QStringLiteral("STYLE"));
    if (const XmlRecord* style = record.child(QStringLiteral("STYLE"))) {
        RecordReader s(*style, path + QStringLiteral(" / STYLE"), c);
        s.consume(QStringLiteral("VERSION"));
        if (c.ownFile) {
            s.consume(QStringLiteral("TYPE"));
            s.consume(QStringLiteral("FG_MIN"));
            s.consume(QStringLiteral("FG_MAX"));
        }
        mapStyle(s, v);
        s.reportRest();
    }

    // Ingredients
    struct List {
        const char* list;
        const char* record;
        void (*map)(RecordReader&, RecipeData&, const Context&);
    };
    const List lists[] = {{"FERMENTABLES", "FERMENTABLE", mapFermentable},
                          {"HOPS", "HOP", mapHop},
                          {"MISCS", "MISC", mapMisc},
                          {"YEASTS", "YEAST", mapYeast}};
    for (const List& l : lists) {
        r.consume(QLatin1String(l.list));
        const XmlRecord* items = record.child(QLatin1String(l.list));
        if (items == nullptr) {
            continue;
        }
        for (const XmlRecord& item : items->children) {
            if (item.name != QLatin1String(l.record)) {
                c.line(bxmsg::NotImported, {path + QStringLiteral(" / ") + QLatin1String(l.list) +
                                            QStringLiteral(" / ") + item.name});
                continue;
            }
            RecordReader ir(item, path, c);
            const QString itemName = requiredName(ir, QLatin1String(l.record));
            RecordReader i(
                item, path + QStringLiteral(" / ") + quotedName(QLatin1String(l.record), itemName),
                c);
            i.consume(QStringLiteral("NAME"));
            i.consume(QStringLiteral("VERSION"));
            i.consume(QStringLiteral("DISPLAY_AMOUNT"));
            l.map(i, data, c);
            i.reportRest();
        }
    }
    // The fermentation type follows the yeast.
    if (const XmlRecord* f = record.child(QStringLiteral("MALTWISE_FERMENTATION"))) {
        r.consume(f->name);
        v.insert(QStringLiteral("RecipeFermTypeAle"), f->text == QLatin1String("Lager")   ? 1
                                                      : f->text == QLatin1String("Other") ? 2
                                                                                          : 0);
    } else if (!data.rows(Sheet::Yeasts).empty()) {
        v.insert(QStringLiteral("RecipeFermTypeAle"),
                 data.rows(Sheet::Yeasts).front().value(QStringLiteral("IngYeastType")) ==
                         QLatin1String("Lager")
                     ? 1
                     : 0);
    }

    // Mash
    r.consume(QStringLiteral("MASH"));
    if (const XmlRecord* mash = record.child(QStringLiteral("MASH"))) {
        RecordReader m(*mash, path + QStringLiteral(" / MASH"), c);
        m.consume(QStringLiteral("VERSION"));
        mapMash(m, v, c);
        m.reportRest();
    }
    r.consume(QStringLiteral("MALTWISE_AGE_UNITS"));
    r.consume(QStringLiteral("MALTWISE_FERMENTATION"));

    // What has no place at all
    r.consume(QStringLiteral("EQUIPMENT"));
    if (r.has(QStringLiteral("EQUIPMENT"))) {
        c.line(bxmsg::NotImported, {path + QStringLiteral(" / EQUIPMENT")});
    }
    r.consume(QStringLiteral("WATERS"));
    if (const XmlRecord* waters = record.child(QStringLiteral("WATERS"));
        waters != nullptr && !waters->children.empty()) {
        c.line(bxmsg::NotImported, {path + QStringLiteral(" / WATER profiles")});
    }
    // Figures the writing program worked out: this program predicts its own.
    const Prediction predicted = calculateHops(data);
    for (const char* field : {"EST_OG", "IBU"}) {
        const XmlRecord* f = record.child(QLatin1String(field));
        r.consume(QLatin1String(field));
        if (f == nullptr || f->text.isEmpty()) {
            continue;
        }
        const bool og = QLatin1String(field) == QLatin1String("EST_OG");
        c.line(bxmsg::Computed,
               {r.fieldPath(QLatin1String(field)), f->text,
                og ? QString::fromStdString(formatNumber("%.3f", predicted.originalGravity))
                   : QString::fromStdString(formatNumber("%.1f", predicted.ibu))});
        // Why the bitterness can differ by much: the boil size divides it here.
        NumberProblem problem = NumberProblem::None;
        const auto stated = readNumber(f->text, Quantity::Plain, &problem);
        const XmlRecord* batchField = record.child(QStringLiteral("BATCH_SIZE"));
        const XmlRecord* boilField = record.child(QStringLiteral("BOIL_SIZE"));
        const auto batchLitres = batchField != nullptr
                                     ? readNumber(batchField->text, Quantity::Volume, &problem)
                                     : std::nullopt;
        const auto boilLitres = boilField != nullptr
                                    ? readNumber(boilField->text, Quantity::Volume, &problem)
                                    : std::nullopt;
        if (!og && stated && stated->value > 0 &&
            std::fabs(predicted.ibu - stated->value) > 0.1 * stated->value && batchLitres &&
            boilLitres && std::fabs(batchLitres->value - boilLitres->value) > 1e-6) {
            c.line(bxmsg::BoilSizeDivides,
                   {r.fieldPath(QLatin1String(field)), numberText(boilLitres->value),
                    numberText(batchLitres->value)});
        }
    }
    if (!data.hasIngredients()) {
        c.line(bxmsg::NoIngredients, {path});
    }
    r.reportRest();
    return data;
}

}  // namespace mw::beerxml
