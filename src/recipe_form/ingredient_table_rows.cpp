#include "recipe_form/ingredient_table_rows.h"

#include "resources/number_text.h"
#include "storage/recipe_records.h"

namespace mw::recipe_form {

namespace {

using calc::Sheet;

// The index on IngRecipeID orders a recipe's rows by identifier, which is
// table order: the first row a seek finds there is the first in the table.
QString recipeIndexName(Sheet sheet) {
    switch (sheet) {
        case Sheet::Kits:
            return QStringLiteral("IndexIngKitsRecipeID");
        case Sheet::Extracts:
            return QStringLiteral("IndexIngExtractsRecipeID");
        case Sheet::Grains:
            return QStringLiteral("IndexIngGrainsRecipeID");
        case Sheet::Adjuncts:
            return QStringLiteral("IndexIngAdjunctsRecipeID");
        case Sheet::Hops:
            return QStringLiteral("IndexIngHopsRecipeID");
        case Sheet::Yeasts:
            return QStringLiteral("IndexIngYeastsRecipeID");
    }
    return QString();
}

std::unique_ptr<storage::Recordset> makeTable(Sheet sheet, storage::Database* database) {
    switch (sheet) {
        case Sheet::Kits:
            return std::make_unique<storage::CRecordSetRecIngKits>(database);
        case Sheet::Extracts:
            return std::make_unique<storage::CRecordSetRecIngExtracts>(database);
        case Sheet::Grains:
            return std::make_unique<storage::CRecordSetRecIngGrains>(database);
        case Sheet::Adjuncts:
            return std::make_unique<storage::CRecordSetRecIngAdjuncts>(database);
        case Sheet::Hops:
            return std::make_unique<storage::CRecordSetRecIngHops>(database);
        case Sheet::Yeasts:
            return std::make_unique<storage::CRecordSetRecIngYeasts>(database);
    }
    return nullptr;
}

double numberOf(const QString& text) {
    return leadingNumber(text.toStdString());
}

// Whether the current table row is the grid row, by the sheet's key columns.
bool keysMatch(Sheet sheet, const storage::Recordset& table, const QStringList& grid) {
    const auto text = [&grid](int column) { return grid.value(column); };
    switch (sheet) {
        case Sheet::Kits: {
            const auto& r = static_cast<const storage::CRecordSetRecIngKits&>(table);
            return r.m_IngKitsManuf == text(calc::KitCol::Manufacturer) &&
                   r.m_IngKitsStyle == text(calc::KitCol::Style);
        }
        case Sheet::Extracts: {
            const auto& r = static_cast<const storage::CRecordSetRecIngExtracts&>(table);
            return r.m_IngExtractsName == text(calc::ExtractCol::Name) &&
                   r.m_IngExtractsWeight == numberOf(text(calc::ExtractCol::Weight));
        }
        case Sheet::Grains: {
            const auto& r = static_cast<const storage::CRecordSetRecIngGrains&>(table);
            return r.m_IngGrainsName == text(calc::GrainCol::Name) &&
                   r.m_IngGrainsWeight == numberOf(text(calc::GrainCol::Weight));
        }
        case Sheet::Adjuncts: {
            const auto& r = static_cast<const storage::CRecordSetRecIngAdjuncts&>(table);
            return r.m_IngAdjunctsName == text(calc::AdjunctCol::Name) &&
                   r.m_IngAdjunctsAmt == text(calc::AdjunctCol::Amount);
        }
        case Sheet::Hops: {
            const auto& r = static_cast<const storage::CRecordSetRecIngHops&>(table);
            return r.m_IngHopsName == text(calc::HopCol::Name) &&
                   r.m_IngHopsAlpha == numberOf(text(calc::HopCol::Alpha));
        }
        case Sheet::Yeasts: {
            const auto& r = static_cast<const storage::CRecordSetRecIngYeasts&>(table);
            return r.m_IngYeastName == text(calc::YeastCol::Name) &&
                   r.m_IngYeastType == text(calc::YeastCol::Type);
        }
    }
    return false;
}

qint32 recipeOf(Sheet sheet, const storage::Recordset& table) {
    switch (sheet) {
        case Sheet::Kits:
            return static_cast<const storage::CRecordSetRecIngKits&>(table).m_IngRecipeID;
        case Sheet::Extracts:
            return static_cast<const storage::CRecordSetRecIngExtracts&>(table).m_IngRecipeID;
        case Sheet::Grains:
            return static_cast<const storage::CRecordSetRecIngGrains&>(table).m_IngRecipeID;
        case Sheet::Adjuncts:
            return static_cast<const storage::CRecordSetRecIngAdjuncts&>(table).m_IngRecipeID;
        case Sheet::Hops:
            return static_cast<const storage::CRecordSetRecIngHops&>(table).m_IngRecipeID;
        case Sheet::Yeasts:
            return static_cast<const storage::CRecordSetRecIngYeasts&>(table).m_IngRecipeID;
    }
    return 0;
}

}  // namespace

IngredientTableRows::IngredientTableRows(storage::Database& database) : m_database(database) {}

IngredientTableRows::~IngredientTableRows() = default;

storage::Recordset& IngredientTableRows::table(Sheet sheet) {
    auto& table = m_tables[static_cast<std::size_t>(sheet)];
    if (!table || !table->isOpen()) {
        table = makeTable(sheet, &m_database);
        table->open();
        table->setCurrentIndex(recipeIndexName(sheet));
    }
    return *table;
}

bool IngredientTableRows::deleteFirstMatching(Sheet sheet, qint32 recipeId,
                                              const QStringList& gridRow) {
    storage::Recordset& rows = table(sheet);
    // The grid has added and deleted rows since the table was last read.
    rows.requery();
    if (!rows.seek(QStringLiteral("="), {recipeId})) {
        return false;
    }
    for (; !rows.isEOF() && recipeOf(sheet, rows) == recipeId; rows.moveNext()) {
        if (keysMatch(sheet, rows, gridRow)) {
            rows.deleteRecord();
            return true;
        }
    }
    return false;
}

}  // namespace mw::recipe_form
