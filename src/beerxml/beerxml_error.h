#pragma once

#include <QString>
#include <QStringList>
#include <exception>

namespace mw::beerxml {

// Why a BeerXML file was refused: a catalogue message with its values. The
// whole file is refused, so nothing of it reaches the recipe database.
class BeerXmlError : public std::exception {
public:
    BeerXmlError(int message, QStringList args) : m_message(message), m_args(std::move(args)) {}

    int message() const { return m_message; }
    const QStringList& args() const { return m_args; }
    // The message with its values filled in.
    QString text() const;
    const char* what() const noexcept override { return "BeerXML file refused"; }

private:
    int m_message;
    QStringList m_args;
};

// The catalogue text of a number with %1, %2, ... replaced.
QString catalogueText(int number, const QStringList& args = {});

// Catalogue numbers of the BeerXML import and export.
namespace bxmsg {
inline constexpr int CannotOpen = 1350;        // file, reason
inline constexpr int NotXml = 1351;            // file, line, reason
inline constexpr int NoRecipe = 1352;          // file
inline constexpr int BadRecord = 1353;         // file, line, reason
inline constexpr int EntityDeclared = 1354;    // file, line
inline constexpr int CannotWrite = 1355;       // file, reason
inline constexpr int NotBeerXml = 1356;        // file, element, line
inline constexpr int BadEncoding = 1357;       // file, line, encoding
inline constexpr int UnknownEncoding = 1358;   // file, encoding
inline constexpr int NoSuchBatch = 1359;       // batch number
inline constexpr int MissingName = 1360;       // record
inline constexpr int NegativeValue = 1361;     // record, field, value
inline constexpr int NotANumber = 1362;        // record, field, value
inline constexpr int UnknownUnit = 1363;       // record, field, value
inline constexpr int UnknownCode = 1364;       // record, field, value
inline constexpr int TooDeep = 1365;           // depth
inline constexpr int PrematureEnd = 1366;      //
inline constexpr int NoElement = 1367;         //
inline constexpr int NotImported = 1370;       // path
inline constexpr int ValueNotImported = 1371;  // path, value
inline constexpr int StoredAs = 1372;          // path, value, stored
inline constexpr int NoIngredients = 1373;     // path
inline constexpr int Computed = 1374;          // path, value
inline constexpr int ReadAs = 1375;            // path, value, read
inline constexpr int NotImportedWhy = 1376;    // path, reason
inline constexpr int MetricNote = 1377;        // path
inline constexpr int Missing = 1378;           // path, stored
inline constexpr int OutsideRecipes = 1379;    // element, count
inline constexpr int BoilTime = 1380;          // minutes
inline constexpr int FourStepsTaken = 1381;    //
inline constexpr int NotADate = 1382;          //
inline constexpr int HoppedExtract = 1383;     //
inline constexpr int WholeNumber = 1384;       // value
inline constexpr int NameWithProduct = 1385;   // name
inline constexpr int ImportSummary = 1386;     // count, file
inline constexpr int ExportSummary = 1387;     // count, file
inline constexpr int BoilSizeDivides = 1388;   // path, boil size, batch size
}  // namespace bxmsg

}  // namespace mw::beerxml
