#pragma once

#include <array>
#include <string_view>

namespace model {

inline constexpr int CategoryCount = 10;
inline constexpr int NotesPage = 10;
inline constexpr int PageCount = 11;

// The component names of one category page; the settings store finds properties
// by these names, so they are spelled exactly, tsVegetables beside clbVeggies included.
struct CategoryNames {
    std::string_view designedName;
    std::string_view page;
    std::string_view list;
    std::string_view nameField;
    std::string_view quantityField;
    std::string_view addButton;
    std::string_view header;
};

inline constexpr std::array<CategoryNames, CategoryCount> Categories{{
    {"Dairy", "tsDairy", "clbDairy", "edtAddDairy", "spinDairyQuantity", "btnAddDairy", "hdrDairy"},
    {"Meat", "tsMeat", "clbMeat", "edtAddMeat", "spinMeatQuantity", "btnAddMeat", "hdrMeat"},
    {"Vegetables", "tsVegetables", "clbVeggies", "edtAddVeggies", "spinVeggiesQuantity",
     "btnAddVeggies", "hdrVeggies"},
    {"Fruits", "tsFruits", "clbFruits", "edtAddFruits", "spinFruitsQuantity", "btnAddFruits",
     "hdrFruits"},
    {"Grains", "tsGrains", "clbGrains", "edtAddGrains", "spinGrainsQuantity", "btnAddGrains",
     "hdrGrains"},
    {"Cans", "tsCans", "clbCans", "edtAddCans", "spinCansQuantity", "btnAddCans", "hdrCans"},
    {"Drinks", "tsDrinks", "clbDrinks", "edtAddDrinks", "spinDrinksQuantity", "btnAddDrinks",
     "hdrDrinks"},
    {"Freezer", "tsFreezer", "clbFreezer", "edtAddFreezer", "spinFreezerQuantity", "btnAddFreezer",
     "hdrFreezer"},
    {"Baby", "tsBaby", "clbBaby", "edtAddBaby", "spinBabyQuantity", "btnAddBaby", "hdrBaby"},
    {"Misc", "tsMisc", "clbMisc", "edtAddMisc", "spinMiscQuantity", "tnAddMisc", "hdrMisc"},
}};

} // namespace model
