#include "controls/memo/vez_custom_memo.h"

#include "controls/memo/flag_holder.h"
#include "platform/gui/graphics/text_metrics.h"
#include "platform/gui/services/dropped_files.h"
#include "platform/gui/standard/edits.h"
#include "platform/gui/windows/window_functions.h"

#include <cstdio>

// The memo's life: the objects it owns in the order it makes them, every value it starts with, copying,
// the messages it answers itself, the reaction to a change of its lines and the hooks its events go through.

TVezCustomMemo::TVezCustomMemo(TComponent* owner) : TCustomControl(owner), FOwner(owner)
{
    CreateOwnedObjects();
    SetControlStyle({csCaptureMouse, csClickEvents, csDoubleClicks, csReplicatable});
    SetBounds(Left(), Top(), 100, 40);
    SetTabStop(true);
    TCustomControl::SetCursor(crIBeam);
    FOldCursor = crIBeam;
    FUndoList->SetLimit(FUndoLimit);
    PlaceGutter();
    if (FStylerList)
        FStylerList->AddStylersOf(FOwner);
    FConstructing = false;
    MeasureCharCell();
}

void TVezCustomMemo::CreateOwnedObjects()
{
    FUrlStyle = std::make_unique<TCharStyle>(clBlue, clWhite, TFontStyles{fsUnderline});
    FFont = std::make_unique<TFont>();
    FFont->SetName("Courier New");
    FFont->SetSize(10);
    FFont->OnChange = [this](TObject* sender) { MeasureCharCell(sender); };
    Canvas()->SetFont(FFont.get());
    FHtml = std::make_unique<TStringList>();
    FLines = std::make_unique<TVezMemoStrings>();
    FLines->Add(""); // before the memo link, so that the line gets its property and length
    FLines->OnChange = [this](TObject* sender) { LinesChanged(sender); };
    FLines->SetMemo(this);
    FPrintOptions = std::make_unique<TPrintOptions>();
    FAutoCorrect = std::make_unique<TAutoCorrect>();
    FAutoCompletion = std::make_unique<TAutoCompletion>(this);
    FMarkerList = std::make_unique<TVezMarkerList>(this);
    FStylerList = new TVezStylerList(this);
    LoadImages();
    FWWList = std::make_unique<TIntList>();
    FBookmarkList = std::make_unique<TIntList>();
    for (int i = 0; i < 10; ++i)
        FBookmarkList->Add(-1);
    FMemoLines = std::make_unique<TMemoLines>();
    CreateScrollBars();
    FActiveLineSettings = std::make_unique<TVezActiveLineSettings>(this);
    FGutter = std::make_unique<TVezGutter>(this);
    FLineBitmap = std::make_unique<TBitmap>();
    FUndoList = std::make_unique<TVezUndoList>();
    FUndoList->SetMemo(this);
    FUILanguage = std::make_unique<TUILanguage>(this);
    FHintForm = new TVezHintForm(this);
    Timer = std::make_unique<TTimer>(nullptr);
    Timer->SetEnabled(false);
    Timer->SetInterval(static_cast<unsigned>(FAutoHintParameterDelay));
    FAutoCompleteTimer = std::make_unique<TTimer>(nullptr);
    FAutoCompleteTimer->SetEnabled(false);
    FAutoCompleteTimer->SetInterval(500);
    FAutoCompletion->OnDelayChange = [this](int delay) {
        FAutoCompleteTimer->SetInterval(static_cast<unsigned>(std::max(delay, 0)));
    };
    FAutoCompleteList = std::make_unique<TStringList>();
    ConnectPopupHandlers();
    FScrollHintWindow = new THintWindow(this);
    FScrollHintWindow->SetVisible(false);
    FCodeFolding = std::make_unique<TCodeFolding>();
    FCodeFolding->FOnChange = [this](TObject* sender, int changeMsg) {
        CodeFoldingChanged(sender, changeMsg);
    };
}

