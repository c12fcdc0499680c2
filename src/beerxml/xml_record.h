#pragma once

#include <QString>
#include <vector>

namespace mw::beerxml {

// One element of a BeerXML file with its text and child elements. Element
// names are kept in upper case, so that <hop> and <HOP> read alike.
struct XmlRecord {
    QString name;
    QString text;  // trimmed
    int line = 0;
    std::vector<XmlRecord> children;

    // The first child of that name, or null.
    const XmlRecord* child(const QString& childName) const;
    // Every child of that name, in file order.
    std::vector<const XmlRecord*> all(const QString& childName) const;
};

}  // namespace mw::beerxml
