#include "controls/edits/lookup_list.h"

#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"

std::pair<std::string, std::string> ValueBrackets(TValueSeparator separator)
{
    switch (separator) {
    case vsBracket:
        return {"(", ")"};
    case vsSquareBracket:
        return {"[", "]"};
    case vsLargerSmaller:
        return {"<", ">"};
    default:
        return {"", ""};
    }
}

// --- settings ----------------------------------------------------------------------------------------------

TLookupSettings::TLookupSettings()
    : displayList_(std::make_unique<TStringList>()), valueList_(std::make_unique<TStringList>()),
      font_(std::make_unique<TFont>())
{
    font_->SetName("Arial");
    font_->SetSize(8);
}

TLookupSettings::~TLookupSettings() = default;

void TLookupSettings::SetNumChars(int value)
{
    if (value > 0)
        numChars_ = value;
}

void TLookupSettings::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TLookupSettings*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    enabled_ = other->enabled_;
    displayList_->Assign(other->displayList_.get());
    valueList_->Assign(other->valueList_.get());
    numChars_ = other->numChars_;
    displayCount_ = other->displayCount_;
    caseSensitive_ = other->caseSensitive_;
    searchValue_ = other->searchValue_;
    showValue_ = other->showValue_;
    valueSeparator_ = other->valueSeparator_;
    history_ = other->history_;
    multi_ = other->multi_;
    separator_ = other->separator_;
    acceptOnTab_ = other->acceptOnTab_;
    color_ = other->color_;
    font_->Assign(other->font_.get());
    spacing_ = other->spacing_;
}

// --- the list box ------------------------------------------------------------------------------------------

void TListBoxTab::Dispatch(TMessage& message)
{
    TListBox::Dispatch(message);
    if (message.Msg == WM_GETDLGCODE && handleTab_)
        message.Result |= DLGC_WANTTAB;
}

// --- the pop-up --------------------------------------------------------------------------------------------

namespace {

// Points this close to both the right and the bottom edge are the sizing corner.
constexpr int SizingCorner = 10;

} // namespace

TListHintWindow::TListHintWindow(TComponent* owner) : THintWindow(owner)
{
    SetVisible(false);
    SetBounds(0, 0, 0, 0);
    SetBorderWidth(1);
}

void TListHintWindow::CreateParams(TCreateParams& params)
{
    THintWindow::CreateParams(params);
    params.Style = WS_POPUP | WS_BORDER;
    params.ExStyle |= WS_EX_TOPMOST;
    params.WndParent = ownerWindow_;
    params.WindowClass.style |= CS_DROPSHADOW;
}

bool TListHintWindow::IsShown() const
{
    return HandleAllocated() && IsWindowVisible(const_cast<TListHintWindow*>(this)->Handle());
}

void TListHintWindow::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_ACTIVATE:
        THintWindow::Dispatch(message);
        if (TActivateView(message).Active()) {
            if (list_ && list_->CanFocus() && !list_->ComponentState().Contains(csDestroying))
                list_->SetFocus();
        } else {
            ShowWindow(Handle(), SW_HIDE);
        }
        return;
    case WM_NCHITTEST: {
        THintWindow::Dispatch(message);
        TRect window;
        GetWindowRect(Handle(), window);
        const TPoint p = THitTestView(message).ScreenPos;
        if (p.X >= window.Right - SizingCorner && p.Y >= window.Bottom - SizingCorner)
            message.Result = HTBOTTOMRIGHT;
        return;
    }
    default:
        THintWindow::Dispatch(message);
    }
}