// The bookmark glyph and the context menu's images are program resources; a missing one makes the
// constructor raise, and no memo is made.
void TVezCustomMemo::LoadImages()
{
    FBookmarkBmp = std::make_unique<TBitmap>();
    FBookmarkBmp->LoadFromResourceName("KRN_BOOK");
    FContextMenuImages = new TImageList(this);
    FContextMenuImages->SetMasked(true);
    FContextMenuImages->SetDrawingStyle(dsTransparent);
    for (const char* name : {"KRN_CUT", "KRN_COPY", "KRN_PASTE", "KRN_UNDO", "KRN_REDO"}) {
        TBitmap image;
        image.LoadFromResourceName(name);
        FContextMenuImages->AddMasked(&image, clWhite);
    }
}

TVezCustomMemo::~TVezCustomMemo()
{
    DetachMemoSource();
    FLines->OnChange = nullptr;
    FLines->SetMemo(nullptr);
    if (FInternalStyles)
        FInternalStyles->AllStyles()->FOwner = nullptr;
    if (Timer)
        Timer->SetEnabled(false);
    FUndoList->SetMemo(nullptr);
}

void TVezCustomMemo::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN;
}

void TVezCustomMemo::CreateWnd()
{
    TCustomControl::CreateWnd();
    // The toolkit scales device pixels already; scaling the font again would scale twice.
    FDPIScale = 1.0f;
    // Dropped files are asked for once the window exists.
    if (FAcceptFiles)
        DragAcceptFiles(Handle(), true);
    if (!FOleDropTarget.Empty())
        RegisterOleDropTarget();
    if (!ComponentState().Contains(csLoading))
        UpdateStyleColors(false);
}

void TVezCustomMemo::Loaded()
{
    TCustomControl::Loaded();
    if (FAutoThemeAdapt)
        AdaptGutterToTheme();
    StylesChanged();
    UpdateStyleColors(false);
    UpdateMaxLength();
    UpdateScrollBars(true);
    if (FMemoSource)
        AttachSource();
}

void TVezCustomMemo::Notification(TComponent* component, TOperation operation)
{
    SourceNotification(component, operation);
    if (operation == opRemove && component && component == FInternalStyles) {
        FInternalStyles = nullptr;
        TCustomControl::Notification(component, operation);
        Invalidate();
        return;
    }
    TCustomControl::Notification(component, operation);
}

void TVezCustomMemo::LinesChanged(TObject* sender)
{
    if (!FLetRefresh || !FLetCursorUpdate)
        return;
    const TRect textBefore = GetTextAreaRect();
    const int leftColBefore = FLeftCol;
    UpdateWrap();
    // The lines after a change may start in other states now (kept ready for the next paint).
    FStatesRewrittenTo = -1;
    ValidateLineStates();
    TFlagHolder<std::optional<std::pair<int, int>>> changed(FChangedRows, RepaintableRows(sender));
    DoChange();
    UpdateMaxLength();
    UpdateScrollBars(false);
    MakeCursorVisible();
    if (FChangedRows && GetTextAreaRect() == textBefore && FLeftCol == leftColBefore)
        InvalidateRows(FChangedRows->first, FChangedRows->second);
    else
        InvalidateClient();
}

void TVezCustomMemo::InvalidateClient()
{
    if (HandleAllocated())
        InvalidateRect(Handle(), nullptr, false);
}

// --- version ----------------------------------------------------------------------------------------------

std::string TVezCustomMemo::Version() const
{
    const unsigned nr = static_cast<unsigned>(GetVersionNr());
    char text[32];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", nr >> 24, (nr >> 16) & 0xFF, (nr >> 8) & 0xFF, nr & 0xFF);
    return text;
}

std::string TVezCustomMemo::GetVersionString() const
{
    return Version() + " Jul, 2017";
}

// --- event hooks ------------------------------------------------------------------------------------------

void TVezCustomMemo::DoChange()
{
    if (OnChange && !FDisableChange)
        OnChange(this);
}

void TVezCustomMemo::DoSelectionChange()
{
    if (OnSelectionChange)
        OnSelectionChange(this);
}

void TVezCustomMemo::DoStatusChange()
{
    if (OnStatusChange)
        OnStatusChange(this);
}

void TVezCustomMemo::DoCursorChange()
{
    FCursorChangedTrigered = true;
    MarkMatchingBlocks();
    if (OnCursorChange)
        OnCursorChange(this);
}

void TVezCustomMemo::DoColumnChange(int curX)
{
    if (OnColumnChange)
        OnColumnChange(curX);
}

