#include <gtest/gtest.h>

#include "skin_test_support.h"

#include "controls/skins/skin_drawing.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/messages.h"

void TSkinListener::Dispatch(TMessage& message)
{
    if (message.Msg == WM_SKINCHANGED) {
        ++Received;
        if (OnSkinChanged) {
            OnSkinChanged();
        }
        return;
    }
    TObject::Dispatch(message);
}

void SkinManagerFixture::SetUp()
{
    Manager().SetSkin("");
    Manager().OnSkinChange = [this](TObject* sender) {
        EXPECT_EQ(sender, &Manager());
        ++ManagerChanges;
    };
}

void SkinManagerFixture::TearDown()
{
    Manager().OnSkinChange = nullptr;
    Manager().SetSkin("");
    for (const std::string& name : FRegistered) {
        const int index = Manager().SkinsList().IndexOf(name);
        if (index >= 0) {
            Manager().SkinsList().Delete(index);
        }
    }
}

int SkinManagerFixture::AddTextSkin(std::initializer_list<std::string> lines)
{
    const auto text = Lines(lines);
    const int index = Manager().SkinsList().AddSkin(*text);
    if (index >= 0) {
        Forget(Manager().SkinsList().Strings(index));
    }
    return index;
}

TPaintingPicture::TPaintingPicture(int size, TColor background)
    : bitmap(size, size, pf24bit), FSize(size), FBackground(background)
{
    Clear();
    canvas().Brush()->SetColor(clGreen);
    canvas().Pen()->SetColor(clMaroon);
}

void TPaintingPicture::Clear()
{
    TSavedCanvasState saved(canvas());
    canvas().Brush()->SetColor(FBackground);
    canvas().FillRect({0, 0, FSize, FSize});
}

void TPaintingPicture::ExpectToolsKept()
{
    EXPECT_EQ(canvas().Brush()->Color(), clGreen);
    EXPECT_EQ(canvas().Pen()->Color(), clMaroon);
    TRect box;
    GetClipBox(canvas(), box);
    EXPECT_EQ(box, (TRect{0, 0, FSize, FSize}));
}
