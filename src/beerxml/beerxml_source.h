#pragma once

#include <QFile>
#include <QString>
#include <QXmlStreamReader>
#include <functional>
#include <map>

#include "beerxml/xml_record.h"

namespace mw::beerxml {

// Reads a BeerXML file one record at a time, so that a file of ten thousand
// recipes never lies in memory whole. Tolerant of what real files do (tag
// case, ISO-8859-1 or windows-1252 declared, a single record without its
// list), strict about what could make it unsafe: a document type that
// declares entities is refused before any of them is used, and external
// entities are never fetched.
class BeerXmlSource {
public:
    explicit BeerXmlSource(const QString& path);
    // Over an open device; `name` stands for it in messages.
    BeerXmlSource(QIODevice& device, const QString& name);

    // Calls `recipe` for every RECIPE record, in file order, and counts the
    // records of every other kind found outside a recipe. Throws BeerXmlError
    // when the file cannot be read to its end.
    void read(const std::function<void(const XmlRecord&)>& recipe);

    // Records that stand outside any recipe ("HOP" -> 3), after read().
    const std::map<QString, int>& recordsOutsideRecipes() const { return m_outside; }

private:
    XmlRecord readElement(int depth);
    [[noreturn]] void fail();

    QString m_path;
    QFile m_file;
    QIODevice* m_device = nullptr;
    QXmlStreamReader m_xml;
    std::map<QString, int> m_outside;
};

}  // namespace mw::beerxml
