// A BeerXML file imported into a recipe database (undone after each input).

#include <QBuffer>

#include "beerxml/beerxml_error.h"
#include "beerxml/beerxml_import.h"
#include "fuzz_support.h"
#include "scratch_database.h"
#include "storage/dao_exception.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    mw::fuzz::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace mw;
    QByteArray bytes = fuzz::bytes(data, size);
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    storage::Database& database = fuzz::scratchDatabase(storage::DatabaseKind::Recipe);
    storage::Transaction undo(database);
    try {
        beerxml::importBeerXml(database, file, QStringLiteral("fuzz.xml"));
    } catch (const beerxml::BeerXmlError&) {
    } catch (const storage::DaoException&) {
    }
    return 0;
}
