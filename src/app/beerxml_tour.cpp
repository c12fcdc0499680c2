#include "beerxml_tour.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

#include "beerxml/beerxml_error.h"
#include "beerxml/beerxml_import.h"
#include "storage/dao_exception.h"
#include "storage/database.h"
#include "storage/seed_data.h"
#include "views/beerxml_import_report_dlg.h"

namespace mw::app {

namespace {

// Two recipes as another brewing program writes them.
constexpr char kSampleFile[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<RECIPES>
 <RECIPE>
  <NAME>Dry Stout</NAME><VERSION>1</VERSION><TYPE>All Grain</TYPE><BREWER>Club</BREWER>
  <BATCH_SIZE>20</BATCH_SIZE><BOIL_SIZE>25</BOIL_SIZE><BOIL_TIME>60</BOIL_TIME>
  <EFFICIENCY>72</EFFICIENCY>
  <STYLE><NAME>Irish Stout</NAME><VERSION>1</VERSION><CATEGORY>Irish Beer</CATEGORY>
   <CATEGORY_NUMBER>15</CATEGORY_NUMBER><STYLE_LETTER>B</STYLE_LETTER><STYLE_GUIDE>BJCP</STYLE_GUIDE>
   <TYPE>Ale</TYPE><OG_MIN>1.036</OG_MIN><OG_MAX>1.044</OG_MAX><FG_MIN>1.007</FG_MIN>
   <FG_MAX>1.011</FG_MAX><IBU_MIN>25</IBU_MIN><IBU_MAX>45</IBU_MAX><COLOR_MIN>25</COLOR_MIN>
   <COLOR_MAX>40</COLOR_MAX></STYLE>
  <EQUIPMENT><NAME>Kettle 30 l</NAME><VERSION>1</VERSION><BOIL_SIZE>25</BOIL_SIZE>
   <BATCH_SIZE>20</BATCH_SIZE></EQUIPMENT>
  <FERMENTABLES>
   <FERMENTABLE><NAME>Pale Ale Malt</NAME><VERSION>1</VERSION><TYPE>Grain</TYPE><AMOUNT>3.2</AMOUNT>
    <YIELD>80</YIELD><COLOR>3</COLOR><DIASTATIC_POWER>50</DIASTATIC_POWER></FERMENTABLE>
   <FERMENTABLE><NAME>Roasted Barley</NAME><VERSION>1</VERSION><TYPE>Grain</TYPE><AMOUNT>0.4</AMOUNT>
    <YIELD>70</YIELD><COLOR>500</COLOR></FERMENTABLE>
  </FERMENTABLES>
  <HOPS>
   <HOP><NAME>East Kent Goldings</NAME><VERSION>1</VERSION><ALPHA>5.5</ALPHA><AMOUNT>0.05</AMOUNT>
    <USE>Boil</USE><TIME>60</TIME><FORM>Pellet</FORM></HOP>
   <HOP><NAME>Fuggles</NAME><VERSION>1</VERSION><ALPHA>4.5</ALPHA><AMOUNT>0.015</AMOUNT>
    <USE>Dry Hop</USE><TIME>4320</TIME></HOP>
  </HOPS>
  <YEASTS><YEAST><NAME>Irish Ale</NAME><VERSION>1</VERSION><TYPE>Ale</TYPE><FORM>Liquid</FORM>
   <AMOUNT>0.125</AMOUNT><LABORATORY>Wyeast</LABORATORY><PRODUCT_ID>1084</PRODUCT_ID></YEAST></YEASTS>
  <EST_OG>1.042</EST_OG><IBU>38</IBU>
 </RECIPE>
 <RECIPE>
  <NAME>Lone Extract</NAME><VERSION>1</VERSION><TYPE>Extract</TYPE>
  <BATCH_SIZE>19</BATCH_SIZE><BOIL_SIZE>12</BOIL_SIZE><BOIL_TIME>45</BOIL_TIME>
  <FERMENTABLES><FERMENTABLE><NAME>Light LME</NAME><VERSION>1</VERSION><TYPE>Extract</TYPE>
   <AMOUNT>3</AMOUNT><YIELD>78</YIELD><COLOR>3.5</COLOR></FERMENTABLE></FERMENTABLES>
 </RECIPE>
</RECIPES>
)";

}  // namespace

bool visitBeerXmlImportReport(const QString& folder, HelpService& help, QWidget* parent,
                              const WindowVisitor& visitor) {
    const QString recipes = QDir(folder).filePath(QStringLiteral("beerxml-tour.mdb"));
    const QString file = QDir(folder).filePath(QStringLiteral("Club Recipes.xml"));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(kSampleFile) < 0) {
        std::printf("FAILED beerxml sample file\n");
        return false;
    }
    out.close();
    try {
        storage::createSampleRecipeDatabase(recipes);
        storage::Database database;
        database.open(recipes);
        const beerxml::ImportResult result = beerxml::importBeerXml(database, file);
        views::CBeerXmlImportReportDlg report(result, file, &help, parent);
        report.show();
        QApplication::processEvents();
        const bool ok = visitor(report, QStringLiteral("beerxml-loss-report"));
        report.hide();
        return ok;
    } catch (const beerxml::BeerXmlError& error) {
        std::printf("FAILED beerxml import: %s\n", qPrintable(error.text()));
    } catch (const storage::DaoException& error) {
        std::printf("FAILED beerxml import: %s\n", qPrintable(error.description()));
    }
    return false;
}

}  // namespace mw::app
