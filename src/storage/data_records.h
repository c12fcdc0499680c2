#pragma once

// Record classes of the data (reference) database.
// One class per table or saved query, one member per column in the
// column order of the table; the constructor binds them.

#include <QDateTime>
#include <QString>

#include "storage/recordset.h"

namespace mw::storage {

// A hop variety.
class CRecordSetHops final : public Recordset {
public:
    explicit CRecordSetHops(Database* database);

    QString defaultSource() const override { return QStringLiteral("[Hops]"); }
    OpenType defaultType() const override { return OpenType::Table; }

    double m_HopsAlpha = 0.0;
    QString m_HopsComments;
    qint32 m_HopsID = 0;
    QString m_HopsName;
    QString m_HopsOrigin;
    qint32 m_HopsStability = 0;
    double m_HopsAlphaHi = 0.0;
    double m_HopsAlphaLo = 0.0;
    QString m_HopsSubstitute1;
    QString m_HopsSubstitute2;
    QString m_HopsSubstitute3;
    QString m_HopsSubstitute4;
};

// A malt or grain.
class CRecordSetGrains final : public Recordset {
public:
    explicit CRecordSetGrains(Database* database);

    QString defaultSource() const override { return QStringLiteral("[Grains]"); }
    OpenType defaultType() const override { return OpenType::Table; }

    qint32 m_GrainsID = 0;
    QString m_GrainsName;
    double m_GrainsColor = 0.0;
    QString m_GrainsComments;
    double m_GrainsSPGrav = 0.0;
    double m_GrainsDegreesBalling = 0.0;
    QString m_GrainsCategory;
    double m_GrainsProtein = 0.0;
    double m_GrainsYield = 0.0;
    QString m_GrainsManuf;
};

// A malt extract.
class CRecordSetExtracts final : public Recordset {
public:
    explicit CRecordSetExtracts(Database* database);

    QString defaultSource() const override { return QStringLiteral("[Extracts]"); }
    OpenType defaultType() const override { return OpenType::Table; }

    double m_ExtractsColor = 0.0;
    QString m_ExtractsComments;
    double m_ExtractsDegreesBalling = 0.0;
    double m_ExtractsHBU = 0.0;
    bool m_ExtractsHopped = false;
    qint32 m_ExtractsID = 0;
    QString m_ExtractsManuf;
    QString m_ExtractsName;
    double m_ExtractsSpecificGravity = 0.0;
    qint32 m_ExtractsUnits = 0;
    double m_ExtractsWeight = 0.0;
    qint32 m_ExtractsForm = 0;
};

// A yeast strain.
class CRecordSetYeast final : public Recordset {
public:
    explicit CRecordSetYeast(Database* database);

    QString defaultSource() const override { return QStringLiteral("[Yeast]"); }
    OpenType defaultType() const override { return OpenType::Table; }

    qint32 m_YeastID = 0;
    qint32 m_YeastForm = 0;
    qint32 m_YeastType = 0;
    QString m_YeastComments;
    QString m_YeastStrain;
    QString m_YeastManuf;
    double m_YeastAttenuation = 0.0;
};

// An adjunct (sugars, unmalted grains, finings, salts).
class CRecordSetAdjuncts final : public Recordset {
public:
    explicit CRecordSetAdjuncts(Database* database);

    QString defaultSource() const override { return QStringLiteral("[Adjuncts]"); }
    OpenType defaultType() const override { return OpenType::Table; }

    double m_AdjunctsColor = 0.0;
    QString m_AdjunctsComments;
    double m_AdjunctsDegreesBalling = 0.0;
    bool m_AdjunctsFermentable = false;
    qint32 m_AdjunctsID = 0;
    QString m_AdjunctsName;
    double m_AdjunctsProtein = 0.0;
    double m_AdjunctsSPGrav = 0.0;
    double m_AdjunctsYield = 0.0;
    bool m_AdjunctsPriming = false;
};

// A beer kit.
class CRecordSetKits final : public Recordset {
public:
    explicit CRecordSetKits(Database* database);

