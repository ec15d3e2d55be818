#pragma once

#include <QKeySequence>

#include <span>

namespace mienlore {

// One item of the main menu; id 0 is a separator.
struct MenuItemDef {
    int id;
    const char* text; // UTF-8; the text after a tab is the accelerator shown
    bool disabledAtStart = false;
};

// One top-level menu of the main menu.
struct MenuDef {
    const char* title;
    std::span<const MenuItemDef> items;
    bool rightAligned = false; // placed at the right end of the menu bar
};

// Menu 128 in its order.
std::span<const MenuDef> MainMenuDefs();

// One entry of accelerator table 128.
struct AcceleratorDef {
    QKeySequence key;
    int id;
};

// Accelerator table 128 in its order; a key that occurs twice belongs to its
// first entry.
std::span<const AcceleratorDef> AcceleratorDefs();

// Buttons of toolbars 128 and 130; id 0 is a separator.
std::span<const int> Toolbar128();
std::span<const int> Toolbar130();

} // namespace mienlore
