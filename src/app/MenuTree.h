#pragma once
#include <vector>

namespace kelvara {

// What the main window does after showing a calculator window.
enum class AfterOpen { Nothing, Cascade, WidenAndCascade };

// One item of a menu. A separator has the caption "-". An item that opens a
// window names that window's form; the others are commands of the main window.
struct MenuItemSpec {
    const char* Name;
    const char* Caption;
    const char* FormName = "";
    AfterOpen Then = AfterOpen::Nothing;

    bool isSeparator() const { return Caption[0] == '-' && Caption[1] == '\0'; }
    bool opensWindow() const { return FormName[0] != '\0'; }
};

struct MenuSpec {
    const char* Name;
    const char* Caption;
    std::vector<MenuItemSpec> Items;
};

// The main window's menu bar, left to right.
const std::vector<MenuSpec>& MainMenuTree();

// The item of the given name, or nullptr.
const MenuItemSpec* MenuItemNamed(const char* itemName);

}  // namespace kelvara
