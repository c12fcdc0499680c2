#include "beerxml/beerxml_source.h"

#include <QFileInfo>

#include "beerxml/beerxml_error.h"

namespace mw::beerxml {

namespace {

// Nesting deeper than any BeerXML record needs is refused.
constexpr int kMaxDepth = 32;

bool isList(const QString& name) {
    static const char* const kLists[] = {"RECIPES", "HOPS",       "FERMENTABLES", "YEASTS",
                                         "MISCS",   "WATERS",     "STYLES",       "MASH_STEPS",
                                         "MASHS",   "EQUIPMENTS", "MASHES"};
    for (const char* l : kLists) {
        if (name == QLatin1String(l)) {
            return true;
        }
    }
    return false;
}

bool isRecord(const QString& name) {
    static const char* const kRecords[] = {"RECIPE", "HOP",   "FERMENTABLE", "YEAST", "MISC",
                                           "WATER",  "STYLE", "MASH_STEP",   "MASH",  "EQUIPMENT"};
    for (const char* r : kRecords) {
        if (name == QLatin1String(r)) {
            return true;
        }
    }
    return false;
}

// The line of the first byte sequence that is not UTF-8, or 0.
int firstInvalidUtf8Line(QIODevice& file) {
    if (!file.seek(0)) {
        return 0;
    }
    int line = 1;
    int pending = 0;
    char buffer[65536];
    qint64 n = 0;
    while ((n = file.read(buffer, sizeof buffer)) > 0) {
        for (qint64 i = 0; i < n; ++i) {
            const auto c = static_cast<unsigned char>(buffer[i]);
            if (pending > 0) {
                if ((c & 0xC0) != 0x80) {
                    return line;
                }
                --pending;
                continue;
            }
            if (c == '\n') {
                ++line;
            } else if (c >= 0x80) {
                if ((c & 0xE0) == 0xC0 && c >= 0xC2) {
                    pending = 1;
                } else if ((c & 0xF0) == 0xE0) {
                    pending = 2;
                } else if ((c & 0xF8) == 0xF0 && c <= 0xF4) {
                    pending = 3;
                } else {
                    return line;
                }
            }
        }
    }
    return pending > 0 ? line : 0;
}

}  // namespace

const XmlRecord* XmlRecord::child(const QString& childName) const {
    for (const XmlRecord& c : children) {
        if (c.name == childName) {
            return &c;
        }
    }
    return nullptr;
}

std::vector<const XmlRecord*> XmlRecord::all(const QString& childName) const {
    std::vector<const XmlRecord*> found;
    for (const XmlRecord& c : children) {
        if (c.name == childName) {
            found.push_back(&c);
        }
    }
    return found;
}

BeerXmlSource::BeerXmlSource(const QString& path) : m_path(path), m_file(path) {
    if (QFileInfo(path).isDir() || !m_file.open(QIODevice::ReadOnly)) {
        throw BeerXmlError(bxmsg::CannotOpen, {path, m_file.errorString()});
    }
    m_device = &m_file;
    m_xml.setDevice(m_device);
    m_xml.setNamespaceProcessing(false);
}

BeerXmlSource::BeerXmlSource(QIODevice& device, const QString& name)
    : m_path(name), m_device(&device) {
    m_xml.setDevice(m_device);
    m_xml.setNamespaceProcessing(false);
}

void BeerXmlSource::fail() {
    const QString reason = m_xml.errorString();
    if (m_xml.error() == QXmlStreamReader::NotWellFormedError &&
        reason.contains(QLatin1String("encod"), Qt::CaseInsensitive)) {
        const QString encoding = m_xml.documentEncoding().toString();
        const int line = firstInvalidUtf8Line(*m_device);
        if (line > 0) {
            throw BeerXmlError(bxmsg::BadEncoding,
                               {m_path, QString::number(line),
                                encoding.isEmpty() ? QStringLiteral("UTF-8") : encoding});
        }
        throw BeerXmlError(bxmsg::UnknownEncoding,
                           {m_path, encoding.isEmpty() ? QStringLiteral("UTF-8") : encoding});
    }
    if (m_xml.error() == QXmlStreamReader::PrematureEndOfDocumentError) {
        throw BeerXmlError(bxmsg::NotXml, {m_path, QString::number(m_xml.lineNumber()),
                                           catalogueText(bxmsg::PrematureEnd)});
    }
    throw BeerXmlError(bxmsg::NotXml, {m_path, QString::number(m_xml.lineNumber()), reason});
}

XmlRecord BeerXmlSource::readElement(int depth) {
    if (depth > kMaxDepth) {
        throw BeerXmlError(bxmsg::BadRecord,
                           {m_path, QString::number(m_xml.lineNumber()),
                            catalogueText(bxmsg::TooDeep, {QString::number(kMaxDepth)})});
    }
    XmlRecord record;
    record.name = m_xml.name().toString().toUpper();
    record.line = static_cast<int>(m_xml.lineNumber());
    QString text;
    while (!m_xml.atEnd()) {
        switch (m_xml.readNext()) {
            case QXmlStreamReader::StartElement:
                record.children.push_back(readElement(depth + 1));
                break;
            case QXmlStreamReader::Characters:
            case QXmlStreamReader::EntityReference:
                text += m_xml.text();
                break;
            case QXmlStreamReader::EndElement:
                record.text = text.trimmed();
                return record;
            default:
                break;
        }
    }
    fail();
}

void BeerXmlSource::read(const std::function<void(const XmlRecord&)>& recipe) {
    bool rootSeen = false;
    while (!m_xml.atEnd()) {
        const QXmlStreamReader::TokenType token = m_xml.readNext();
        if (token == QXmlStreamReader::DTD) {
            if (!m_xml.entityDeclarations().isEmpty() ||
                m_xml.text().contains(QLatin1String("<!ENTITY"), Qt::CaseInsensitive)) {
                throw BeerXmlError(bxmsg::EntityDeclared,
                                   {m_path, QString::number(m_xml.lineNumber())});
            }
            continue;
        }
        if (token == QXmlStreamReader::EntityReference) {
            throw BeerXmlError(bxmsg::EntityDeclared,
                               {m_path, QString::number(m_xml.lineNumber())});
        }
        if (token != QXmlStreamReader::StartElement) {
            continue;
        }
        const QString root = m_xml.name().toString().toUpper();
        rootSeen = true;
        if (isRecord(root)) {
            // One record without its list around it.
            const XmlRecord record = readElement(1);
            if (record.name == QLatin1String("RECIPE")) {
                recipe(record);
            } else {
                ++m_outside[record.name];
            }
            continue;
        }
        if (!isList(root)) {
            throw BeerXmlError(bxmsg::NotBeerXml, {m_path, m_xml.name().toString(),
                                                   QString::number(m_xml.lineNumber())});
        }
        // The records of the list, one at a time.
        while (!m_xml.atEnd()) {
            const QXmlStreamReader::TokenType t = m_xml.readNext();
            if (t == QXmlStreamReader::EndElement) {
                break;
            }
            if (t != QXmlStreamReader::StartElement) {
                continue;
            }
            const XmlRecord record = readElement(2);
            if (record.name == QLatin1String("RECIPE")) {
                recipe(record);
            } else {
                ++m_outside[record.name];
            }
        }
    }
    if (m_xml.hasError()) {
        fail();
    }
    if (!rootSeen) {
        throw BeerXmlError(bxmsg::NotXml, {m_path, QString::number(m_xml.lineNumber()),
                                           catalogueText(bxmsg::NoElement)});
    }
}

}  // namespace mw::beerxml
