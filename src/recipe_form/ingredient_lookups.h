#pragma once

#include "recipe_form/lookup_choices.h"
#include "recipe_form/lookup_dlg.h"
#include "storage/data_records.h"

namespace mw::recipe_form {

// The six ingredient lookups. Each lists its reference table in the order of
// its index and hands back the selected record's values in choice().

// Adjuncts by name. Fermentable-only lists the fermentable adjuncts (the
// original gravity calculator); priming lists the priming adjuncts after two
// fixed rows, "Forced Carbonation" and "Dry Malt Extract", which are selected
// without reading the table (the priming method).
class CLookupAdjunct final : public CLookupOf<storage::CRecordSetAdjuncts, AdjunctChoice> {
public:
    static inline const QString kForcedCarbonation = QStringLiteral("Forced Carbonation");
    static inline const QString kDryMaltExtract = QStringLiteral("Dry Malt Extract");

    CLookupAdjunct(storage::Settings& settings, PromptService& prompts, HelpService* help,
                   QWidget* parent = nullptr);

    // Set before load().
    void setFermentableOnly(bool on) { m_fermentableOnly = on; }
    void setPriming(bool on) { m_priming = on; }
    bool fermentableOnly() const { return m_fermentableOnly; }
    bool priming() const { return m_priming; }

protected:
    int headingsNumber() const override;
    QString indexName() const override { return QStringLiteral("IndexAdjunctsName"); }
    int tableWordNumber() const override;
    std::vector<int> columnWidthUnits() const override { return {8}; }
    bool listsCurrentRecord() const override;
    QStringList rowTexts() const override;
    QStringList fixedRows() const override;
    void takeCurrentRecord() override;
    void takeFixedRow(const QString& text) override;
    int infoNumber() const override;
    std::string infoText() const override;
    std::string fixedRowInfoText(const QString& text) const override;

private:
    bool m_fermentableOnly = false;
    bool m_priming = false;
};

// Malt extracts by manufacturer and name.
class CLookupExtract final : public CLookupOf<storage::CRecordSetExtracts, ExtractChoice> {
public:
    CLookupExtract(storage::Settings& settings, PromptService& prompts, HelpService* help,
                   QWidget* parent = nullptr);

protected:
    int headingsNumber() const override;
    QString indexName() const override { return QStringLiteral("IndexExtractsManufName"); }
    int tableWordNumber() const override;
    QStringList rowTexts() const override;
    void takeCurrentRecord() override;
    int infoNumber() const override;
    std::string infoText() const override;
};

// Grains by category and name.
class CLookupGrain final : public CLookupOf<storage::CRecordSetGrains, GrainChoice> {
public:
    CLookupGrain(storage::Settings& settings, PromptService& prompts, HelpService* help,
                 QWidget* parent = nullptr);

protected:
    int headingsNumber() const override;
    QString indexName() const override { return QStringLiteral("IndexGrainsCategoryName"); }
    int tableWordNumber() const override;
    QStringList rowTexts() const override;
    void takeCurrentRecord() override;
    int infoNumber() const override;
    std::string infoText() const override;
};

// Hops by name, alpha (one decimal, which is also what the seek looks for)
// and origin.
class CLookupHop final : public CLookupOf<storage::CRecordSetHops, HopChoice> {
public:
    CLookupHop(storage::Settings& settings, PromptService& prompts, HelpService* help,
               QWidget* parent = nullptr);

protected:
    int headingsNumber() const override;
    QString indexName() const override { return QStringLiteral("IndexHopsNameAlpha"); }
    int tableWordNumber() const override;
    std::vector<int> columnWidthUnits() const override { return {4, 2, 4}; }
    unsigned numericColumns() const override { return 1u << 1; }
    QStringList rowTexts() const override;
    void takeCurrentRecord() override;
    int infoNumber() const override;
    std::string infoText() const override;
};

// Beer kits by manufacturer and style.
class CLookupKit final : public CLookupOf<storage::CRecordSetKits, KitChoice> {
public:
    CLookupKit(storage::Settings& settings, PromptService& prompts, HelpService* help,
               QWidget* parent = nullptr);

protected:
    int headingsNumber() const override;
    QString indexName() const override { return QStringLiteral("IndexKitsManufStyle"); }
    int tableWordNumber() const override;
    QStringList rowTexts() const override;
    void takeCurrentRecord() override;
    int infoNumber() const override;
    std::string infoText() const override;
};

// Yeasts by manufacturer and strain. A yeast without a positive attenuation
// is handed back with 75 percent.
class CLookupYeast final : public CLookupOf<storage::CRecordSetYeast, YeastChoice> {
public:
    CLookupYeast(storage::Settings& settings, PromptService& prompts, HelpService* help,
                 QWidget* parent = nullptr);

protected:
    int headingsNumber() const override;
    QString indexName() const override { return QStringLiteral("IndexYeastManufStrain"); }
    int tableWordNumber() const override;
    std::vector<int> columnWidthUnits() const override { return {6, 5}; }
    QStringList rowTexts() const override;
    void takeCurrentRecord() override;
    int infoNumber() const override;
    std::string infoText() const override;
};

}  // namespace mw::recipe_form
