#pragma once

#include "platform/gui/core/set_of.h"

#include <functional>
#include <string>

// The vocabulary of docks and the windows that lie in them.

class TObject;
class TBarDock;
class TBarCustomDockableWindow;

// The edge of the form a dock lies along.
enum TBarDockPosition
{
    dpTop,
    dpBottom,
    dpLeft,
    dpRight
};
using TBarDockableTo = TSet<TBarDockPosition>;

// How far a window may leave its dock.
enum TBarDockMode
{
    dmCanFloat,
    dmCannotFloat,
    dmCannotFloatOrChangeDocks
};

enum TBarDragHandleStyle
{
    dhDouble,
    dhNone,
    dhSingle
};

// What a window does when its row is too short for it.
enum TBarShrinkMode
{
    tbsmNone,
    tbsmWrap,
    tbsmChevron
};

// Where a window is, as its layout sees it.
enum TBarDockKind
{
    dkNotDocked,
    dkFloating,
    dkHorizontal,
    dkVertical
};

// What a floating window stays above.
enum TBarFloatingMode
{
    fmOnTopOfParentForm,
    fmOnTopOfAllForms
};

enum TBarDockableWindowStyle
{
    tbdsResizeEightCorner, // a floating frame is sized from its corners too
    tbdsResizeClipCursor   // the pointer stays on the screen while a floating frame is sized
};
using TBarDockableWindowStyles = TSet<TBarDockableWindowStyle>;

// The edge or corner a floating frame is sized from, in the order of the frame's hit-test codes.
enum TBarSizeHandle
{
    twshLeft,
    twshRight,
    twshTop,
    twshTopLeft,
    twshTopRight,
    twshBottom,
    twshBottomLeft,
    twshBottomRight
};

// The non-client hit-test codes of docked windows and floating frames.
constexpr int HTBARDRAGHANDLE = 2000;
constexpr int HTBARCLOSE = 2001;
constexpr int HTBARCAPTION = 2002;

// The store a window's place is read from and written to, by window name and key.
using TBarPositionReadIntProc = std::function<int(const std::string& toolbarName, const std::string& value,
                                                  int defaultValue, void* extra)>;
using TBarPositionReadStringProc = std::function<std::string(
    const std::string& toolbarName, const std::string& value, const std::string& defaultValue, void* extra)>;
using TBarPositionWriteIntProc =
    std::function<void(const std::string& toolbarName, const std::string& value, int data, void* extra)>;
using TBarPositionWriteStringProc = std::function<void(
    const std::string& toolbarName, const std::string& value, const std::string& data, void* extra)>;

struct TBarReadPositionData
{
    TBarPositionReadIntProc ReadIntProc;
    TBarPositionReadStringProc ReadStringProc;
    void* ExtraData = nullptr;
};

struct TBarWritePositionData
{
    TBarPositionWriteIntProc WriteIntProc;
    TBarPositionWriteStringProc WriteStringProc;
    void* ExtraData = nullptr;
};

using TBarDockChangingEvent = std::function<void(TObject* sender, bool floating, TBarDock* dockingTo)>;
using TBarInsertRemoveEvent =
    std::function<void(TObject* sender, bool inserting, TBarCustomDockableWindow* bar)>;
using TBarRequestDockEvent =
    std::function<void(TObject* sender, TBarCustomDockableWindow* bar, bool& accept)>;
