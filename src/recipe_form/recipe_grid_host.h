#pragma once

#include <QtGlobal>

namespace mw::recipe_form {

// What the ingredients grid needs from the recipe form that hosts it. The
// form implements it; tests give the grid a small fake.
class RecipeGridHost {
public:
    virtual ~RecipeGridHost() = default;

    // The recipe whose ingredients the sheets show; 0 for a recipe that has
    // not been written yet.
    virtual qint32 currentRecipeId() const = 0;
    // A new recipe (Add or Copy) that has not been written for the first time.
    virtual bool isAdding() const = 0;
    // "DisplayDeleteWarnings": ask before an ingredient is deleted.
    virtual bool displayDeleteWarnings() const = 0;
    // Any change to an ingredient marks the recipe changed.
    virtual void setModified() = 0;
    // A new recipe must be written before its first ingredient row can carry
    // its RecipeID: transfer the form into the record, write it, reopen it
    // for editing and clear the adding flag. Returns the new RecipeID, or 0
    // when it could not be written (the error has been shown).
    virtual qint32 storeNewRecipe() = 0;
    // The bitterness of one hop row (rows from 1); `unitChanging` while the
    // row's unit cell still holds the unit being replaced.
    virtual void calcHopRow(int row, bool unitChanging) = 0;
    // The main frame's progress indicator while the sheets are bound (30 to 90).
    virtual void showProgress(int percent) = 0;
};

}  // namespace mw::recipe_form
