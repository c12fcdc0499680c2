// The seed CSV reader, and its rows added to the data table that has the
// header's first column (undone after each input).

#include "fuzz_support.h"
#include "scratch_database.h"
#include "storage/csv_reader.h"
#include "storage/dao_exception.h"
#include "storage/recordset.h"
#include "storage/seed_data.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    mw::fuzz::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace mw::storage;
    const QString text = mw::fuzz::text(data, size);
    const std::vector<QStringList> rows = parseCsv(text);
    if (rows.empty()) {
        return 0;
    }
    static const auto tables = tableRecords(DatabaseKind::Data);
    const QString first = rows.front().front().trimmed();
    for (const auto& table : tables) {
        for (const FieldBinding& field : table->fields()) {
            if (field.column == first) {
                Database& database = mw::fuzz::scratchDatabase(DatabaseKind::Data);
                Transaction undo(database);
                try {
                    importCsvRows(database, *table, text, QStringLiteral("fuzz.csv"));
                } catch (const DaoException&) {
                }
                return 0;
            }
        }
    }
    return 0;
}
