#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "calc/sheets.h"
#include "recipe_form/lookup_choices.h"

namespace mw::recipe_form {

// What the ingredients grid writes into its rows: the texts a new row starts
// with, and the texts an ingredient chosen from a lookup gives a row (every
// column but the last, the owning recipe, which a choice leaves alone).

// A new row's cell; the last column holds the recipe in decimal, a column
// beyond it is empty.
QString newRowText(calc::Sheet sheet, int column, qint32 recipeId);

QStringList rowTexts(const KitChoice& kit);
// An extract whose gravity is not known reads 1.045 when dry, 1.037 as syrup.
QStringList rowTexts(const ExtractChoice& extract);
QStringList rowTexts(const GrainChoice& grain);
QStringList rowTexts(const AdjunctChoice& adjunct);
QStringList rowTexts(const HopChoice& hop);
// A yeast without a positive attenuation enters with 75 percent.
QStringList rowTexts(const YeastChoice& yeast);

// Catalogue number of the sheet's ingredient type ("Kit", "Hops", ...).
int ingredientTypeNumber(calc::Sheet sheet);

}  // namespace mw::recipe_form
