#pragma once
#include <cstddef>
#include <span>

// The main frame's menu bar, accelerator table and toolbar (resource 128) as
// plain data; the shell builds the toolkit's objects from it.

// A menu item; id 0 marks a separator.
struct MenuItemResource {
    int id;
    const char* label;
};

struct MenuResource {
    const char* title;
    std::span<const MenuItemResource> items;
};

std::span<const MenuResource> MainMenuResource();

enum AccelModifier : int { kAccelNone = 0, kAccelCtrl = 1, kAccelShift = 2, kAccelAlt = 4 };
enum class AccelKey { Letter, Delete, Insert, Back, F1, F6 };

struct AcceleratorResource {
    int modifiers;
    AccelKey key;
    char letter;  // for AccelKey::Letter, upper case
    int command;
};

std::span<const AcceleratorResource> MainAcceleratorResource();

// The toolbar's buttons from left to right; 0 marks a separator.
std::span<const int> MainToolbarResource();
