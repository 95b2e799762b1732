#include "controls/edits/text_drop_target.h"
#include "typed_edit_fixture.h"

#include "block_data_object.h"

namespace {

class TypedEditDragDrop : public TypedEdits
{
protected:
    void SetUp() override
    {
        TypedEdits::SetUp();
        edit->SetOleDropSource(true);
        edit->SetOleDropTarget(true);
        other->SetOleDropTarget(true);
    }
    // A point of an edit's client area on the character with that index.
    static TPoint At(TVezEdit* e, int index)
    {
        const TPoint p = e->PosFromChar(index);
        return {p.X + 1, p.Y + 4};
    }
    // Selects part of the source's text and drags it out with the mouse.
    void DragSelection(TVezEdit* source, int start, int length)
    {
        Focus(source);
        source->SetSelStart(start);
        source->SetSelLength(length);
        const TPoint inside = At(source, start + 1);
        MouseDown(source, inside);
        MouseMove(source, {inside.X + 6, inside.Y}, {ssLeft});
        MouseUp(source, {inside.X + 6, inside.Y});
        Pump();
    }
};

TEST_F(TypedEditDragDrop, ASelectionMovesToAnotherEditOrIsCopiedWithCtrl)
{
    edit->SetText("hello world");
    other->SetText("abc");
    {
        TScriptedDrag drag(other, At(other, 3));
        DragSelection(edit, 6, 5);
        EXPECT_EQ(drag.Drags, 1);
        EXPECT_EQ(drag.Carried["text/plain"], "world");
    }
    EXPECT_EQ(Shown(other), "abcworld");
    EXPECT_EQ(Shown(edit), "hello ");

    edit->SetText("hello world");
    other->SetText("abc");
    {
        TScriptedDrag drag(other, At(other, 0), {ssCtrl});
        DragSelection(edit, 0, 5);
    }
    EXPECT_EQ(Shown(other), "helloabc");
    EXPECT_EQ(Shown(edit), "hello world");
    EXPECT_EQ(edit->DropCaretPos(), (TPoint{-1, -1}));
}

TEST_F(TypedEditDragDrop, DroppedBackOntoItselfTheTextMovesWhereItWasDropped)
{
    edit->SetText("abcdef");
    {
        // Onto the selection: nothing happens.
        TScriptedDrag drag(edit, At(edit, 2));
        DragSelection(edit, 1, 2);
    }
    EXPECT_EQ(Shown(edit), "abcdef");
    {
        // Right of the selection: the place is taken before the moved text leaves.
        TScriptedDrag drag(edit, At(edit, 5));
        DragSelection(edit, 1, 2);
    }
    EXPECT_EQ(Shown(edit), "adebcf");
    {
        // Left of it, nothing to correct.
        TScriptedDrag drag(edit, At(edit, 0));
        DragSelection(edit, 3, 2);
    }
    EXPECT_EQ(Shown(edit), "bcadef");
}

TEST_F(TypedEditDragDrop, ADropThatNothingTakesKeepsTheSource)
{
    edit->SetText("keep me");
    {
        TScriptedDrag drag(nullptr);
        DragSelection(edit, 0, 4);
        EXPECT_EQ(drag.Drags, 1);
    }
    EXPECT_EQ(Shown(edit), "keep me");
    other->SetOleDropTarget(false);
    {
        TScriptedDrag drag(other, At(other, 0));
        DragSelection(edit, 0, 4);
    }
    EXPECT_EQ(Shown(edit), "keep me");
    EXPECT_EQ(Shown(other), "");
}

TEST_F(TypedEditDragDrop, DropsFromOtherProgramsTakeTheFirstLineOfText)
{
    other->SetText("[]");
    EXPECT_EQ(DropData(other, At(other, 1), {{"text/plain", "one\ntwo\nthree"}}), DROPEFFECT_MOVE);
    EXPECT_EQ(Shown(other), "[one]");
    EXPECT_EQ(DropData(other, At(other, 1), {{"text/plain", "x"}}, {ssCtrl}), DROPEFFECT_COPY);
    // Rich text alone is not taken.
    EXPECT_EQ(DropData(other, At(other, 1), {{"text/rtf", "{\\rtf1 x}"}}), DROPEFFECT_NONE);
    EXPECT_EQ(Shown(other), "[xone]");
}

// What other programs drop, read through the edits' drop target.
class TRecordingDropTarget : public TVezDropTarget
{
public:
    std::string dropped;

protected:
    void DropText(TPoint, const std::string& text) override { dropped += text; }
};

TEST(TextDropTarget, OffersTheKeysEffectWithinTheAllowedOnesAndRefusesDataItCannotWalk)
{
    struct Case
    {
        const char* name;
        bool enumerator; // the data gives a format enumerator
        uint32_t keys;
        uint32_t allowed;
        uint32_t offered;
    };
    const uint32_t both = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    const Case cases[] = {
        {"a move", true, 0, both, DROPEFFECT_MOVE},
        {"Ctrl copies", true, MK_CONTROL, both, DROPEFFECT_COPY},
        {"a move not allowed becomes a copy", true, 0, DROPEFFECT_COPY, DROPEFFECT_COPY},
        {"a copy not allowed", true, MK_CONTROL, DROPEFFECT_MOVE, DROPEFFECT_NONE},
        {"no format enumerator", false, 0, both, DROPEFFECT_NONE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TRecordingDropTarget target;
        TBlockData data({{CF_UNICODETEXT, "dropped"}}, c.enumerator);
        uint32_t effect = c.allowed;
        EXPECT_NO_THROW(target.DragEnter(&data, c.keys, {}, effect));
        EXPECT_EQ(effect, c.offered);
        effect = c.allowed;
        EXPECT_NO_THROW(target.Drop(&data, c.keys, {}, effect));
        EXPECT_EQ(effect, c.offered);
        if (!c.enumerator) {
            EXPECT_EQ(target.dropped, "");
        } else if (c.offered != DROPEFFECT_NONE) {
            EXPECT_EQ(target.dropped, "dropped");
        }
    }
}

} // namespace