    QString defaultSource() const override { return QStringLiteral("[Kits]"); }
    OpenType defaultType() const override { return OpenType::Table; }

    double m_KitsColor = 0.0;
    QString m_KitsDescription;
    double m_KitsHBU = 0.0;
    qint32 m_KitsID = 0;
    QString m_KitsManuf;
    double m_KitsStartSPGrav = 0.0;
    QString m_KitsStyle;
    qint32 m_KitsUnits = 0;
    double m_KitsWeight = 0.0;
};

// A beer style with its ranges.
class CRecordSetStyles final : public Recordset {
public:
    explicit CRecordSetStyles(Database* database);

    QString defaultSource() const override { return QStringLiteral("[Styles]"); }
    OpenType defaultType() const override { return OpenType::Table; }

    qint32 m_StylesID = 0;
    QString m_StylesName;
    QString m_StylesCategory;
    QString m_StylesSubcategory;
    double m_StylesGravityLo = 0.0;
    double m_StylesGravityHi = 0.0;
    double m_StylesAlcoLo = 0.0;
    double m_StylesIBULo = 0.0;
    double m_StylesIBUHi = 0.0;
    double m_StylesColorLo = 0.0;
    double m_StylesColorHi = 0.0;
    double m_StylesAlcoHi = 0.0;
    QString m_StylesType;
    QString m_StylesComments;
};

// A brewing water profile.
class CRecordSetWater final : public Recordset {
public:
    explicit CRecordSetWater(Database* database);

    QString defaultSource() const override { return QStringLiteral("[Water]"); }
    OpenType defaultType() const override { return OpenType::Table; }

    qint32 m_WaterHardness = 0;
    qint32 m_WaterID = 0;
    QString m_WaterInfo;
    QString m_WaterType;
};

// A supplier of brewing goods.
class CRecordSetSuppliers final : public Recordset {
public:
    explicit CRecordSetSuppliers(Database* database);

    QString defaultSource() const override { return QStringLiteral("[Suppliers]"); }
    OpenType defaultType() const override { return OpenType::Table; }

    qint32 m_SuppliersID = 0;
    QString m_SuppliersName;
    QString m_SuppliersAddress;
    QString m_SuppliersInfo;
    QString m_SuppliersEMail;
    QString m_SuppliersInternet;
};

// A glossary term.
class CRecordSetGlossary final : public Recordset {
public:
    explicit CRecordSetGlossary(Database* database);

    QString defaultSource() const override { return QStringLiteral("[Glossary]"); }
    OpenType defaultType() const override { return OpenType::Table; }

    qint32 m_GlossaryID = 0;
    QString m_GlossaryTerm;
    QString m_GlossaryInfo;
};

// The brewer's own details.
class CRecordSetBrewer final : public Recordset {
public:
    explicit CRecordSetBrewer(Database* database);

    QString defaultSource() const override { return QStringLiteral("[Brewer]"); }
    OpenType defaultType() const override { return OpenType::Table; }

    qint32 m_BrewerID = 0;
    QString m_BrewerName;
    QString m_BrewerAddress;
    qint32 m_BrewerSkill = 0;
};

// One grid point of the hop utilization table.
class CRecordSetHopsUtilization final : public Recordset {
public:
    explicit CRecordSetHopsUtilization(Database* database);

    QString defaultSource() const override { return QStringLiteral("[HopsUtilization]"); }
    OpenType defaultType() const override { return OpenType::Table; }

    qint16 m_HopsUtil_BoilIndex = 0;
    qint16 m_HopsUtil_BoilTime = 0;
    double m_HopsUtil_OriginalGravity = 0.0;
    double m_HopsUtil_Utilization = 0.0;
};

}  // namespace mw::storage
