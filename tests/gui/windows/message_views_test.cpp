#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/scroll_bars.h"

#include <gtest/gtest.h>

namespace {

template <typename View>
concept CanSetKey = requires(View view)
{
    view.SetKey(0);
};
// A view of a message the handler may not change cannot change it.
static_assert(CanSetKey<TKeyView<TMessage>> && !CanSetKey<TKeyView<const TMessage>>);

TEST(MessageViews, PointsAndCodesKeepTheirSign)
{
    // Points left of and above a window, a turn towards the user, codes below zero.
    const TMessage mouse{WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-5, -300)};
    EXPECT_EQ(TMouseView(mouse).Pos, (TPoint{-5, -300}));
    EXPECT_EQ(TMouseView(mouse).Shift(), (TShiftState{ssLeft, ssShift}));

    const TMessage wheel{WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, -2 * WHEEL_DELTA), MAKELPARAM(-1, 2000)};
    const TWheelView w(wheel);
    EXPECT_EQ(w.Delta, -2 * WHEEL_DELTA);
    EXPECT_EQ(w.Shift(), TShiftState{ssCtrl});
    EXPECT_EQ(w.ScreenPos, (TPoint{-1, 2000}));

    const TMessage setCursor{WM_SETCURSOR, 0, MAKELPARAM(HTERROR, WM_LBUTTONDOWN)};
    EXPECT_EQ(TSetCursorView(setCursor).HitTest, HTERROR);
    EXPECT_EQ(TSetCursorView(setCursor).MouseMsg, WM_LBUTTONDOWN);

    const TMessage keyMenu{WM_CONTEXTMENU, 0, MAKELPARAM(-1, -1)};
    EXPECT_TRUE(TContextMenuView(keyMenu).FromKeyboard());
    EXPECT_FALSE(TContextMenuView(TMessage{WM_CONTEXTMENU, 0, MAKELPARAM(-1, 0)}).FromKeyboard());

    const TMessage scroll{WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, -40), 0};
    EXPECT_EQ(TScrollView(scroll).Code, SB_THUMBTRACK);
    EXPECT_EQ(TScrollView(scroll).Pos, -40);

    // Sizes are unsigned: a client 40000 pixels wide stays wide.
    const TMessage size{WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(40000, 3)};
    EXPECT_EQ(TSizeView(size).Width, 40000);
    EXPECT_EQ(TSizeView(size).Height, 3);
    EXPECT_EQ(TSizeView(size).Type, SIZE_MAXIMIZED);

    const TMessage none{WM_USER, static_cast<WPARAM>(-1), -1};
    EXPECT_EQ(WParamInt(none), -1);
    EXPECT_EQ(LParamInt(none), -1);
}

TEST(MessageViews, KeyDataNamesEveryField)
{
    struct Case
    {
        LPARAM data;
        int repeat;
        unsigned scan;
        bool keypad, extended, alt, previous, released;
    };
    const Case cases[] = {
        {MakeKeyData(false, false, false), 1, 0, false, false, false, false, false},
        {MakeKeyData(true, true, false) | (0x38 << 16) | (1 << 24), 1, 0x38, false, true, true, true, false},
        {MakeKeyData(false, false, true) | 7 | (0x1C << 16), 7, 0x1C, false, false, false, true, true},
        {MakeKeyData(false, false, false, true), 1, 0x40, true, false, false, false, false},
    };
    for (const Case& c : cases) {
        const TKeyData d(c.data);
        EXPECT_EQ(d.RepeatCount, c.repeat) << std::hex << c.data;
        EXPECT_EQ(d.ScanCode, c.scan) << std::hex << c.data;
        EXPECT_EQ(d.Keypad, c.keypad) << std::hex << c.data;
        EXPECT_EQ(d.Extended, c.extended) << std::hex << c.data;
        EXPECT_EQ(d.ContextAlt, c.alt) << std::hex << c.data;
        EXPECT_EQ(d.PreviousDown, c.previous) << std::hex << c.data;
        EXPECT_EQ(d.Released, c.released) << std::hex << c.data;
    }
}

TEST(MessageViews, KeyAndCharViewsWriteBackIntoTheMessage)
{
    TMessage key{WM_KEYDOWN, VK_RETURN, MakeKeyData(true, false, false)};
    TKeyView view(key);
    EXPECT_EQ(view.Key(), VK_RETURN);
    EXPECT_TRUE(view.Shift().Contains(ssAlt));
    view.SetKey(0);
    EXPECT_EQ(key.WParam, 0u);

    TMessage typed{WM_CHAR, U'a', MakeKeyData(false, false, false)};
    TCharView ch(typed);
    ch.SetChar(U'\u00C4');
    EXPECT_EQ(typed.WParam, 0xC4u);
    EXPECT_EQ(ch.Char(), U'\u00C4');
}

} // namespace
