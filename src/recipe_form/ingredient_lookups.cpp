#include "recipe_form/ingredient_lookups.h"

#include <cmath>
#include <initializer_list>
#include <string_view>

#include "resources/message_catalogue.h"
#include "resources/number_text.h"

namespace mw::recipe_form {

namespace {

// Headings.
constexpr int kHeadCategoryName = 178;
constexpr int kHeadNameAlphaOrigin = 180;
constexpr int kHeadManufStyle = 181;
constexpr int kHeadManufStrain = 182;
constexpr int kHeadName = 183;
constexpr int kHeadManufName = 184;
constexpr int kHeadFermentableOnly = 241;
constexpr int kHeadPrimingOnly = 264;

// Table words of the "No %1" message.
constexpr int kWordHops = 20;
constexpr int kWordYeast = 22;
constexpr int kWordGrain = 24;
constexpr int kWordKit = 84;
constexpr int kWordAdjunct = 154;
constexpr int kWordExtract = 1032;

// Info lines.
constexpr int kLineNameColor = 88;
constexpr int kLineComments = 89;
constexpr int kLineHopNameAlpha = 90;
constexpr int kLineAlphaRange = 91;
constexpr int kLineStabilityOrigin = 92;
constexpr int kLineType = 93;
constexpr int kLineStrainType = 94;
constexpr int kLineForm = 95;
constexpr int kLineManufStyle = 96;
constexpr int kLineHbuWeight = 97;
constexpr int kLineSpGravity = 98;
constexpr int kLineDescription = 99;
constexpr int kLineProteinYield = 109;
constexpr int kLineGravityBalling = 157;
constexpr int kLineManufacturer = 158;
constexpr int kLineColor = 159;
constexpr int kLineName = 161;
constexpr int kLineFactor = 162;
constexpr int kLineFermentable = 163;
constexpr int kLineUnits = 169;
constexpr int kLineHopped = 170;
constexpr int kLineAttenuation = 177;
constexpr int kLineCategory = 179;

std::string line(int number, std::initializer_list<std::string_view> values) {
    return formatStrings(catalogueText(number), values);
}

std::string str(const QString& text) {
    return text.toStdString();
}

QString qstr(const std::string& text) {
    return QString::fromStdString(text);
}

std::string yesNo(bool value) {
    return value ? "Yes" : "No";
}

std::string stabilityText(qint32 stability) {
    static const char* const kWords[] = {"Poor", "Fair", "Good", "Very Good", "Excellent"};
    if (stability < 0 || stability > 4) {
        return std::to_string(stability);
    }
    return kWords[stability];
}

// A hop's alpha with one decimal (5.25 reads 5.3). The list shows this text
// and the seek looks for it, so a figure stored with two decimals is listed
// but cannot be selected.
std::string alphaText(double alpha) {
    return formatNumber(msg::FormatOneDecimal, alpha);
}

// The gravity and Balling lines every fermentable shows.
std::string gravityLines(double specificGravity, double balling) {
    return line(kLineGravityBalling,
                {formatNumber("%.3f", specificGravity), formatNumber("%.1f", balling)});
}

}  // namespace

// ---------------------------------------------------------------- adjunct

CLookupAdjunct::CLookupAdjunct(storage::Settings& settings, PromptService& prompts,
                               HelpService* help, QWidget* parent)
    : CLookupOf(settings, prompts, help, parent) {}

int CLookupAdjunct::headingsNumber() const {
    if (m_priming) {
        return kHeadPrimingOnly;
    }
    return m_fermentableOnly ? kHeadFermentableOnly : kHeadName;
}

int CLookupAdjunct::tableWordNumber() const {
    return kWordAdjunct;
}

bool CLookupAdjunct::listsCurrentRecord() const {
    return (!m_fermentableOnly || record().m_AdjunctsFermentable) &&
           (!m_priming || record().m_AdjunctsPriming);
}

QStringList CLookupAdjunct::rowTexts() const {
    return {record().m_AdjunctsName};
}

QStringList CLookupAdjunct::fixedRows() const {
    if (!m_priming) {
        return {};
    }
    return {kForcedCarbonation, kDryMaltExtract};
}

void CLookupAdjunct::takeCurrentRecord() {
    const storage::CRecordSetAdjuncts& r = record();
    m_choice.name = r.m_AdjunctsName;
    m_choice.fermentable = r.m_AdjunctsFermentable;
    m_choice.specificGravity = r.m_AdjunctsSPGrav;
    m_choice.color = r.m_AdjunctsColor;
}

void CLookupAdjunct::takeFixedRow(const QString& text) {
    m_choice.name = text;
}

int CLookupAdjunct::infoNumber() const {
    return kLineName;
}

std::string CLookupAdjunct::infoText() const {
    const storage::CRecordSetAdjuncts& r = record();
    return line(kLineName, {str(r.m_AdjunctsName)}) +
           line(kLineFermentable, {yesNo(r.m_AdjunctsFermentable)}) +
           line(kLineFactor, {formatNumber("%.2f", r.m_AdjunctsYield)}) +
           gravityLines(r.m_AdjunctsSPGrav, r.m_AdjunctsDegreesBalling) +
           line(kLineComments, {str(r.m_AdjunctsComments)});
}

std::string CLookupAdjunct::fixedRowInfoText(const QString& text) const {
    return line(kLineName, {str(text)});
}

// ---------------------------------------------------------------- extract

CLookupExtract::CLookupExtract(storage::Settings& settings, PromptService& prompts,
                               HelpService* help, QWidget* parent)
    : CLookupOf(settings, prompts, help, parent) {}

int CLookupExtract::headingsNumber() const {
    return kHeadManufName;
}

int CLookupExtract::tableWordNumber() const {
    return kWordExtract;
}

QStringList CLookupExtract::rowTexts() const {
    return {record().m_ExtractsManuf, record().m_ExtractsName};
}

void CLookupExtract::takeCurrentRecord() {
    const storage::CRecordSetExtracts& r = record();
    m_choice.manufacturer = r.m_ExtractsManuf;
    m_choice.name = r.m_ExtractsName;
    m_choice.hbu = r.m_ExtractsHBU;
    m_choice.weight = r.m_ExtractsWeight;
    m_choice.units = unitsText(r.m_ExtractsUnits);
    m_choice.form = extractFormText(r.m_ExtractsForm);
    m_choice.hopped = r.m_ExtractsHopped;
    m_choice.specificGravity = r.m_ExtractsSpecificGravity;
    m_choice.color = r.m_ExtractsColor;
}

int CLookupExtract::infoNumber() const {
    return kLineManufacturer;
}

std::string CLookupExtract::infoText() const {
    const storage::CRecordSetExtracts& r = record();
    return line(kLineManufacturer, {str(r.m_ExtractsManuf)}) +
           line(kLineType, {str(r.m_ExtractsName)}) +
           line(kLineHbuWeight,
                {formatNumber("%.1f", r.m_ExtractsHBU), formatNumber("%.1f", r.m_ExtractsWeight)}) +
           line(kLineUnits, {str(unitsText(r.m_ExtractsUnits))}) +
           line(kLineForm, {str(extractFormText(r.m_ExtractsForm))}) +
           line(kLineHopped, {yesNo(r.m_ExtractsHopped)}) +
           gravityLines(r.m_ExtractsSpecificGravity, r.m_ExtractsDegreesBalling) +
           line(kLineColor, {formatNumber("%.1f", r.m_ExtractsColor)}) +
           line(kLineComments, {str(r.m_ExtractsComments)});
}

// ---------------------------------------------------------------- grain

CLookupGrain::CLookupGrain(storage::Settings& settings, PromptService& prompts, HelpService* help,
                           QWidget* parent)
    : CLookupOf(settings, prompts, help, parent) {}

int CLookupGrain::headingsNumber() const {
    return kHeadCategoryName;
}

int CLookupGrain::tableWordNumber() const {
    return kWordGrain;
}

QStringList CLookupGrain::rowTexts() const {
    return {record().m_GrainsCategory, record().m_GrainsName};
}

void CLookupGrain::takeCurrentRecord() {
    const storage::CRecordSetGrains& r = record();
    m_choice.name = r.m_GrainsName;
    m_choice.color = r.m_GrainsColor;
    m_choice.specificGravity = r.m_GrainsSPGrav;
}

int CLookupGrain::infoNumber() const {
    return kLineCategory;
}

std::string CLookupGrain::infoText() const {
    const storage::CRecordSetGrains& r = record();
    return line(kLineCategory, {str(r.m_GrainsCategory)}) +
           line(kLineNameColor, {str(r.m_GrainsName), formatNumber("%.1f", r.m_GrainsColor)}) +
           line(kLineProteinYield,
                {formatNumber("%.2f", r.m_GrainsProtein), formatNumber("%.2f", r.m_GrainsYield)}) +
           gravityLines(r.m_GrainsSPGrav, r.m_GrainsDegreesBalling) +
           line(kLineComments, {str(r.m_GrainsComments)});
}

// ---------------------------------------------------------------- hop

CLookupHop::CLookupHop(storage::Settings& settings, PromptService& prompts, HelpService* help,
                       QWidget* parent)
    : CLookupOf(settings, prompts, help, parent) {}

int CLookupHop::headingsNumber() const {
    return kHeadNameAlphaOrigin;
}

int CLookupHop::tableWordNumber() const {
    return kWordHops;
}

QStringList CLookupHop::rowTexts() const {
    return {record().m_HopsName, qstr(alphaText(record().m_HopsAlpha)), record().m_HopsOrigin};
}

void CLookupHop::takeCurrentRecord() {
    m_choice.name = record().m_HopsName;
    m_choice.alpha = record().m_HopsAlpha;
}

int CLookupHop::infoNumber() const {
    return kLineHopNameAlpha;
}

std::string CLookupHop::infoText() const {
    const storage::CRecordSetHops& r = record();
    return line(kLineHopNameAlpha, {str(r.m_HopsName), alphaText(r.m_HopsAlpha)}) +
           line(kLineAlphaRange, {alphaText(r.m_HopsAlphaLo), alphaText(r.m_HopsAlphaHi)}) +
           line(kLineStabilityOrigin, {stabilityText(r.m_HopsStability), str(r.m_HopsOrigin)}) +
           line(kLineComments, {str(r.m_HopsComments)});
}

// ---------------------------------------------------------------- kit

CLookupKit::CLookupKit(storage::Settings& settings, PromptService& prompts, HelpService* help,
                       QWidget* parent)
    : CLookupOf(settings, prompts, help, parent) {}

int CLookupKit::headingsNumber() const {
    return kHeadManufStyle;
}

int CLookupKit::tableWordNumber() const {
    return kWordKit;
}

QStringList CLookupKit::rowTexts() const {
    return {record().m_KitsManuf, record().m_KitsStyle};
}

void CLookupKit::takeCurrentRecord() {
    const storage::CRecordSetKits& r = record();
    m_choice.manufacturer = r.m_KitsManuf;
    m_choice.style = r.m_KitsStyle;
    m_choice.hbu = r.m_KitsHBU;
    m_choice.weight = r.m_KitsWeight;
    m_choice.units = unitsText(r.m_KitsUnits);
    m_choice.startSpecificGravity = r.m_KitsStartSPGrav;
    m_choice.color = r.m_KitsColor;
}

int CLookupKit::infoNumber() const {
    return kLineManufStyle;
}

std::string CLookupKit::infoText() const {
    const storage::CRecordSetKits& r = record();
    return line(kLineManufStyle, {str(r.m_KitsManuf), str(r.m_KitsStyle)}) +
           line(kLineHbuWeight,
                {formatNumber("%.1f", r.m_KitsHBU), formatNumber("%.1f", r.m_KitsWeight)}) +
           line(kLineUnits, {str(unitsText(r.m_KitsUnits))}) +
           line(kLineSpGravity, {formatNumber("%.3f", r.m_KitsStartSPGrav)}) +
           line(kLineDescription, {str(r.m_KitsDescription)});
}

// ---------------------------------------------------------------- yeast

CLookupYeast::CLookupYeast(storage::Settings& settings, PromptService& prompts, HelpService* help,
                           QWidget* parent)
    : CLookupOf(settings, prompts, help, parent) {}

int CLookupYeast::headingsNumber() const {
    return kHeadManufStrain;
}

int CLookupYeast::tableWordNumber() const {
    return kWordYeast;
}

QStringList CLookupYeast::rowTexts() const {
    return {record().m_YeastManuf, record().m_YeastStrain};
}

void CLookupYeast::takeCurrentRecord() {
    const storage::CRecordSetYeast& r = record();
    m_choice.manufacturer = r.m_YeastManuf;
    m_choice.strain = r.m_YeastStrain;
    m_choice.type = r.m_YeastType;
    m_choice.form = r.m_YeastForm;
    m_choice.attenuation = r.m_YeastAttenuation > 0.0 ? r.m_YeastAttenuation : kDefaultAttenuation;
}

int CLookupYeast::infoNumber() const {
    return kLineManufacturer;
}

// The attenuation line shows the figure the table holds.
std::string CLookupYeast::infoText() const {
    const storage::CRecordSetYeast& r = record();
    return line(kLineManufacturer, {str(r.m_YeastManuf)}) +
           line(kLineAttenuation, {formatNumber("%.2f", r.m_YeastAttenuation)}) +
           line(kLineStrainType, {str(r.m_YeastStrain), str(yeastTypeText(r.m_YeastType))}) +
           line(kLineForm, {str(yeastFormText(r.m_YeastForm))}) +
           line(kLineComments, {str(r.m_YeastComments)});
}

}  // namespace mw::recipe_form
