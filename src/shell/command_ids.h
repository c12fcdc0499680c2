#pragma once

// The program's command identifiers. A command's status-bar prompt and
// tooltip are the catalogue text of the same number ("prompt\ntooltip").
namespace mw::shell::cmd {

inline constexpr int FileOpen = 57601;
inline constexpr int FileClose = 57602;
inline constexpr int FileSave = 57603;
inline constexpr int FilePrintSetup = 57606;
inline constexpr int FilePrint = 57607;
inline constexpr int FilePrintPreview = 57609;
inline constexpr int FilePageSetup = 32769;
inline constexpr int FileMru1 = 57616;  // to 57619
inline constexpr int FileImportBeerXml = 1392;
inline constexpr int FileExportBeerXml = 1393;
inline constexpr int AppExit = 57665;

inline constexpr int EditUndo = 57643;
inline constexpr int EditCut = 57635;
inline constexpr int EditCopy = 57634;
inline constexpr int EditPaste = 57637;

inline constexpr int ViewToolbar = 59392;
inline constexpr int ViewStatusBar = 59393;
inline constexpr int ViewRecipeForm = 32811;
inline constexpr int ViewRecipeLog = 32832;
inline constexpr int ViewRecipeLabel = 32813;

inline constexpr int DataStyle = 32793;
inline constexpr int DataKit = 32848;
inline constexpr int DataExtract = 32846;
inline constexpr int DataGrain = 32798;
inline constexpr int DataHop = 32782;
inline constexpr int DataYeast = 32796;
inline constexpr int DataWater = 32785;
inline constexpr int DataAdjunct = 32865;
inline constexpr int DataGlossary = 32789;
inline constexpr int DataSupplier = 32790;

inline constexpr int RecordFirst = 59648;
inline constexpr int RecordPrev = 59651;
inline constexpr int RecordNext = 59650;
inline constexpr int RecordLast = 59649;
inline constexpr int RecordAdd = 32771;
inline constexpr int RecordCopy = 32845;
inline constexpr int RecordRefresh = 32831;
inline constexpr int RecordDelete = 32830;
inline constexpr int RecordCommit = 101;

inline constexpr int RefStyle = 32802;
inline constexpr int RefKit = 32870;
inline constexpr int RefExtract = 32849;
inline constexpr int RefGrain = 32804;
inline constexpr int RefHop = 32871;
inline constexpr int RefYeast = 32807;
inline constexpr int RefWater = 32806;
inline constexpr int RefAdjunct = 32869;
inline constexpr int RefRecipe = 32808;

inline constexpr int CalcBitterness = 102;
inline constexpr int CalcGravity = 32880;
inline constexpr int CalcAlcohol = 32882;
inline constexpr int CalcSgBalling = 32883;
inline constexpr int CalcAbvAbw = 32884;
inline constexpr int BrewerInfo = 104;

inline constexpr int ReportSelect = 32837;
inline constexpr int ReportPreview = 32838;
inline constexpr int ReportPrint = 32839;

inline constexpr int Tool1 = 32876;  // to 32878
inline constexpr int ToolsOptions = 32866;
inline constexpr int DatabaseCompress = 32842;
inline constexpr int DatabaseRepair = 32843;
inline constexpr int DatabaseRestoreBackup = 1476;

inline constexpr int WindowCascade = 57650;
inline constexpr int WindowTile = 57651;
inline constexpr int WindowArrange = 57649;

inline constexpr int HelpTip = 32814;
inline constexpr int HelpContents = 57667;
inline constexpr int HelpHomePage = 32879;
inline constexpr int HelpUsing = 57668;
inline constexpr int HelpGlossary = 32873;
inline constexpr int HelpHowToBrew = 32874;
inline constexpr int HelpAbout = 57664;
inline constexpr int HelpContextMode = 57669;
inline constexpr int HelpCurrent = 57670;

// Ingredients grid commands that have keys in the main table.
inline constexpr int GridDeleteIngredient = 32853;
inline constexpr int GridShowMenu = 32856;

}  // namespace mw::shell::cmd
