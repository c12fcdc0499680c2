// The message catalogue: every numbered text of the program, held once.
// Texts are kept exactly, including double blanks, trailing blanks, tabs,
// carriage returns and the odd spelling slip the program has always shown.
// Numbers above 1000 are messages added for cases the older texts never covered.
// Keep the table sorted by number; a test checks it.

#include "resources/catalogue_entries.h"

namespace mw {

const CatalogueEntry kCatalogueEntries[] = {
    // main frame title and document type description (title, file filter, file type names)
    {1,
     "Maltwise Calculator\nMaltwise\nMaltwise Database\nMaltwise Databases "
     "(*.mdb)\n.MDB\nMaltwise.Calculator.1\nMaltwise Calculator  Database"},
    // document template of the recipe form window (window title first)
    {2,
     "Recipe Form\nMaltwise\nMaltwise Document\nMaltwise Databases "
     "(*.mdb)\n.MDB\nMaltwiseCalc.mdb\nMaltwise Calculator Database"},
    // report print engine could not be opened
    {3,
     "Support Program Error:\nThe print engine did not open.  Reports will be disabled.\nThis is "
     "probably due to an installation error.  Try Setup again.\n If problem persists, contact "
     "Wortline.\n\nError code = %1\nError text = %2"},
    // database compact/repair finished successfully
    {4, "Support Program Message:\nThe %1 of the data base (%2) was successful."},
    // recipe save check: the recipe has no name
    {8, "Data Error:\nThe recipe must have a name."},
    // hint: mash page expected system efficiency
    {10, "Percent expected from your system\nIf not entered, will assume 80%"},
    // hint: mash page calculated system efficiency
    {11, "Percent calculated from actual OG"},
    // recalculation found problems; points the user to the Calculation Messages list
    {12,
     "Warning:  During the recipe calculations for predicted Original Gravity, Alcohol content, "
     "Bitterness (IBU) and Color one or more potential errors were encountered.  Please check the "
     "Calculation Messages list for details by selecting that button in the Target Style window."},
    // Msgs button pressed but no calculation messages remain
    {13, "Information:  There are no longer any recipe calculation messages to display."},
    // registry company key for the settings
    {14, "Wortline"},
    // the maker's telephone number
    {16, "555-0142"},
    // the maker's copyright line
    {17, "Copyright © 2026 Wortline. All rights reserved."},
    // notice for commands that are not available yet
    {19, "This feature is planned for a future version of Maltwise Calculator."},
    // ingredient type / table word for hops (grid sheet name, delete confirmation)
    {20, "Hops"},
    // ingredient type / table word for malt extracts (grid sheet name, delete confirmation)
    {21, "Malt Extract"},
    // ingredient type / table word for yeasts (grid sheet name, delete confirmation)
    {22, "Yeast"},
    // table word for waters in the delete confirmation
    {23, "Water"},
    // ingredient type / table word for grains (grid sheet name, delete confirmation)
    {24, "Grain"},
    // table word for beer styles in the delete confirmation
    {25, "Style"},
    // the word Recipe, inserted into the copy and delete confirmations
    {26, "Recipe"},
    // table word for suppliers in the delete confirmation
    {27, "Supplier"},
    // about box: product version line
    {28, "Product Version %1"},
    // delete confirmation (%1 item kind, %2 its name)
    {32, "Please confirm delete -\n%1 - %2"},
    // hint: yes/no check boxes
    {34, "Select to indicate \"yes\""},
    // hop dialog: alpha range inconsistent
    {36,
     "Data Error:\nHops Alpha value is not between Low and High values OR\nLow and/or High value "
     "missing OR\nLow and High values inconsistent"},
    // copy confirmation (%1 item kind, %2 its name)
    {37, "Please confirm copy -\n%1 - %2"},
    // settings section name
    {66, "Settings"},
    // setting name: view opened first (form or log)
    {67, "View"},
    // save-changes prompt when leaving a modified recipe
    {68, "Save changes to current recipe?\n%1"},
    // the copyright warning of the About box
    {69, "Warning: This program is protected by copyright law. Copying or passing it on, in whole or in part, without Wortline's permission is not allowed."},
    // field hint of a kit's or extract's HBU entry
    {71, "Home Bittering Units\nEnter contribution to recipe\nFormat = 99.9"},
    // File Open refused while a recipe database is already open
    {72,
     "File Error:\nOnly one Recipe database can be open at a time.\nTo open another database, "
     "please close this one."},
    // settings section name for external tools
    {74, "Tools"},
    // setting name: program path of tool 1
    {75, "PathTool1"},
    // setting name: program path of tool 2
    {76, "PathTool2"},
    // options: tool needs both name and path
    {77, "Data Error:\nTool %1 is invalid.  Please enter both a name and path."},
    // external tool could not be started
    {78,
     "Configuration Error:\nThe tool you requested was not loaded.  Please verify that the path "
     "and progam name information is correct.\nTool=%1\nFile=%2"},
    // recipe log list column headings
    {79, "Batch,Recipe Name,Brew Date,Style,Category,Subcategory"},
    // table word for brewers in the delete confirmation
    {80, "Brewer"},
    // table word for glossary terms in the delete confirmation
    {81, "Glossary"},
    // lookup or target style: reference table is empty
    {82, "No %1.  Use Data-%1 command to add."},
    // copy of a recipe finished
    {83, "The recipe copy is complete."},
    // ingredient type / table word for beer kits (grid sheet name, delete confirmation)
    {84, "Kit"},
    // recipe save check: batch number box is empty
    {85,
     "Data Error:\nThe recipe must have a batch number.  It must also be unique from all other "
     "recipes."},
    // recipe save failed: batch number already used by another recipe
    {86, "Data Error:\nThe batch number for each recipe must be unique.  Please change."},
    // the maker's web address
    {87, "https://maltwise.example.com"},
    // ingredient info box: grain name and colour lines
    {88, "Name: \t%1\nColor: \t%2\n"},
    // ingredient info box: comments lines
    {89, "Comments:\n%1\n"},
    // ingredient info box: hop name and alpha lines
    {90, "Name:\t\t%1\nAlpha:\t\t%2\n"},
    // ingredient info box: hop alpha range lines
    {91, "Alpha Range, Low:\t%1\nAlpha Range, High:\t%2\n"},
    // ingredient info box: hop stability and origin lines
    {92, "Stability:\t\t%1\nOrigin:\t\t%2\n"},
    // ingredient info box: extract type line
    {93, "Type:\t\t%1\n"},
    // ingredient info box: yeast strain and type lines
    {94, "Name:\t\t%1\nType:\t\t%2\n"},
    // ingredient info box: extract or yeast form line
    {95, "Form:\t\t%1\n"},
    // ingredient info box: kit manufacturer and style lines
    {96, "Manufacturer:\t%1\nStyle:\t\t%2\n"},
    // ingredient info box: HBU and weight lines (extract, kit)
    {97, "HBU:\t\t%1\nWeight:\t\t%2\n"},
    // ingredient info box: kit specific gravity line
    {98, "SP Gravity:\t%1\n"},
    // ingredient info box: kit description lines
    {99, "Description:\n%1\n"},
    // about box: web site or mail link could not be opened
    {100,
     "Support Program Error:\nAn error occurred while trying to contact\nWortline via the Internet "
     "or E-mail.\nRefer to Help, but you may need to use the phone - %1\n\nError = %2"},
    // status prompt and tooltip of the Commit Add/Update command
    {101, "Permanently saves recipe data\nCommit Add/Change"},
    // status prompt of the Bitterness Calculator command
    {102, "Calculate bitterness related items"},
    // ingredient info box: grain protein and yield lines
    {109, "Protein: \t%1\nYield: \t%2\n"},
    // the maker's support mail address
    {110, "mailto:support@maltwise.example.com"},
    // setting name: user's skill level
    {111, "UserSkill"},
    // setting name: ask before saving changes
    {113, "DisplayWarnings"},
    // setting name: ask before deleting
    {118, "DisplayDeleteWarnings"},
    // reference data dialog: a required field is empty
    {119, "Data Error:\nRequired data is missing."},
    // hop dialog: alpha value out of range (keeps trailing blank)
    {120, "Data Error:\nAlpha values must be between 1 and 20. "},
    // hint: low limit percentage (hop alpha low, style alcohol low)
    {121, "Enter low limit\nPercentage\nFormat = 99.9"},
    // hint: high limit percentage (hop alpha high, style alcohol high)
    {122, "Enter high limit\nPercentage\nFormat = 99.9"},
    // hint: style gravity low limit
    {123, "Enter low limit\nFormat = 9.999"},
    // hint: style gravity high limit
    {124, "Enter high limit\nFormat = 9.999"},
    // hint: style IBU low limit
    {125, "Enter low limit\nFormat = 999"},
    // hint: style IBU high limit
    {126, "Enter high limit\nFormat = 999"},
    // options: confirm switching off delete warnings
    {127, "Please confirm that you do not want to be forewarned\nbefore data is deleted."},
    // options: confirm switching off change warnings
    {128, "Please confirm that you do not want to be forewarned\nbefore data is changed."},
    // hint: glossary term
    {129, "Enter any term or phrase\nUp to 50 characters"},
    // hint: free-text descriptive fields
    {130, "Enter any descriptive information\nUse Ctrl+Enter to force line break"},
    // tooltip of the recipe Name and Brewer boxes
    {131, "Enter a name\nUp to 50 characters"},
    // hint: name fields up to 30 characters
    {132, "Enter a name\nUp to 30 characters"},
    // hint: brewer or supplier address
    {135, "Enter a street or mailing address"},
    // hint: brewer's skill level
    {136, "Select a brewing skill level"},
    // tooltip of the Total Boil Time box on the Ingredients page
    {137, "Minutes\nFormat = 999"},
    // caption of the recipe form's tabbed property sheet
    {138, "Recipe Form (More Information)"},
    // document template of the recipe log window (window title first)
    {140,
     "Log Book\nMaltwise\n\nMaltwise Data (*.MWC)\n.mwc\nMaltwiseCalc.Document\nMaltwise "
     "Calculator Document"},
    // document template of the unused recipe label window
    {141,
     "Recipe Label\nMaltwise\n\nMaltwise Data (*.MWC)\n.mwc\nMaltwiseCalc.Document\nMaltwise "
     "Calculator Document"},
    // recipe save check: All Grain combined with another process method
    {142,
     "Data Error:\nWhen 'All Grain' process method is selected, then\n1) You can't select Kit, "
     "Extract nor Partial Mash\n2) Mash data is required."},
    // hint: temperature fields (fermentation, sparge)
    {143, "Degrees\nFormat = 999"},
    // tip of the day heading
    {144, "Did you know..."},
    // tip of the day: tips file missing
    {145, "File Error:\nTips file does not exist in the prescribed directory"},
    // tip of the day: tips file could not be read
    {146, "File Error:\nTrouble reading the tips file"},
    // hint: volume fields (boil and batch size, sparge water, wort)
    {147, "Volume\nFormat = 99.99"},
    // hint: specific gravity fields
    {148, "Specific Gravity\nFormat = 9.999"},
    // calculation message: invalid specific gravity of an ingredient row
    {149,
     "Warning: Specific Gravity of %1 invalid in %2 number %d.  Please enter a value between 1.000 "
     "and 1.200."},
    // recipe save check: Kit process chosen but no kit entered
    {150,
     "Data Error:\nWhen 'Kit' process method is selected you must enter at least one kit as an "
     "ingredient."},
    // recipe save check: kit entered but Kit process not chosen
    {152,
     "Data Error: \nYou entered at least one kit as an ingredient.  Therefore, the 'Kit' process "
     "method must be selected."},
    // setting name: default recipe database
    {153, "DefaultRecipeFile"},
    // ingredient type name for adjuncts (grid sheet name)
    {154, "Adjunct"},
    // setting name: default data database
    {155, "DefaultDataFile"},
    // hop utilization lookup: gravity or boil time outside the table
    {156,
     "Warning: During Hops IBU calculation the %1 (%2) was outside the bounds of the Utilization "
     "table."},
    // ingredient info box: specific gravity and Balling lines
    {157, "Specific Gravity: \t%1\nDegrees Balling: \t%2\n"},
    // ingredient info box: manufacturer line (extract, yeast)
    {158, "Manufacturer:\t%1\n"},
    // ingredient info box: extract colour line
    {159, "Color:\t\t%1\n"},
    // table word for adjuncts in the delete confirmation
    {160, "Adjuncts"},
    // ingredient info box: adjunct name line
    {161, "Name: \t%1\n"},
    // ingredient info box: adjunct yield factor line
    {162, "Factor: \t\t%1\n"},
    // ingredient info box: adjunct fermentable line
    {163, "Fermentable: \t%1\n"},
    // supplier dialog: mail or web site could not be opened
    {165,
     "Support Program Error:\nAn error occurred while trying to contact \n%1\nvia the Internet or "
     "E-mail.\n\nError = %2"},
    // status bar pane holding the line buttons
    {166, " "},
    // status bar pane holding the progress bar
    {167, " "},
    // opened file is not a recipe database
    {168,
     "File Error:\nThe data base you tried to open is not a Maltwise Calculator recipe data base.  "
     "Please select another.\n\nData base name = %1."},
    // ingredient info box: units line (extract, kit)
    {169, "Units:\t\t%1\n"},
    // ingredient info box: extract hopped line
    {170, "Hopped:\t\t%1\n"},
    // file chosen in the options is not the right kind of database
    {171,
     "File Error:\nThe data base you entered is not the right type of Maltwise Calculator data "
     "base.  Please select another.\n\nData base name = %1."},
    // target range text: specific gravity range
    {172, "Specific Gravity %1 - %2"},
    // target range text: IBU range
    {173, "IBU %1 - %2"},
    // prefix of each target range line in the status bar (trailing blank)
    {174, "Target "},
    // target range text: alcohol range
    {175, "Alcohol %1 - %2"},
    // target range text: colour range
    {176, "Color %1 - %2"},
    // ingredient info box: yeast attenuation line
    {177, "Attenuation:\t%1\n"},
    // grain lookup list column headings
    {178, "Category,Name"},
    // ingredient info box: grain category line
    {179, "Category:\t%1\n"},
    // hop lookup list column headings
    {180, "Name,Alpha,Origin"},
    // kit lookup list column headings
    {181, "Manufacturer,Style"},
    // yeast lookup list column headings
    {182, "Manufacturer,Strain"},
    // adjunct lookup list column heading
    {183, "Name"},
    // extract lookup list column headings
    {184, "Manufacturer,Name"},
    // bitterness calculator: name of the utilization method
    {185, "Tinseth formula"},
    // column heading of the Recipe page's ingredient list
    {186, "Ingredients"},
    // about box: file version line
    {187, "File Version %1"},
    // target style dialog: recipe's own style not found
    {188, "The target style's data was not found."},
    // setting name: show field hints
    {189, "DisplayToolTips"},
    // setting name: recipe form scrolling preference
    {190, "RecipeScroll"},
    // number format: unsigned whole number
    {191, "%lu"},
    // number format: one decimal
    {192, "%.1f"},
    // number format: three decimals
    {193, "%.3f"},
    // number format: no decimals
    {194, "%.0f"},
    // tooltip of the Batch # box
    {195, "Automatically assigned, but can override.\nMust be unique.\nFormat = 999"},
    // hint: date pickers with check box
    {196, "Date\nWithout a checkmark this date is actually empty\nFormat = 99/99/9999"},
    // tooltip of the Recipe page's read-only ingredient list
    {197, "Display only.  To change, select Ingredients tab"},
    // tooltip of the Process group
    {198, "Select one or more"},
    // tooltip of the Measurement group
    {199, "Only English currently supported"},
    // hint: fermentation days
    {200, "Days\nFormat = 99"},
    // hint: mash step time
    {201, "How long\nMinutes\nFormat = 999"},
    // hint: mash step temperature
    {202, "Average temp\nFormat = 999"},
    // hint: mash step water volume
    {203, "Volume of water added\nFormat = 99.99"},
    // hint: decoction volume boiled
    {204, "Volume of mash boiled\nFormat = 99.9"},
    // hint: mash and sparge pH adjustment
    {205, "Ph adjusted to\nFormat = 9.9"},
    // hint: competition judge's score
    {206, "Judge's score, max of 50\nFormat = 99"},
    // hint: temperature at gravity reading
    {207, "Temperature at SG reading.\nDegrees\nFormat = 999"},
    // recipe save check: All Grain needs a grain and no kits or extracts
    {208,
     "Data Error:\nWhen 'All Grain' process method is selected you must enter at least one grain "
     "as an ingredient.  Additionally, you cannot enter any kits nor any extracts."},
    // competition dialog: judge's score above 50
    {209, "Data Error:\nThe Judge's score must be 50 or less."},
    // calculation message: boil size zero, hop row skipped
    {210, "Warning: The recipe's Boil Size is zero.  Calculations have been bypassed."},
    // recipe save check: boil size or batch size is zero (%1 Boil or Batch)
    {211,
     "Data Error:\n%1 Size is zero.\nBecause it is critical to several calculations, please record "
     "on the Fermentation Info tab of the Recipe Form.\nIf you are not sure of this information, "
     "use \"1\" and note to correct it so calculations can be done."},
    // calculation message: batch size zero, colour calculation skipped
    {212, "Warning: The recipe's Batch Size is zero.  Calculations have been bypassed."},
    // calculation message: amount missing for an adjunct or yeast row
    {213,
     "Warning: Amount is zero or missing for %1 %2.  This ingredient was excluded from the "
     "calculations."},
    // number format: two decimals
    {214, "%.2f"},
    // about box: system information program cannot be started
    {215,
     "Support Program Error:\nThe system information cannot be displayed.\nA possible cause is "
     "that the system information program file is not installed on your computer.  It should be "
     "located at\n%1\nContact Wortline for further information"},
    // setting name: path of the system information program
    {216, "MSInfoPath"},
    // hint: single infusion mash time
    {217, "Mash length\nMinutes\nFormat = 999"},
    // hint: single infusion strike temperature
    {218, "Temp achieved\nFormat = 999"},
    // hint: single infusion mash-out temperature
    {219, "Final temp\nFormat = 999"},
    // hint: single infusion mash-out time
    {220, "Mash out length\nMinutes\nFormat = 999"},
    // bitterness calculator: no unknown left to solve for
    {221, "Data Error:\nOne of these must be zero\nWeight, Alpha, Volume, IBUs"},
    // bitterness calculator: more than one unknown
    {222, "Data Error:\nOnly one of these can be zero\nWeight, Alpha, Volume, IBUs"},
    // bitterness calculator: boil time or original gravity missing
    {223, "Data Error:\nBoil Time and Original Gravity must be entered"},
    // no path set for the ingredients (data) database
    {224,
     "File Error:\nNo path has been set for the Ingredients database.\nPossible cause is an error "
     "during installation.  Please uninstall and reinstall.\nContact Wortline for further "
     "information"},
    // setting name: program path of tool 3
    {225, "PathTool3"},
    // setting name: menu text of tool 1
    {226, "NameTool1"},
    // setting name: menu text of tool 2
    {227, "NameTool2"},
    // setting name: menu text of tool 3
    {228, "NameTool3"},
    // start-up: both a database and the last-used one requested
    {230,
     "Command Line Error:\nYou specified a database to open and also requested to open the "
     "last-used database.\nMaltwise Calculator will not load either database.\n\nDatabase = %1"},
    // report: current recipe has unsaved changes
    {231,
     "Warning:\nYou have asked to preview or print the current recipe, however the latest "
     "change(s) have not been saved.\n\nAre you sure you want to continue?"},
    // setting name: recipe database now open
    {232, "RecipeFileOpened"},
    // hop utilization lookup: boil time zero, treated as finishing hops
    {233,
     "Information: During Hops IBU calculation the Boil Time was zero.  These will be assumed to "
     "be finishing  hops, and not contribute to bitterness."},
    // calculation message: invalid colour of an ingredient row
    {234,
     "Warning: Color (degrees Lovibond) of %1 invalid in %2 number %d.  Please enter a value "
     "between 1and 500 (English measures) or 1 and 2000 (Metric)"},
    // calculation messages list column headings
    {235, "#,Level,Message"},
    // calculation message: invalid yeast attenuation
    {236,
     "Warning: Attenuation of %1 invalid in %2 number %d.  Please enter a value between 1 and "
     "100."},
    // calculation message: not exactly one valid yeast, default attenuation used
    {237,
     "Information: Multiple yeasts are in recipe.  Or, no yeast with a valid attenuation was "
     "found.  Default attenuation of 75 used in alcohol calculation."},
    // original gravity calculator: no unknown left to solve for
    {238,
     "Data Error:\nOne of these must be zero\nWeight, Extract Potential, Volume, Original Gravity"},
    // original gravity calculator: more than one unknown
    {239,
     "Data Error:\nOnly one of these can be zero\nWeight, Extract Potential, Volume, Original "
     "Gravity"},
    // original gravity calculator: efficiency missing
    {240, "Data Error:\nEfficiency must be entered"},
    // adjunct lookup heading in fermentable-only mode
    {241, "Name (Fermentable Only)"},
    // alcohol calculator: no unknown left to solve for
    {242,
     "Data Error:\nOne of these must be zero\nOriginal Gravity, Terminal Gravity, % Alcohol by "
     "Volume"},
    // alcohol calculator: more than one unknown
    {243,
     "Data Error:\nOnly one of these can be zero\nOriginal Gravity, Terminal Gravity, % Alcohol by "
     "Volume"},
    // alcohol calculator: attenuation needed to predict terminal gravity
    {244,
     "Data Error:\nYeast Attenuation must be entered if Terminal Gravity is zero (to predict TG "
     "from OG using Attenuation)"},
    // alcohol calculator: terminal gravity not below original gravity
    {245, "Data Error:\nTerminal Gravity must be less than Original Gravity"},
    // alcohol calculator: original or terminal gravity out of range
    {246, "Data Error:\nThe %1 Gravity entered (%2) must be between 1.000 and 1.200"},
    // alcohol calculator: attenuation out of range
    {247, "Data Error:\nThe Attenuation entered (%1) must be between 50 and 95"},
    // original gravity calculator: efficiency out of range
    {248, "Data Error:\nThe Efficiency entered (%1) must be between 25 and 100"},
    // original gravity calculator: extract potential out of range
    {249, "Data Error:\nThe Extract Potential entered (%1) must be between 1.000 and 1.200"},
    // deleting the only recipe in the database is refused
    {250,
     "Error:\nYou cannot delete the only recipe in the database.\n Please add at least one other "
     "recipe, then delete this recipe."},
    // hint: adjunct fermentable check box (short and long form)
    {251, "Check if ferments\rWill be used during OG calculation"},
    // hint: adjunct priming check box (short and long form)
    {252,
     "Check if may be used for priming\rWill be displayed when requested during recipe creation"},
    // hint: colour in Lovibond
    {253, "Degrees Lovibond\nFormat 999.9"},
    // hint: yield percentage
    {254,
     "Ratio of weight (dried) of soluble material to\n  initial weight of malt\nPercentage\nFormat "
     "= 99.9"},
    // hint: protein percentage
    {255, "Protein content of malt\nExpressed as a percentage\nFormat = 99.9"},
    // hint: degrees Balling (typo kept)
    {256,
     "Debrees Balling, which is another density scale\nNote: Specific Gravity scale used in "
     "calculations\nFormat = 99.9"},
    // hint: hop alpha acid
    {258, "Alpha Acid Units\nPercentage\nFormat = 99.9"},
    // hint: hop origin
    {259, "Country/Region name\nUp to 30 characters"},
    // hint: hop substitutes list
    {260, "Click on + or - buttons to select another hop\nSelect up to four"},
    // hint: radio button groups
    {261, "Select one"},
    // reference data dialog: save the changed record?
    {262, "Save changes to current data record?"},
    // database error: the line asking the user to get in touch
    {263, "\nPlease contact Wortline; the telephone number and addresses are in Help-About."},
    // adjunct lookup heading in priming mode
    {264, "Name (Priming Only)"},
    // gravity/Balling converter: neither field is zero
    {265, "Data Error:\nOne of the two fields must be zero\nSpecific Gravity, Balling"},
    // gravity/Balling converter: both fields are zero
    {266, "Data Error:\nOnly one of the fields can be zero\nSpecific Gravity, Balling"},
    // gravity/Balling converter: specific gravity out of range
    {267, "Data Error:\nThe Specific Gravity entered (%1) must be between 1.000 and 1.200"},
    // gravity/Balling converter: Balling out of range
    {268, "Data Error:\nThe Balling entered (%1) must be between 0 and 50"},
    // hint: converter Balling field
    {269, "Degrees Balling\nFormat = 99.99"},
    // ABV/ABW converter: neither field is zero
    {270, "Data Error:\nOne of the two fields must be zero\nBy Volume, By Weight"},
    // ABV/ABW converter: both fields are zero
    {271, "Data Error:\nOnly one of the fields can be zero\nBy Volume, By Weight"},
    // hint: converter by-weight field
    {272, "Alcohol by weight\nPercent\nFormat = 99.99"},
    // hint: converter by-volume field
    {273, "Alcohol by volume\nPercent\nFormat = 99.99"},
    // ABV/ABW converter: alcohol by volume out of range
    {274, "Data Error:\nThe By Volume entered (%1) must be between 0.5 and 20.00"},
    // ABV/ABW converter: alcohol by weight out of range
    {275, "Data Error:\nThe By Weight entered (%1) must be between 0.4 and 16.00"},
    // hint: weight fields
    {276, "Weight\nFormat = 99.9"},
    // hint: drop-down lists
    {277,
     "Select one from the drop down list\nClick on the arrow button, then on a row in the list"},
    // hint: water type
    {278, "Descriptive name\nUp to 20 characters"},
    // hint: yeast attenuation
    {279, "Yeast effectiveness rating\nDefaults to 75 if not entered\nFormat = 99.99"},
    // hint: style colour low limit
    {280, "Enter low limit\nFormat = 999.9"},
    // hint: style colour high limit
    {281, "Enter high limit\nFormat = 999.9"},
    // hint: style name
    {282, "Enter a name\nUp to 35 characters"},
    // hint: a supplier's e-mail address
    {283, "Enter the full e-mail address\nFor example: orders@brewshop.example.com\nUp to 50 characters"},
    // hint: a supplier's web site
    {284, "Enter the full web site address\nFor example: https://www.brewshop.example.com\nUp to 100 characters"},
    // calculation message: weight missing for an extract or grain row
    {285,
     "Warning: Weight is zero or missing for %1 %2.  This ingredient was excluded from the "
     "calculations."},
    // calculation message: default extract potential assumed
    {286, "Information: Assumed extract potential of %1 due to invalid SG on %2 %d"},
    // calculation message: default yeast attenuation assumed
    {287, "Information: Assumed attenuation of %1 percent due to invalid attenuation on %2 %d"},
    // calculation message: default system efficiency assumed
    {288, "Information: System efficiency of %1 assumed because not entered on Mash tab"},
    // calculation message: batch size zero, gravity calculation skipped
    {289,
     "Warning: The recipe's Batch Size is zero during OG calc.  Calculations have been bypassed."},
    // calculators: a field that does not convert to a number
    {1001, "Data Error:\nThe %1 entered (%2) is not a number.  Please enter a number."},
    // calculators: a field that does not convert to a whole number
    {1002, "Data Error:\nThe %1 entered (%2) is not a whole number.  Please enter a whole number."},
    // bitterness calculator: utilization lookup gave zero
    {1003,
     "Data Error:\nThe %1 cannot be solved because the hop utilization is zero.\nEnter a Boil Time "
     "between 3 and 120 minutes and an Original Gravity between 1.030 and 1.130."},
    // original gravity calculator: a solve that would divide by zero points
    {1004,
     "Data Error:\nThe %1 cannot be solved while the %2 is 1.000, because it then adds no gravity "
     "points.\nPlease enter a %2 above 1.000."},
    // calculators: a result that overflows
    {1005, "Data Error:\nThe %1 works out too large to show.  Please check the values entered."},
    // recipe bitterness: a hop row whose figures overflow is left as it was
    {1006,
     "Warning: The bitterness of Hops row %d works out too large to calculate.  Please check its "
     "weight and alpha acid; the row was left as it was."},
    // database error box: the engine's description and error number
    {1010, "%1   (%2)\n\nWould you like to see help?"},
    // database error box for an error that carries only a status code
    {1011, "ERROR:CDaoException\n\nSCODE_CODE\t\t=%1\nSCODE_FACILITY\t=%2\nSCODE_SEVERITY\t=%3\nResultFromScode\t=%4\n"},
    // private workspace factory: cleaning the handles failed
    {1012, "Error in GetNewWorkspace, cleanWorkspace returned FAILURE"},
    // private workspace factory: no memory for the workspace
    {1013, "Error in GetNewWorkspace, Could not allocate new workspace."},
    // private workspace factory: a name it does not know
    {1014, "Error in GetNewWorkspace, Unknown workspace name."},
    // private workspace factory: no memory for the database object
    {1015, "Error in CDocumentPlus::GetNewWorkspace, failed to allocate database object."},
    // private workspace factory: the database is not open afterwards
    {1016, "Error in CDocumentPlus::GetNewWorkspace, failed to open database."},
    // a reference-data dialog could not get its workspace
    {1017, "Error in CAddChgDAO::GetNewWorkspace, CDocument::GetNewWorkspace failed"},
    // the recipe log could not get its workspace
    {1018, "Error in CRecipeLogView::GetNewWorkspace, CDocument::GetNewWorkspace failed"},
    // status-bar text while a recipe database opens
    {1019, "Opening Recipe database..."},
    // a recipe asked for by batch number is not in the database
    {1020, "Seek failed on batch number %1.  Contact Wortline."},
    // database error: the hop utilization table is short
    {1021, "The hop utilization table holds %1 of its 275 rows; bitterness for the boil times and gravities not read will be zero."},
    // credits: a picture line names a picture the program does not have
    {1022, "Could not find bitmap resource \"%1\". Be sure to assign the bitmap a QUOTED resource name"},
    // tip of the day: the tips file has no tip lines
    {1024, "File Error:\nThe tips file holds no tips."},
    // tooltip of the status bar panes
    {1025, "Current recipe's target style info"},
    // first start: the default databases could not be made
    {1026, "File Error:\nMaltwise Calculator could not create its databases in\n%1\n\n%2"},
    // menu text of a tool that has no name
    {1027, "Tool %1"},
    // help viewer: a topic without a page
    {1028, "There is no help page for topic %1 yet; the contents are shown instead."},
    // ingredient lookup: the selected row's record is not found by its two key columns
    {1030, "Seek failed on %1, %2.  Contact Wortline."},
    // ingredient lookup: the selected adjunct is not found by its name
    {1031, "Seek failed on %1.  Contact Wortline."},
    // ingredient type / table word for malt extracts (empty extract lookup)
    {1032, "Extract"},
    // hint: ingredient lookup list
    {1033,
     "Ingredients in your data database\nClick a heading to sort by that column\rDouble-click a "
     "row to select it"},
    // hint: ingredient lookup Select button
    {1034, "Use the highlighted ingredient\nIts values are copied for you"},
    // hint: ingredient lookup Cancel button
    {1035, "Close without choosing an ingredient"},
    // hint: ingredient lookup Info button
    {1036, "Show everything the data database holds\nabout the highlighted ingredient"},
    // hint: ingredient lookup Help button
    {1037, "Help on choosing an ingredient"},
    // hint: ingredient lookup Add button
    {1038, "Add a new ingredient of this kind\nto the data database"},
    // hint: the bitterness calculator's IBU field
    {1050, "IBUs\nInternational Bitterness Units\nLeave empty to have them worked out\nFormat = 999"},
    // hint: the original gravity calculator's result field
    {1051, "Original Gravity\nLeave empty to have it worked out\nFormat = 9.999"},
    // hint: the alcohol calculator's terminal gravity field
    {1052, "Terminal (final) Gravity\nLeave empty to predict it from the yeast attenuation\nFormat = 9.999"},
    // grid: a settings file that could not be used
    {1053, "File Error:\nThe grid settings file %1 could not be used.  The settings built into Maltwise Calculator are used instead."},
    // start-up without any display: printed before a window could be made
    {1070, "Maltwise Calculator needs a display for its windows, and none was found (DISPLAY and WAYLAND_DISPLAY are not set).\nStart it from a desktop session, or on a virtual display:\n    xvfb-run %1"},
    // ingredients grid: Delete Ingredient on a row that was never stored
    {1090, "Cannot use delete command on non-existant ingredient."},
    // ingredients grid: what the delete confirmation (32) names before the type of ingredient
    {1091, "Ingredient "},
    // recipe save check 211: the size that is zero
    {1130, "Boil"},
    {1131, "Batch"},
    // the name a new recipe is written with
    {1132, "<new recipe>"},
    // what a copied recipe's name begins with
    {1133, "Copy of "},
    // recipe summary: what a hop is added for, by its boil time
    {1134, "(Aroma)"},
    {1135, "(Flavoring)"},
    {1136, "(Bittering)"},
    // status bar: names of the line buttons and lock lights for screen readers
    {1150, "Previous target style line"},
    {1151, "Next target style line"},
    {1152, "Help on the target style line"},
    {1153, "Caps Lock %1"},
    {1154, "Num Lock %1"},
    {1155, "Scroll Lock %1"},
    {1156, "on"},
    {1157, "off"},
    // recipe log: a batch number beyond what a change notice carries cannot be opened from the log
    {1200,
     "Information:\nBatch %1 cannot be opened from the recipe log: the log opens batch numbers "
     "from 0 to 65535 only.\nShow it on the recipe form with the Record menu, or give it a "
     "smaller batch number."},
    // target style: the style chosen in the tree (or kept on OK) is not in the data database
    {1220, "Seek failed on %1, %2.  Contact Wortline."},
    // caption of the target style window; also its help topic
    {1221, "Target Style"},
    // caption of the calculation messages window; also its help topic
    {1222, "Calculation Messages"},
    // reference-data dialogs: a dialog that does not supply its own Refresh (followed by 263)
    {1240, "CAddChgDAO::OnRecordRefresh; DAO logic error"},
    // reference-data dialogs: the private workspace could not be made
    {1241, "Error in CAddChgDAO::GetNewWorkspace, CDocument::GetNewWorkspace failed"},
    // reference-data dialogs: status prompts and names of the toolbar buttons
    {1242, "Go to the first record\nFirst Record"},
    {1243, "Go to the previous record\nPrevious Record"},
    {1244, "Go to the next record\nNext Record"},
    {1245, "Go to the last record\nLast Record"},
    {1246, "Start a new record\nAdd Record"},
    {1247, "Discard the changes to this record\nRefresh"},
    {1248, "Delete this record\nDelete Record"},
    {1249, "Find a record\nFind"},
    // brewer dialog: deleting the only brewer the table holds
    {1270, "Should delete of last brewer be allowed?"},
    // kit dialog: a manufacturer or style longer than the kit table keeps
    {1271, "Data Error:\nThe %1 may hold at most %2 characters (it has %3)."},
    // reports: a report that could not be opened, and output that could not start
    {1300, "Error opening report.\n%1"},
    {1301, "%1\nError code = %2"},
    // report engine: what is wrong with a layout, its database or its output
    {1302, "The report layout %1 was not found."},
    {1303, "The report layout %1 could not be read: %2"},
    {1304, "The file %1 is not a report layout of Maltwise Calculator."},
    {1305,
     "The report layout %1 is of version %2; this program reads report layouts of version 1."},
    {1306, "The report layout %1 is damaged at line %2: %3."},
    {1307, "The report's database %1 could not be opened: %2"},
    {1308, "The table %1 that the report reads is not in the database %2."},
    {1309, "The column %1 that the report reads is not in the table %2 of the database %3."},
    {1310, "The record filter %1 is not understood; a filter reads {%2.Column} = number."},
    {1311, "The report could not be written to %1."},
    {1312, "The report's database %1 could not be read: %2"},
    {1313, "The report has no output: a window, a printer or a file is needed."},
    {1314, "The report has no subreport named %1."},
    {1315, "Reports are drawn by the program's window system, which is not running."},
    // texts printed in reports
    {1316, "There are no records to show."},
    {1317, "Page %1 of %2"},
    {1318, "%1 (continued)"},
    {1319, "Yes"},
    {1320, "No"},
    // BeerXML import: the file cannot be opened
    {1350, "File Error:\nThe BeerXML file %1 could not be opened.\n%2"},
    // BeerXML import: the file is not well-formed XML (line, reason)
    {1351, "File Error:\nThe BeerXML file %1 could not be read at line %2: %3.\nNothing was imported."},
    // BeerXML import: no RECIPE in the file
    {1352, "File Error:\nThe BeerXML file %1 holds no RECIPE record.\nNothing was imported."},
    // BeerXML import: a record whose meaning would change if read on (line, reason 1360-1367)
    {1353,
     "Data Error:\nThe BeerXML file %1 cannot be imported as it stands (line %2): %3\nNothing was "
     "imported."},
    // BeerXML import: the document type declares entities
    {1354,
     "File Error:\nThe BeerXML file %1 declares entities of its own (line %2).\nEntity "
     "declarations are refused, so that no file can make the program expand or fetch text; "
     "nothing was imported."},
    // BeerXML export: the file cannot be written
    {1355, "File Error:\nThe BeerXML file %1 could not be written.\n%2"},
    // BeerXML import: the outermost element is not a BeerXML list or record
    {1356,
     "File Error:\nThe file %1 is not a BeerXML file: its outermost element %2 (line %3) is none "
     "of RECIPES, HOPS, FERMENTABLES, YEASTS, MISCS, WATERS, STYLES, MASHS or EQUIPMENTS.\nNothing "
     "was imported."},
    // BeerXML import: bytes that are not in the declared encoding (line, encoding)
    {1357,
     "File Error:\nThe BeerXML file %1 is not written in the %3 encoding it declares: the first "
     "wrong character is on line %2.\nSave the file as UTF-8, or declare the encoding it is "
     "written in; nothing was imported."},
    // BeerXML import: an encoding the program cannot read
    {1358,
     "File Error:\nThe BeerXML file %1 declares the encoding %2, which cannot be read.\nSave the "
     "file as UTF-8; nothing was imported."},
    // BeerXML export: no recipe has the batch number asked for
    {1359, "Data Error:\nThere is no recipe with batch number %1 to export."},
    // BeerXML import: reasons given in message 1353
    {1360, "%1 has no NAME."},
    {1361, "%1 has a negative %2 (%3)."},
    {1362, "%1: the %2 \"%3\" is not a number."},
    {1363, "%1: the %2 \"%3\" is in a unit that is not understood."},
    {1364, "%1: the %2 \"%3\" is none of %4."},
    {1365, "elements are nested more than %1 deep."},
    // BeerXML import: reasons given in message 1351
    {1366, "the file ends before its last element is closed"},
    {1367, "there is no element in it"},
    // BeerXML import: lines of a recipe's loss report
    {1370, "%1: not imported"},
    {1371, "%1 = %2: not imported"},
    {1372, "%1 = %2: stored as %3"},
    {1373, "%1: the recipe has no ingredients; imported without any"},
    {1374,
     "%1 = %2: not imported; worked out by the program that wrote the file (this program "
     "predicts %3)"},
    {1375, "%1 = %2: read as %3 in the standard's unit"},
    {1376, "%1: not imported (%2)"},
    {1377,
     "%1: stored in metric measures; the gravity and bitterness calculations are designed around "
     "English measures"},
    {1378, "%1: missing; stored as %2"},
    {1379, "%1: %2 records outside any recipe; not imported"},
    // BeerXML import: parts of loss report lines
    {1380, "boil time %1"},
    {1381, "the four mash steps are taken"},
    {1382, "not a date this program reads"},
    {1383, "a hopped extract; enter its HBU by hand"},
    {1384, "%1 (a whole number)"},
    {1385, "part of the name: %1"},
    // BeerXML import and export: what was done
    {1386, "%1 recipes imported from %2."},
    {1387, "%1 recipes exported to %2."},
    // BeerXML import: why the bitterness the file states differs from the prediction
    {1388,
     "%1: this program divides each hop's bitterness by the boil size (%2 litres), where the file's "
     "figure may rest on the batch size (%3 litres)"},
    // BeerXML export from the File menu: the current recipe or all of them
    {1390,
     "Export only the current recipe, %1?\nYes exports this recipe only; No exports all %2 "
     "recipes of the database; Cancel exports nothing."},
    // caption of the window that shows the loss report of a BeerXML import
    {1391, "BeerXML Import"},
    // status prompt and tooltip of the Import BeerXML command
    {1392, "Add the recipes of a BeerXML file to the recipe database\nImport BeerXML"},
    // status prompt and tooltip of the Export BeerXML command
    {1393, "Write the current recipe or all recipes as a BeerXML file\nExport BeerXML"},
    // loss report window: the heading of an imported recipe (batch, name)
    {1394, "Batch %1: %2"},
    // loss report window: a recipe that lost nothing
    {1395, "everything imported"},
    // restore a backup: the question before the recipe database is replaced (date, path)
    {1470,
     "Warning:\nRestoring puts the recipes of the backup made %1 in the place of every recipe "
     "in\n%2\n\nThe recipe database as it is now is kept as a backup first.  Do you want to "
     "restore this backup?"},
    // backups: the copy made on opening failed its integrity check (path)
    {1471,
     "Warning:\nToday's backup of the recipe database\n%1\nfailed its integrity check and was "
     "deleted; the older backups are kept.\n\nThe recipe database itself may be damaged.  Tools, "
     "Database, Repair... checks it and repairs it."},
    // backups: no copy could be made on opening (path, the engine's reason)
    {1472, "Warning:\nNo backup of the recipe database\n%1\ncould be made today.\n\n%2"},
    // restore a backup: the chosen copy failed its integrity check (backup path, recipe path)
    {1473,
     "File Error:\nThe backup\n%1\nfailed its integrity check (it is damaged, or it is not a "
     "recipe database) and was not restored.\n\nThe recipe database %2 was not changed."},
    // restore a backup: done (path, date of the backup)
    {1474,
     "Support Program Message:\nThe recipe database %1 was restored from the backup made "
     "%2.\n\nIts recipes as they were before are kept as a backup of today."},
    // status prompt and tooltip of the Restore Backup command
    {1476, "Put a kept backup in the place of the open recipe database\nRestore Backup"},
    // the library of the windows opened on first use cannot be loaded (library name, reasons)
    {1490,
     "File Error:\nThis window is part of the library %1, which could not be loaded.\n\n%2\n\n"
     "Install Maltwise Calculator again to put the library back.  The recipes are not "
     "affected."},
    // status prompt and tooltip of a command
    {32769, "Change the page layout\nPage Setup"},
    // status prompt and tooltip of the Add record command
    {32771, "Add a new record\nNew Record"},
    // status prompt and tooltip of a command
    {32782, "Add, change or delete hop varieties\nHops"},
    // status prompt and tooltip of a command
    {32785, "Add, change or delete water profiles\nWaters"},
    // status prompt and tooltip of a command
    {32789, "Add, change or delete glossary terms\nGlossary"},
    // status prompt and tooltip of a command
    {32790, "Add, change or delete suppliers\nSuppliers"},
    // status prompt and tooltip of a command
    {32793, "Add, change or delete beer styles\nStyles"},
    // status prompt and tooltip of a command
    {32796, "Add, change or delete yeasts\nYeasts"},
    // status prompt and tooltip of a command
    {32798, "Add, change or delete grains and malts\nGrains"},
    // status prompt and tooltip of a command
    {32802, "Read about beer styles\nBeer Styles"},
    // status prompt and tooltip of a command
    {32804, "Read about grains and malts\nGrains"},
    // status prompt and tooltip of a command
    {32806, "Read about brewing water\nWaters"},
    // status prompt and tooltip of a command
    {32807, "Read about yeasts\nYeasts"},
    // status prompt and tooltip of a command
    {32808, "Read about creating a beer recipe\nCreating a Recipe"},
    // status prompt and tooltip of a command
    {32811, "View the current recipe on the recipe form\nRecipe Form"},
    // status prompt and tooltip of a command
    {32813, "View the recipe label\nRecipe Label"},
    // status prompt and tooltip of a command
    {32814, "Show a brewing tip\nTip of the Day"},
    // status prompt and tooltip of the Delete record command (typo kept)
    {32830, "Delete the currect record\nDelete Record"},
    // status prompt and tooltip of the Refresh record command
    {32831, "Refresh current record's data\nRefresh Record"},
    // status prompt and tooltip of View > Recipe Log
    {32832, "View the recipe log\nLog View"},
    // status prompt and tooltip of a command
    {32837, "Choose the report to preview or print\nSelect a Report"},
    // status prompt and tooltip of a command
    {32838, "Preview the selected report\nPreview Report"},
    // status prompt and tooltip of a command
    {32839, "Print the selected report\nPrint Report"},
    // status prompt and tooltip of a command
    {32842, "Compress a database file to reclaim unused space\nCompress Database"},
    // status prompt and tooltip of a command
    {32843, "Repair a damaged database file\nRepair Database"},
    // status prompt and tooltip of the Copy record command
    {32845, "Copy the record\nCopy Record"},
    // status prompt and tooltip of a command
    {32846, "Add, change or delete malt extracts\nExtracts"},
    // status prompt and tooltip of a command
    {32848, "Add, change or delete beer kits\nKits"},
    // status prompt and tooltip of a command
    {32849, "Read about malt extracts\nExtracts"},
    // status prompt and tooltip of a command
    {32853, "Delete the ingredient of the current row\nDelete Ingredient"},
    // status prompt and tooltip of a command
    {32854, "Calculate the bitterness of the current hop row\nCalculate Bitterness"},
    // status prompt and tooltip of a command
    {32855, "Select an ingredient for the current row\nSelect Ingredient"},
    // status prompt and tooltip of a command
    {32856, "Show the ingredient commands\nIngredient Menu"},
    // status prompt and tooltip of a command
    {32857, "Close the menu\nCancel Menu"},
    // status prompt and tooltip of a command
    {32865, "Add, change or delete adjuncts\nAdjuncts"},
    // status prompt and tooltip of a command
    {32866, "Set preferences, default databases and external tools\nOptions"},
    // status prompt and tooltip of a command
    {32869, "Read about adjuncts\nAdjuncts"},
    // status prompt and tooltip of a command
    {32870, "Read about brewing with kits\nBrewing Kits"},
    // status prompt and tooltip of a command
    {32871, "Read about hops\nHops"},
    // status prompt and tooltip of a command
    {32873, "Read the brewing glossary\nGlossary"},
    // status prompt and tooltip of a command
    {32874, "Read how to brew beer, step by step\nHow to Brew"},
    // status prompt of the Tools > 1 command
    {32876, "Run Tool 1"},
    // status prompt and tooltip of a command
    {32877, "Run Tool 2"},
    // status prompt and tooltip of a command
    {32878, "Run Tool 3"},
    // status prompt and tooltip of a command
    {32879, "Open the help home page\nHelp Home Page"},
    // status prompt and tooltip of a command
    {32880, "Solve for original gravity, weight, extract potential or boil volume\nOriginal Gravity Calculator"},
    // status prompt and tooltip of a command
    {32882, "Solve for alcohol content, original gravity or terminal gravity\nAlcohol Calculator"},
    // status prompt and tooltip of a command
    {32883, "Convert specific gravity to degrees Balling and back\nSG to/from Balling"},
    // status prompt and tooltip of a command
    {32884, "Convert alcohol by volume to alcohol by weight and back\nABV to/from ABW"},
    // program name (about box name line)
    {57344, "Maltwise Calculator"},
    // status bar text when nothing else is shown
    {57345, "For Help, press F1"},
    // status prompt and tooltip of a command
    {57601, "Open an existing recipe database\nOpen"},
    // status prompt and tooltip of a command
    {57602, "Close the recipe database\nClose"},
    // status prompt and tooltip of a command
    {57603, "Save the current recipe\nSave"},
    // status prompt and tooltip of a command
    {57606, "Change the printer and printing options\nPrint Setup"},
    // status prompt and tooltip of a command
    {57607, "Print the current recipe\nPrint"},
    // status prompt and tooltip of a command
    {57609, "Show how the current recipe will print\nPrint Preview"},
    // status prompt and tooltip of a command
    {57616, "Open this recipe database"},
    // status prompt and tooltip of a command
    {57617, "Open this recipe database"},
    // status prompt and tooltip of a command
    {57618, "Open this recipe database"},
    // status prompt and tooltip of a command
    {57619, "Open this recipe database"},
    // status prompt and tooltip of a command
    {57634, "Copy the selection and put it on the clipboard\nCopy"},
    // status prompt and tooltip of a command
    {57635, "Cut the selection and put it on the clipboard\nCut"},
    // status prompt and tooltip of a command
    {57637, "Insert the clipboard contents\nPaste"},
    // status prompt and tooltip of a command
    {57643, "Undo the last change\nUndo"},
    // status prompt and tooltip of a command
    {57649, "Arrange minimized windows at the bottom\nArrange Icons"},
    // status prompt and tooltip of a command
    {57650, "Arrange the windows so they overlap\nCascade Windows"},
    // status prompt and tooltip of a command
    {57651, "Arrange the windows side by side\nTile Windows"},
    // status prompt and tooltip of a command
    {57664, "Show the program's version and copyright\nAbout"},
    // status prompt and tooltip of a command
    {57665, "Quit Maltwise Calculator\nExit"},
    // status prompt and tooltip of a command
    {57667, "List the help topics\nHelp Contents"},
    // status prompt and tooltip of a command
    {57668, "Learn how to use the help\nUsing Help"},
    // status prompt and tooltip of a command
    {57669, "Show help for the button, menu or window you click next\nHelp"},
    // status prompt and tooltip of a command
    {57670, "Show help for the current window\nHelp"},
    // status prompt and tooltip of a command
    {59392, "Show or hide the toolbar\nToggle Toolbar"},
    // status prompt and tooltip of a command
    {59393, "Show or hide the status bar\nToggle Status Bar"},
    // status prompt and tooltip of a command
    {59648, "Go to the first recipe\nFirst Record"},
    // status prompt and tooltip of a command
    {59649, "Go to the last recipe\nLast Record"},
    // status prompt and tooltip of a command
    {59650, "Go to the next recipe\nNext Record"},
    // status prompt and tooltip of a command
    {59651, "Go to the previous recipe\nPrevious Record"},
};

const std::size_t kCatalogueEntryCount = sizeof(kCatalogueEntries) / sizeof(kCatalogueEntries[0]);

}  // namespace mw
