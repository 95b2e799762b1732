#pragma once

// The font of menus: the desktop's menu font, shared by every view that has no font of its own.

class TFont;

TFont* FrameworkMenuFont();
// Takes the desktop's menu font again (after the desktop's settings changed).
void RecreateFrameworkMenuFont();
