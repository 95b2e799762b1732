#include "platform/gui/services/drop_targets.h"
#include "platform/gui/services/text_drag_source.h"

#include <QMimeData>

#include <gtest/gtest.h>

#include <limits>

namespace {

// The bytes the data hands out for a format in a medium; "refused" when it does not.
std::string Served(IDataObject& data, TClipboardFormat format, uint32_t tymed = TYMED_HGLOBAL)
{
    FORMATETC asked{format};
    asked.tymed = tymed;
    STGMEDIUM medium;
    const HRESULT result = data.GetData(asked, medium);
    const std::string bytes = result == S_OK ? GlobalBytes(medium.hGlobal, false) : "refused";
    ReleaseStgMedium(medium);
    return bytes;
}

TEST(TextDragSource, TheDraggedDataServesItsTextAndRichTextOnlyWhileTheExchangeIsOn)
{
    TClipboardFormat rtfFormat = 0;
    bool enabled = false;
    TSourceDataObject data("t\xC3\xA9xt", "{\\rtf1 x}", {&rtfFormat, &enabled});
    EXPECT_EQ(Served(data, CF_TEXT), std::string("t\xC3\xA9xt\0", 6));
    EXPECT_EQ(Served(data, CF_UNICODETEXT), std::string("t\xC3\xA9xt\0", 6));
    EXPECT_EQ(Served(data, CF_TEXT, TYMED_HGLOBAL | 2), "refused");
    EXPECT_EQ(Served(data, CF_TEXT, TYMED_NULL), "refused");

    // The switch and the format are the library's, read as they stand: an unregistered format is no format.
    enabled = true;
    EXPECT_EQ(Served(data, 0), "refused");
    rtfFormat = RegisterClipboardFormat("Rich Text Format");
    EXPECT_EQ(Served(data, rtfFormat), std::string("{\\rtf1 x}\0", 10));
    enabled = false;
    EXPECT_EQ(Served(data, rtfFormat), "refused");

    std::shared_ptr<IEnumFORMATETC> none;
    EXPECT_EQ(data.EnumFormatEtc(DATADIR_SET, none), E_NOTIMPL);
    EXPECT_EQ(none, nullptr);
}

TEST(TextDragSource, TheListOfFormatsNamesTheRichTextFormatAsItStandsWhenListed)
{
    TClipboardFormat rtfFormat = 0;
    TSourceEnumFormatEtc formats(&rtfFormat);
    FORMATETC got[5];
    uint32_t fetched = 0;
    EXPECT_EQ(formats.Next(2, got, &fetched), S_OK);
    EXPECT_EQ(fetched, 2u);
    EXPECT_EQ(got[0].cfFormat, CF_TEXT);
    EXPECT_EQ(got[1].cfFormat, CF_UNICODETEXT);
    EXPECT_EQ(formats.Next(2, got, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 1u);
    EXPECT_EQ(got[0].cfFormat, 0);

    rtfFormat = RegisterClipboardFormat("Rich Text Format");
    EXPECT_EQ(formats.Reset(), S_OK);
    EXPECT_EQ(formats.Skip(1), S_OK);
    EXPECT_EQ(formats.Next(5, got, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 2u);
    EXPECT_EQ(got[0].cfFormat, CF_UNICODETEXT);
    EXPECT_EQ(got[1].cfFormat, rtfFormat);
    EXPECT_EQ(got[1].lindex, -1);
    EXPECT_EQ(got[1].tymed, TYMED_HGLOBAL);

    formats.Reset();
    formats.Skip(2);
    std::shared_ptr<IEnumFORMATETC> copy;
    EXPECT_EQ(formats.Clone(copy), S_OK);
    EXPECT_EQ(static_cast<TSourceEnumFormatEtc&>(*copy).Index(), 2);
    EXPECT_EQ(formats.Skip(2), S_FALSE);
    EXPECT_EQ(formats.Index(), 3);
    // A count past every position stops at the end too.
    formats.Reset();
    EXPECT_EQ(formats.Skip(std::numeric_limits<uint32_t>::max()), S_FALSE);
    EXPECT_EQ(formats.Index(), 3);
}

TEST(TextDragSource, TheDropSourceFollowsEscTheButtonAndTheTargetsFeedback)
{
    TTextDropSource source;
    EXPECT_EQ(source.QueryContinueDrag(true, MK_LBUTTON), DRAGDROP_S_CANCEL);
    EXPECT_EQ(source.QueryContinueDrag(false, MK_LBUTTON), S_OK);
    EXPECT_EQ(source.QueryContinueDrag(false, 0), DRAGDROP_S_DROP);
    EXPECT_EQ(source.GiveFeedback(DROPEFFECT_NONE), DRAGDROP_S_USEDEFAULTCURSORS);
    EXPECT_TRUE(source.NoAccept());
    source.GiveFeedback(DROPEFFECT_COPY);
    EXPECT_FALSE(source.NoAccept());
}

TEST(TextDragSource, ADragIsCancelledWhenTheTargetOfferedNothingAtItsEnd)
{
    const TClipboardFormat rtfFormat = 0;
    const bool enabled = false;
    for (const uint32_t lastOffer : {DROPEFFECT_MOVE, DROPEFFECT_NONE}) {
        SCOPED_TRACE(lastOffer);
        std::string carried;
        SetDesktopDragRunner([&](QMimeData& data, uint32_t, const std::function<void(uint32_t)>& feedback) {
            carried = data.text().toStdString();
            feedback(lastOffer);
            return DROPEFFECT_MOVE; // whatever the drag answers
        });
        uint32_t effect = DROPEFFECT_NONE;
        const HRESULT result =
            StartTextDrag("dragged", "", {&rtfFormat, &enabled}, DROPEFFECT_COPY | DROPEFFECT_MOVE, effect);
        EXPECT_EQ(result, lastOffer == DROPEFFECT_NONE ? DRAGDROP_S_CANCEL : DRAGDROP_S_DROP);
        EXPECT_EQ(carried, "dragged");
    }
    SetDesktopDragRunner(nullptr);
}

} // namespace
