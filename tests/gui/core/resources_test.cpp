#include "platform/gui/core/resources.h"
#include "platform/gui/core/stream_bytes.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/windows/cursors.h"

#include <QApplication>
#include <QCursor>

#include <gtest/gtest.h>

// The suite's own resources (tests/gui/resources/test_resources.qrc) stand in for the program's.

TEST(ProgramResources, RawDataReadsAsAStreamThatCannotBeWritten)
{
    TResourceStream stream("greeting", RT_RCDATA);
    const std::string expected = std::string("Hello from the resources\r\n\0\xFF", 28);
    EXPECT_EQ(stream.Size(), 28);
    EXPECT_EQ(ReadToEnd(stream), expected);

    stream.SetPosition(6);
    char word[4] = {};
    stream.ReadBuffer(word, 4);
    EXPECT_EQ(std::string(word, 4), "from");
    stream.Seek(100, soBeginning);
    EXPECT_EQ(stream.Read(word, 4), 0) << "past the end reads nothing";

    EXPECT_THROW(stream.WriteBuffer("x", 1), EStreamError);
    stream.SetPosition(0);
    EXPECT_EQ(ReadToEnd(stream), expected) << "a refused write changes nothing";
}

TEST(ProgramResources, NamesAreFoundByKindAndWithoutRegardToCase)
{
    const struct
    {
        const char* name;
        TResourceType type;
        bool found;
    } cases[] = {
        {"GREETING", RT_RCDATA, true},
        {"Greeting", RT_RCDATA, true},
        {"greeting", RT_BITMAP, false},
        {"PROBE", RT_BITMAP, true},
        {"FRAME", RT_CURSOR, true},
        {"MISSING", RT_RCDATA, false},
        {"", RT_RCDATA, false},
        {"../data/GREETING", RT_BITMAP, false},
        {"/data/GREETING", RT_RCDATA, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindResource(c.name, c.type), c.found) << c.name << " " << c.type;
        if (!c.found) {
            EXPECT_THROW(TResourceStream(c.name, c.type), EResNotFound) << c.name << " " << c.type;
        }
    }
    try {
        TResourceStream stream("NO_SUCH_PICTURE", RT_BITMAP);
        FAIL() << "a missing resource must raise";
    } catch (const EResNotFound& error) {
        EXPECT_EQ(error.Message(), "Resource NO_SUCH_PICTURE not found");
    }
}

TEST(ProgramResources, BitmapsLoadByNameWithTheirPixels)
{
    TBitmap bitmap;
    bitmap.LoadFromResourceName("probe");
    ASSERT_EQ(bitmap.Width(), 4);
    ASSERT_EQ(bitmap.Height(), 3);
    EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
    TCanvas& canvas = *bitmap.Canvas();
    EXPECT_EQ(canvas.Pixels(0, 0), TColor(0x0000FF)) << "red, top left";
    EXPECT_EQ(canvas.Pixels(2, 0), TColor(0xFF0000)) << "blue";
    EXPECT_EQ(canvas.Pixels(1, 1), TColor(0x332211));
    EXPECT_EQ(canvas.Pixels(3, 2), TColor(0x808080)) << "bottom right";

    TBitmap untouched(2, 2);
    EXPECT_THROW(untouched.LoadFromResourceName("NO_SUCH_PICTURE"), EResNotFound);
    EXPECT_EQ(untouched.Width(), 2) << "a missing resource leaves the bitmap as it was";
}

TEST(ProgramResources, CursorsKeepTheirPictureAndHotSpot)
{
    constexpr TCursor slot = 4003;
    HCURSOR cursor = LoadCursor("frame");
    ASSERT_NE(cursor, nullptr);
    RegisterCursorShape(slot, cursor);
    SetScreenCursorOverride(slot);
    const QCursor* shown = QApplication::overrideCursor();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->hotSpot(), QPoint(3, 5));
    const QImage picture = shown->pixmap().toImage();
    SetScreenCursorOverride(crDefault);
    ASSERT_EQ(picture.size(), QSize(16, 16));
    EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << "outside the frame is see-through";
    EXPECT_EQ(picture.pixel(2, 2), qRgb(0, 0, 0));
    EXPECT_EQ(picture.pixel(6, 6), qRgb(255, 255, 255));

    EXPECT_THROW(LoadCursor("NO SUCH CURSOR"), EResNotFound);
    EXPECT_THROW(LoadCursor("NOT_A_CURSOR"), EInvalidGraphic);
}
