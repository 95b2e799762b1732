#include "controls/memo/completion_list.h"

#include "controls/memo/memo_popups.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/system_metrics.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int ImageSpace = 20; // the kind image and the gap after it

// Images of kinds 1 to 6 in FBitmaps: functions and procedures share one.
constexpr std::array<int, 7> ImageOfKind{-1, 0, 1, 2, 4, 3, 3};
constexpr std::array<const char*, 5> ImageResources{"KRN_VAR", "KRN_PROP", "KRN_EVENT", "KRN_PROC",
                                                    "KRN_METHOD"};

std::string BeforeFirstSpace(const std::string& entry)
{
    const size_t space = entry.find(' ');
    return space == std::string::npos ? std::string() : entry.substr(0, space + 1);
}

} // namespace

int CompletionKind(const TStrings& list, int index)
{
    return static_cast<int>(reinterpret_cast<intptr_t>(list.GetObject(index)));
}

TObject* CompletionKindObject(int kind)
{
    return reinterpret_cast<TObject*>(static_cast<intptr_t>(kind));
}

std::string WithoutKindWord(const std::string& entry)
{
    const size_t space = entry.find(' ');
    return space == std::string::npos ? entry : entry.substr(space + 1);
}

size_t ParametersStart(const std::string& text)
{
    const size_t paren = text.find('(');
    return paren != std::string::npos ? paren : text.find('[');
}

// --- TAutoCompletionListBox
// ----------------------------------------------------------------------------------

TAutoCompletionListBox::TAutoCompletionListBox(TComponent* owner) : TCustomListBox(owner)
{
    LoadBuiltInImages();
}

TAutoCompletionListBox::~TAutoCompletionListBox()
{
    FImages = nullptr;
}

void TAutoCompletionListBox::LoadBuiltInImages()
{
    for (size_t i = 0; i < FBitmaps.size(); ++i) {
        FBitmaps[i] = std::make_unique<TBitmap>();
        FBitmaps[i]->LoadFromResourceName(ImageResources[i]);
    }
}

void TAutoCompletionListBox::SetImageList(TCustomImageList* value)
{
    FImages = value;
    if (!value) {
        LoadBuiltInImages();
        return;
    }
    // The list's order: variable, property, event, procedure, method.
    for (size_t i = 0; i < FBitmaps.size(); ++i) {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->SetPixelFormat(pf24bit);
        value->GetBitmap(static_cast<int>(i), bitmap.get());
        FBitmaps[i] = std::move(bitmap);
    }
}

TBitmap* TAutoCompletionListBox::KindImage(int kind) const
{
    if (kind < 1 || kind > 6)
        return nullptr;
    return FBitmaps[static_cast<size_t>(ImageOfKind[static_cast<size_t>(kind)])].get();
}

int TAutoCompletionListBox::AutoAdaptWidth()
{
    TCanvas& canvas = *Canvas();
    canvas.SetFont(Font());
    FIdentifierWidth = 0;
    for (int i = 0; i < Count(); ++i)
        FIdentifierWidth = std::max(FIdentifierWidth, canvas.TextWidth(BeforeFirstSpace(Items()->Get(i))));
    int widest = 0;
    for (int i = 0; i < Count(); ++i) {
        const std::string entry = Items()->Get(i);
        const bool hasKindWord = entry.find(' ') != std::string::npos;
        int sum = hasKindWord ? FIdentifierWidth : 0;
        const std::string text = WithoutKindWord(entry);
        const size_t parameters = std::min(ParametersStart(text), text.size());
        canvas.Font()->SetStyle({fsBold});
        sum += canvas.TextWidth(text.substr(0, parameters));
        canvas.Font()->SetStyle({});
        sum += canvas.TextWidth(text.substr(parameters));
        widest = std::max(widest, sum);
    }
    if (ShowImages)
        widest += ImageSpace;
    SetItemHeight(std::max(canvas.TextHeight("h_") + 1, 16));
    return GetSystemMetrics(SM_CXVSCROLL) + widest + 8;
}

void TAutoCompletionListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state)
{
    TCanvas& canvas = *Canvas();
    canvas.Pen()->SetColor(canvas.Brush()->Color());
    canvas.FillRect(rect);
    if (index < 0)
        return;
    const bool selected = state.Contains(odSelected);
    const int kind = CompletionKind(*Items(), index);
    const std::string entry = Items()->Get(index);
    int x = rect.Left;
    if (ShowImages && kind >= 1 && kind <= 6) {
        TBitmap* image = KindImage(kind);
        image->SetTransparentColor(clLime);
        image->SetTransparent(true);
        canvas.Draw(rect.Left, rect.Top, image);
        x += ImageSpace;
    }
    canvas.Brush()->SetStyle(bsClear);
    const TColor textColor = canvas.Font()->Color();
    if (entry.find(' ') != std::string::npos) {
        if (!selected && kind >= 0 && kind <= 6)
            canvas.Font()->SetColor(KindColors[static_cast<size_t>(kind)]);
        canvas.TextOut(x, rect.Top, BeforeFirstSpace(entry));
        x += FIdentifierWidth;
    }
    canvas.Font()->SetColor(selected ? textColor : Font()->Color());
    DrawNameAndParameters(canvas, x, rect.Top, WithoutKindWord(entry));
}

void TAutoCompletionListBox::DrawNameAndParameters(TCanvas& canvas, int x, int y, const std::string& text)
{
    const size_t parameters = std::min(ParametersStart(text), text.size());
    const TFontStyles style = canvas.Font()->Style();
    canvas.Font()->SetStyle(style + TFontStyles{fsBold});
    const std::string name = text.substr(0, parameters);
    canvas.TextOut(x, y, name);
    x += canvas.TextWidth(name);
    canvas.Font()->SetStyle(style);
    canvas.TextOut(x, y, text.substr(parameters));
}

void TAutoCompletionListBox::MoveByKey(uint16_t key)
{
    Perform(WM_KEYDOWN, key, 0);
}

void TAutoCompletionListBox::Dispatch(TMessage& message)
{
    if (RefuseMouseActivation(message))
        return;
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        // A press chooses the entry and leaves the focus with the memo.
        const int index = ItemAtPos(TMouseView(message).Pos, true);
        if (index >= 0)
            SetItemIndex(index);
        return;
    }
    }
    TCustomListBox::Dispatch(message);
}

// --- TVezAutoform
// --------------------------------------------------------------------------------------------

TVezAutoform::TVezAutoform(TComponent* owner) : TForm(owner) {}

void TVezAutoform::CreateParams(TCreateParams& params)
{
    TForm::CreateParams(params);
    params.Style = (params.Style & ~(WS_CAPTION | WS_THICKFRAME)) | WS_POPUP;
    params.ExStyle = (params.ExStyle & ~WS_EX_CLIENTEDGE) | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    params.Style |= BorderStyle() == bsSizeToolWin ? WS_DLGFRAME | WS_THICKFRAME : WS_BORDER;
    if (Shadow)
        params.WindowClass.style |= CS_DROPSHADOW;
}

void TVezAutoform::Dispatch(TMessage& message)
{
    if (!RefuseMouseActivation(message))
        TForm::Dispatch(message);
}
