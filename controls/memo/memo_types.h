#pragma once

#include "platform/gui/core/classes.h"
#include "platform/gui/core/set_of.h"
#include "support/basic_types.h"

#include <functional>
#include <string>

class TCanvas;
class TPopupMenu;
class TMenuItem;
class TStringList;

// Value types and event types of the memo.

// A cell of the view: column and row.
struct TCellPos
{
    int32_t X = 0;
    int32_t Y = 0;
};

// The character cell: width and line height in pixels.
struct TCellSize
{
    int32_t W = 0;
    int32_t H = 0;
};

// A line and a column (1-based where an operation says so).
struct TFullPos
{
    int32_t LineNo = 0;
    int32_t Pos = 0;
};

enum TWordWrapStyle
{
    wwNone,
    wwClientWidth,
    wwRightMargin
};

enum TSelectionMode
{
    smText,
    smBlock
};

// A place in the author's text: the author's line (a line and its wrap continuations joined) and the column
// in it. Undo records keep their places so, because an edit re-breaks the rows after it.
struct TAuthorPos
{
    int32_t X = 0;
    int32_t Y = 0;
    bool operator==(const TAuthorPos&) const = default;
};

// What happens when the cursor leaves the view on an axis without a wanted bar.
enum TScrollMode
{
    smAuto,
    smStrict
};

// When the parameter hint shows; in a namespace of its own because the grid's hint positions take the name
// hpNone too.
namespace AutoHint {
enum TAutoHintParameters
{
    hpAuto,
    hpManual,
    hpNone
};
} // namespace AutoHint
using AutoHint::TAutoHintParameters;

enum TAutoHintParameterPosition
{
    hpBelowCode,
    hpAboveCode
};

enum TMemoClipboardFormat
{
    cfText,
    cfRTF,
    cfHTML
};
using TMemoClipboardFormats = TSet<TMemoClipboardFormat>;

// What the memo takes from drags of other programs: dropped files (the first is loaded) and text.
enum TOleDropTargetType
{
    odtFile,
    odtText
};
using TOleDropTarget = TSet<TOleDropTargetType>;

enum TClipboardAction
{
    caCopy,
    caCut,
    caPaste
};

using TMemoColumnChangeEvent = std::function<void(int curXPos)>;
using TMemoActiveLineChangeEvent = std::function<void(int curYPos)>;
using TUndoChangeEvent = std::function<void(TObject* sender, bool canUndo, bool canRedo)>;
using TGutterClickEvent = std::function<void(TObject* sender, int lineNo)>;
using TGutterDrawEvent = std::function<void(TObject* sender, TCanvas* canvas, int lineNo, TRect rect)>;
using TVezMemoScrollHintEvent = std::function<void(TObject* sender, int row, std::string& hintStr)>;
using TMemoFileNameChangeEvent = std::function<void(TObject* sender, const std::string& fileName)>;
using TMemoLineBkColorEvent = std::function<void(TObject* sender, int lineNo, TColor& bkColor)>;
using TMemoClipboardEvent = std::function<void(TObject* sender, TClipboardAction action, bool& allow)>;
using TOleDropTextEvent = std::function<void(TObject* sender, int x, int y, std::string& text, bool& allow)>;
using TOleDropFileEvent =
    std::function<void(TObject* sender, int x, int y, const std::string& fileName, bool& allow)>;
using TOleTextDraggedEvent = std::function<void(TObject* sender, const std::string& text, bool copyText)>;
using TCustomizeContextMenuEvent =
    std::function<void(TObject* sender, int curX, int curY, TPopupMenu* contextMenu)>;
using TCustomContextMenuClickEvent = std::function<void(TObject* sender, TMenuItem* menuItem)>;
using TAllowEvent = std::function<void(TObject* sender, bool& allow)>;
using TMemoWordEvent =
    std::function<void(TObject* sender, const std::string& word, std::string& replacement)>;
using TVezMemoFileDropEvent =
    std::function<void(TObject* sender, const std::string& fileName, bool& defaultHandler)>;
using TCodeFoldEvent = std::function<void(TObject* sender, int lineNo, bool expanded)>;
using TURLClick = std::function<void(TObject* sender, const std::string& url)>;
using TWordIsURLEvent = std::function<void(TObject* sender, const std::string& word, bool& isUrl)>;
using TMemoGetCompletionListEvent =
    std::function<void(TObject* sender, const std::string& token, TStringList* list)>;
using TMemoGetCompletionListIndexEvent =
    std::function<void(TObject* sender, const std::string& token, TStringList* list, int& index)>;
using TMemoInsertCompletionEntryEvent = std::function<void(TObject* sender, std::string& entry)>;
using TMemoGetParameterHintEvent =
    std::function<void(TObject* sender, const std::string& token, std::string& parameterHint, bool& handled)>;
