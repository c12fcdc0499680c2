#include "storage/data_records.h"

namespace mw::storage {

CRecordSetHops::CRecordSetHops(Database* database) : Recordset(database) {
    bind("HopsAlpha", m_HopsAlpha);
    bind("HopsComments", m_HopsComments);
    bind("HopsID", m_HopsID, true);
    bind("HopsName", m_HopsName);
    bind("HopsOrigin", m_HopsOrigin);
    bind("HopsStability", m_HopsStability);
    bind("HopsAlphaHi", m_HopsAlphaHi);
    bind("HopsAlphaLo", m_HopsAlphaLo);
    bind("HopsSubstitute1", m_HopsSubstitute1);
    bind("HopsSubstitute2", m_HopsSubstitute2);
    bind("HopsSubstitute3", m_HopsSubstitute3);
    bind("HopsSubstitute4", m_HopsSubstitute4);
}

CRecordSetGrains::CRecordSetGrains(Database* database) : Recordset(database) {
    bind("GrainsID", m_GrainsID, true);
    bind("GrainsName", m_GrainsName);
    bind("GrainsColor", m_GrainsColor);
    bind("GrainsComments", m_GrainsComments);
    bind("GrainsSPGrav", m_GrainsSPGrav);
    bind("GrainsDegreesBalling", m_GrainsDegreesBalling);
    bind("GrainsCategory", m_GrainsCategory);
    bind("GrainsProtein", m_GrainsProtein);
    bind("GrainsYield", m_GrainsYield);
    bind("GrainsManuf", m_GrainsManuf);
}

CRecordSetExtracts::CRecordSetExtracts(Database* database) : Recordset(database) {
    bind("ExtractsColor", m_ExtractsColor);
    bind("ExtractsComments", m_ExtractsComments);
    bind("ExtractsDegreesBalling", m_ExtractsDegreesBalling);
    bind("ExtractsHBU", m_ExtractsHBU);
    bind("ExtractsHopped", m_ExtractsHopped);
    bind("ExtractsID", m_ExtractsID, true);
    bind("ExtractsManuf", m_ExtractsManuf);
    bind("ExtractsName", m_ExtractsName);
    bind("ExtractsSpecificGravity", m_ExtractsSpecificGravity);
    bind("ExtractsUnits", m_ExtractsUnits);
    bind("ExtractsWeight", m_ExtractsWeight);
    bind("ExtractsForm", m_ExtractsForm);
}

CRecordSetYeast::CRecordSetYeast(Database* database) : Recordset(database) {
    bind("YeastID", m_YeastID, true);
    bind("YeastForm", m_YeastForm);
    bind("YeastType", m_YeastType);
    bind("YeastComments", m_YeastComments);
    bind("YeastStrain", m_YeastStrain);
    bind("YeastManuf", m_YeastManuf);
    bind("YeastAttenuation", m_YeastAttenuation);
}

CRecordSetAdjuncts::CRecordSetAdjuncts(Database* database) : Recordset(database) {
    bind("AdjunctsColor", m_AdjunctsColor);
    bind("AdjunctsComments", m_AdjunctsComments);
    bind("AdjunctsDegreesBalling", m_AdjunctsDegreesBalling);
    bind("AdjunctsFermentable", m_AdjunctsFermentable);
    bind("AdjunctsID", m_AdjunctsID, true);
    bind("AdjunctsName", m_AdjunctsName);
    bind("AdjunctsProtein", m_AdjunctsProtein);
    bind("AdjunctsSPGrav", m_AdjunctsSPGrav);
    bind("AdjunctsYield", m_AdjunctsYield);
    bind("AdjunctsPriming", m_AdjunctsPriming);
}

CRecordSetKits::CRecordSetKits(Database* database) : Recordset(database) {
    bind("KitsColor", m_KitsColor);
    bind("KitsDescription", m_KitsDescription);
    bind("KitsHBU", m_KitsHBU);
    bind("KitsID", m_KitsID, true);
    bind("KitsManuf", m_KitsManuf);
    bind("KitsStartSPGrav", m_KitsStartSPGrav);
    bind("KitsStyle", m_KitsStyle);
    bind("KitsUnits", m_KitsUnits);
    bind("KitsWeight", m_KitsWeight);
}

CRecordSetStyles::CRecordSetStyles(Database* database) : Recordset(database) {
    bind("StylesID", m_StylesID, true);
    bind("StylesName", m_StylesName);
    bind("StylesCategory", m_StylesCategory);
    bind("StylesSubcategory", m_StylesSubcategory);
    bind("StylesGravityLo", m_StylesGravityLo);
    bind("StylesGravityHi", m_StylesGravityHi);
    bind("StylesAlcoLo", m_StylesAlcoLo);
    bind("StylesIBULo", m_StylesIBULo);
    bind("StylesIBUHi", m_StylesIBUHi);
    bind("StylesColorLo", m_StylesColorLo);
    bind("StylesColorHi", m_StylesColorHi);
    bind("StylesAlcoHi", m_StylesAlcoHi);
    bind("StylesType", m_StylesType);
    bind("StylesComments", m_StylesComments);
}

CRecordSetWater::CRecordSetWater(Database* database) : Recordset(database) {
    bind("WaterHardness", m_WaterHardness);
    bind("WaterID", m_WaterID, true);
    bind("WaterInfo", m_WaterInfo);
    bind("WaterType", m_WaterType);
}

CRecordSetSuppliers::CRecordSetSuppliers(Database* database) : Recordset(database) {
    bind("SuppliersID", m_SuppliersID, true);
    bind("SuppliersName", m_SuppliersName);
    bind("SuppliersAddress", m_SuppliersAddress);
    bind("SuppliersInfo", m_SuppliersInfo);
    bind("SuppliersEMail", m_SuppliersEMail);
    bind("SuppliersInternet", m_SuppliersInternet);
}

CRecordSetGlossary::CRecordSetGlossary(Database* database) : Recordset(database) {
    bind("GlossaryID", m_GlossaryID, true);
    bind("GlossaryTerm", m_GlossaryTerm);
    bind("GlossaryInfo", m_GlossaryInfo);
}

CRecordSetBrewer::CRecordSetBrewer(Database* database) : Recordset(database) {
    bind("BrewerID", m_BrewerID, true);
    bind("BrewerName", m_BrewerName);
    bind("BrewerAddress", m_BrewerAddress);
    bind("BrewerSkill", m_BrewerSkill);
}

CRecordSetHopsUtilization::CRecordSetHopsUtilization(Database* database) : Recordset(database) {
    bind("HopsUtil_BoilIndex", m_HopsUtil_BoilIndex);
    bind("HopsUtil_BoilTime", m_HopsUtil_BoilTime);
    bind("HopsUtil_OriginalGravity", m_HopsUtil_OriginalGravity);
    bind("HopsUtil_Utilization", m_HopsUtil_Utilization);
}

}  // namespace mw::storage
