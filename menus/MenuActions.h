#pragma once
// The main menu's items and what each does while highlighted: the menu
// object runs the actions, and they hand the frame to the screens.
class MenuTree;

void BuildMenuTree(MenuTree& tree);
