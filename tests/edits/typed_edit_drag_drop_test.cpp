#include "controls/edits/text_drag_drop.h"
#include "typed_edit_fixture.h"

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

TEST(TextDragDrop, TheDraggedDataAndItsFormats)
{
    TSourceEnumFormatEtc formats;
    FORMATETC got[2];
    uint32_t fetched = 0;
    EXPECT_EQ(formats.Next(2, got, &fetched), S_OK);
    EXPECT_EQ(fetched, 2u);
    EXPECT_EQ(got[0].cfFormat, CF_TEXT);
    EXPECT_EQ(got[1].cfFormat, CF_UNICODETEXT);
    EXPECT_EQ(got[1].lindex, -1);
    EXPECT_EQ(formats.Next(2, got, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 1u);
    formats.Reset();
    EXPECT_EQ(formats.Skip(2), S_OK);
    std::shared_ptr<IEnumFORMATETC> copy;
    formats.Clone(copy);
    EXPECT_EQ(static_cast<TSourceEnumFormatEtc&>(*copy).Index(), 2);
    EXPECT_EQ(formats.Skip(2), S_FALSE);
    EXPECT_EQ(formats.Index(), 3);

    TSourceDataObject data("dragged", "{\\rtf1 x}");
    TEnumFormats walker(&data);
    EXPECT_TRUE(walker.HasText());
    EXPECT_TRUE(walker.HasRTF()); // listed, but not served with rich text switched off
    EXPECT_EQ(walker.Text(), "dragged");
    EXPECT_EQ(walker.RTF(), "");
    EXPECT_FALSE(walker.ReadFiles());
    EXPECT_EQ(data.QueryGetData(FORMATETC{RtfFormat()}), DV_E_FORMATETC);
    FORMATETC wrongMedium{CF_TEXT};
    wrongMedium.tymed = TYMED_NULL;
    EXPECT_EQ(data.QueryGetData(wrongMedium), DV_E_FORMATETC);
    std::shared_ptr<IEnumFORMATETC> none;
    EXPECT_EQ(data.EnumFormatEtc(DATADIR_SET, none), E_NOTIMPL);

    TVezDropSource source;
    EXPECT_EQ(source.QueryContinueDrag(true, MK_LBUTTON), DRAGDROP_S_CANCEL);
    EXPECT_EQ(source.QueryContinueDrag(false, MK_LBUTTON), S_OK);
    EXPECT_EQ(source.QueryContinueDrag(false, 0), DRAGDROP_S_DROP);
    EXPECT_EQ(source.GiveFeedback(DROPEFFECT_NONE), DRAGDROP_S_USEDEFAULTCURSORS);
    EXPECT_TRUE(source.NoAccept());
}

} // namespace