void TVezCustomMemo::DoActiveLineChange(int curY)
{
    if (OnActiveLineChange)
        OnActiveLineChange(curY);
}

void TVezCustomMemo::DoUndoChange()
{
    if (OnUndoChange)
        OnUndoChange(this, CanUndo(), CanRedo());
}

void TVezCustomMemo::DoSave()
{
    if (OnSave)
        OnSave(this);
}

void TVezCustomMemo::DoGutterClick(int lineNo)
{
    if (OnGutterClick)
        OnGutterClick(this, lineNo);
}

void TVezCustomMemo::DoLineBkColor(int lineNo, TColor& bkColor)
{
    if (OnLineBkColor)
        OnLineBkColor(this, lineNo, bkColor);
}

void TVezCustomMemo::DoClipboardAction(TClipboardAction action, bool& allow)
{
    if (OnClipboardAction)
        OnClipboardAction(this, action, allow);
}

void TVezCustomMemo::DoOleDropText(int x, int y, std::string& text)
{
    bool allow = true;
    if (OnOleDropText)
        OnOleDropText(this, x, y, text, allow);
    if (allow)
        InsertTextAtXY(text, x, y);
}

void TVezCustomMemo::DoOleDropFile(int x, int y, const std::string& fileName)
{
    bool allow = true;
    if (OnOleDropFile)
        OnOleDropFile(this, x, y, fileName, allow);
    if (allow) {
        ActiveLines()->LoadFromFile(fileName);
        Repaint();
    }
}

void TVezCustomMemo::DoOleTextDragged(const std::string& text, bool copyText)
{
    if (OnOleTextDragged)
        OnOleTextDragged(this, text, copyText);
}

void TVezCustomMemo::DoCustomizeContextMenu(int curX, int curY, TPopupMenu* contextMenu)
{
    if (OnCustomizeContextMenu)
        OnCustomizeContextMenu(this, curX, curY, contextMenu);
}

void TVezCustomMemo::DoCustomContextMenuClick(TMenuItem* menuItem)
{
    if (OnCustomContextMenuClick)
        OnCustomContextMenuClick(this, menuItem);
}

void TVezCustomMemo::DoIsURL(const std::string& word, bool& isUrl)
{
    if (OnIsURL)
        OnIsURL(this, word, isUrl);
}

void TVezCustomMemo::DoGetAutoCompletionList(const std::string& token, TStringList* list)
{
    if (OnGetAutoCompletionList)
        OnGetAutoCompletionList(this, token, list);
}

void TVezCustomMemo::DoGetAutoCompletionListIndex(const std::string& token, TStringList* list, int& index)
{
    if (OnGetAutoCompletionListIndex)
        OnGetAutoCompletionListIndex(this, token, list, index);
}

void TVezCustomMemo::DoGetParameterHint(const std::string& token, std::string& parameterHint, bool& handled)
{
    if (OnGetParameterHint)
        OnGetParameterHint(this, token, parameterHint, handled);
}

void TVezCustomMemo::DoInsertAutoCompletionEntry(std::string& entry)
{
    if (OnInsertAutoCompletionEntry)
        OnInsertAutoCompletionEntry(this, entry);
}

bool TVezCustomMemo::IsCompletionStartKey(char32_t key) const
{
    return DecodeLine(FAutoCompletion->StartToken()).find(key) != TLineText::npos;
}

bool TVezCustomMemo::ContainsCompletionStart(const std::string& s) const
{
    const TLineText text = DecodeLine(s);
    for (const char32_t ch : DecodeLine(FAutoCompletion->StartToken()))
        if (text.find(ch) != TLineText::npos)
            return true;
    return false;
}

bool TVezCustomMemo::IsCompletionWordChar(char32_t ch) const
{
    return ch == U'_' || ch == U'-' || IsWordChar(ch);
}

void TVezCustomMemo::GutterClickGotoLine(TObject*, int lineNo)
{
    SetCurY(lineNo);
    int offset = 0;
    TextFromPos(FCurX, FCurY, offset);
    SetSelStart(offset);
    SetSelLength(0);
}

bool TVezCustomMemo::MemoFocused() const
{
    return FAlwaysFocus || Focused();
}
