#include <gtest/gtest.h>

#include "skin_test_support.h"

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
