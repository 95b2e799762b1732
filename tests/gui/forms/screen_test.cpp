#include "platform/gui/core/strings.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/windows/window_functions.h"
#include "support/utf8.h"
#include "window_test_support.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

TEST(Screen, NearestAreaIsTheOneMostOfTheRectangleIsOn)
{
    // Two monitors side by side, a third below the first.
    const std::vector<TRect> areas = {Rect(0, 0, 100, 100), Rect(100, 0, 300, 100), Rect(0, 100, 100, 200)};
    const struct
    {
        TRect rect;
        int expected;
    } cases[] = {
        {Rect(10, 10, 20, 20), 0},     // inside one
        {Rect(90, 10, 150, 20), 1},    // more of it on the second
        {Rect(60, 10, 120, 20), 0},    // more of it on the first
        {Rect(150, 150, 150, 150), 1}, // a point off every monitor: the nearest edge
        {Rect(10, 250, 10, 250), 2},   // below the third
        {Rect(-50, -50, -40, -40), 0}, // above and left of all
        {Rect(100, 0, 100, 0), 1},     // a point on a shared edge belongs to the monitor it starts
    };
    for (const auto& c : cases)
        EXPECT_EQ(NearestAreaIndex(areas, c.rect), c.expected)
            << c.rect.Left << "," << c.rect.Top << "," << c.rect.Right << "," << c.rect.Bottom;
    EXPECT_EQ(NearestAreaIndex({}, Rect(0, 0, 1, 1)), -1);
}

TEST(Screen, MonitorsAndWorkAreasComeFromTheDesktop)
{
    const QScreen* primary = QGuiApplication::primaryScreen();
    ASSERT_EQ(Screen->MonitorCount(), QGuiApplication::screens().size());
    TMonitor* monitor = Screen->PrimaryMonitor();
    ASSERT_NE(monitor, nullptr);
    EXPECT_TRUE(monitor->Primary());
    EXPECT_EQ(monitor->BoundsRect(), Bounds(primary->geometry().x(), primary->geometry().y(),
                                            primary->geometry().width(), primary->geometry().height()));
    EXPECT_EQ(monitor->WorkareaRect().Width(), primary->availableGeometry().width());
    EXPECT_EQ(Screen->Width(), monitor->Width());
    EXPECT_EQ(Screen->Height(), monitor->Height());
    EXPECT_EQ(Screen->WorkAreaRect(), monitor->WorkareaRect());
    EXPECT_EQ(Screen->PixelsPerInch(), 96);

    // Far off every monitor: the nearest answers, or none or the primary as asked.
    const TPoint far{monitor->BoundsRect().Right + 5000, 10};
    EXPECT_EQ(Screen->MonitorFromPoint(far), Screen->Monitors(Screen->MonitorCount() - 1));
    EXPECT_EQ(Screen->MonitorFromPoint(far, mdNull), nullptr);
    EXPECT_EQ(Screen->MonitorFromPoint(far, mdPrimary), monitor);
    EXPECT_EQ(Screen->MonitorFromRect(Rect(1, 1, 20, 20), mdNull), monitor);
    EXPECT_THROW(Screen->Monitors(Screen->MonitorCount()), std::exception);

    TForm* form = ShowTestForm();
    EXPECT_EQ(Screen->MonitorFromWindow(form->Handle()), monitor);
    const HWND gone = form->Handle();
    form->Free();
    EXPECT_EQ(Screen->MonitorFromWindow(gone, mdNull), nullptr);
}

TEST(Screen, FontsAreTheInstalledFamiliesSorted)
{
    TStrings* fonts = Screen->Fonts();
    ASSERT_GT(fonts->Count(), 0);
    EXPECT_GE(fonts->IndexOf("DejaVu Sans"), 0);
    for (int i = 1; i < fonts->Count(); ++i)
        EXPECT_LE(CompareTextIgnoreCase(fonts->Strings(i - 1), fonts->Strings(i)), 0);
    EXPECT_FALSE(Screen->HintFont()->Name().empty());
    EXPECT_FALSE(Screen->MenuFont()->Name().empty());
}

TEST(Screen, FormsComeFrontToBackAndTheActiveOneAnswers)
{
    TForm* first = ShowTestForm();
    TForm* second = ShowTestForm();
    auto* edit = new TRecorder(second, nullptr, "edit");
    edit->SetParent(second);
    edit->SetBounds(5, 5, 50, 20);
    edit->SetFocus();
    Pump();
    auto indexOf = [](TCustomForm* form) {
        for (int i = 0; i < Screen->FormCount(); ++i)
            if (Screen->Forms(i) == form)
                return i;
        return -1;
    };
    EXPECT_EQ(Screen->ActiveForm(), second);
    EXPECT_EQ(Screen->ActiveControl(), edit);
    EXPECT_EQ(indexOf(second), 0);
    EXPECT_GT(indexOf(first), 0);

    first->SetFocus();
    Pump();
    EXPECT_EQ(Screen->ActiveForm(), first);
    EXPECT_EQ(indexOf(first), 0);
    EXPECT_EQ(indexOf(second), 1);
    EXPECT_EQ(Screen->ActiveControl(), nullptr);

    first->Free();
    EXPECT_EQ(indexOf(first), -1);
    EXPECT_EQ(Screen->ActiveForm(), nullptr);
    second->Free();
}

TEST(Screen, CursorTableAndTheProgramWideCursor)
{
    // An image cursor: pixels in the key colour become see-through, the hot spot stays where it was put.
    TBitmap image;
    image.SetSize(8, 8);
    image.Canvas()->Brush()->SetColor(clWhite);
    image.Canvas()->FillRect(Rect(0, 0, 8, 8));
    image.Canvas()->SetPixels(0, 0, clFuchsia);
    Screen->SetCursors(1000, CreateImageCursor(image, clFuchsia, 3, 4));

    TForm* form = ShowTestForm();
    auto* box = new TRecorder(form, nullptr, "box");
    box->SetParent(form);
    box->SetBounds(10, 10, 50, 50);
    box->SetCursor(1000);
    SendMouse(box, QEvent::MouseMove, {5, 5});
    const QCursor shape = box->Window().client->cursor();
    EXPECT_EQ(shape.hotSpot(), QPoint(3, 4));
    const QImage pixels = shape.pixmap().toImage();
    EXPECT_EQ(qAlpha(pixels.pixel(0, 0)), 0);
    EXPECT_EQ(pixels.pixel(1, 1), qRgb(255, 255, 255));
    EXPECT_EQ(Screen->Cursors(1000), CursorShape(1000));

    Screen->SetCursor(crHourGlass);
    EXPECT_EQ(Screen->Cursor(), crHourGlass);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Screen->SetCursor(crDefault);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    form->Free();
}

} // namespace
