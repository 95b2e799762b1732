#pragma once

// The sizes menus and toolbars are laid out with, scaled to the screen.

int MenuItemVerticalPadding();
int MenuImageColumnGap();
int MenuTextLeftGap();
int MenuTextRightGap();
int MenuSeparatorInset();
int PopupScrollArrowHeight();
int DropdownArrowWidth();
int DropdownArrowMargin();
int ComboSplitWidth();
int ComboSplitInset();
int LineBreakSeparatorSize();
int SeparatorLineOffset();
int SeparatorEdgeInset();
