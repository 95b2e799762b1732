#pragma once

#include "controls/skins/skin_manager.h"
#include "platform/gui/core/strings.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/windows/control.h"
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

// A string list holding the given lines.
inline std::unique_ptr<TStringList> Lines(std::initializer_list<std::string> lines)
{
    auto list = std::make_unique<TStringList>();
    for (const std::string& line : lines) {
        list->Add(line);
    }
    return list;
}

inline std::vector<std::string> LinesOf(const TStrings& list)
{
    std::vector<std::string> lines;
    for (int i = 0; i < list.Count(); ++i) {
        lines.push_back(list.Get(i));
    }
    return lines;
}

// A skinned control as the manager sees it: registers itself, counts the skin changes it is told of, and
// runs OnSkinChanged for each.
class TSkinListener : public TObject
{
public:
    TSkinListener() { GetSkinManager().AddSkinNotification(this); }
    ~TSkinListener() override { GetSkinManager().RemoveSkinNotification(this); }

    void Dispatch(TMessage& message) override;

    int Received = 0;
    std::function<void()> OnSkinChanged;
};

// Starts and ends every test on the default skin with nobody listening, and unregisters the skins a test
// registered (the manager lives as long as the program).
class SkinManagerFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Registers a skin text and remembers its name for TearDown.
    int AddTextSkin(std::initializer_list<std::string> lines);
    void Forget(const std::string& name) { FRegistered.push_back(name); }

    TQvSkinManager& Manager() { return GetSkinManager(); }
    int ManagerChanges = 0;

private:
    std::vector<std::string> FRegistered;
};

// The looks a compound bar is pictured in: the default skin with the platform theme and classic, and a few
// built-in skins (RegisterBuiltInSkins first). Each look is made current in turn, everyone told, and
// picture runs with the picture's name: prefix followed by the look's name.
inline void ForEachCompoundBarLook(const std::string& prefix,
                                   const std::function<void(const std::string& picture)>& picture)
{
    struct TLook
    {
        const char* skin;
        bool themes;
        const char* name;
    };
    for (const TLook& look :
         {TLook{"Default", true, "default_themed"}, TLook{"Default", false, "default_classic"},
          TLook{"Flat", true, "flat"}, TLook{"Aluminum", true, "aluminum"},
          TLook{"Glossy Black", true, "glossy_black"}}) {
        SCOPED_TRACE(look.name);
        SetThemesEnabled(look.themes);
        GetSkinManager().SetSkin(look.skin);
        GetSkinManager().BroadcastSkinNotification();
        picture(prefix + look.name);
    }
}

// Records the window commands (WM_SYSCOMMAND) a window is sent while it lives, and swallows them so that
// nothing moves or sizes; gives the window its procedure back at the end.
class TSystemCommandRecorder
{
public:
    explicit TSystemCommandRecorder(TControl& window) : FWindow(window), FPrevious(window.WindowProc)
    {
        window.WindowProc = [this](TMessage& message) {
            if (message.Msg == WM_SYSCOMMAND)
                Commands.push_back(static_cast<unsigned>(message.WParam));
            else
                FPrevious(message);
        };
    }
    ~TSystemCommandRecorder() { FWindow.WindowProc = FPrevious; }
    TSystemCommandRecorder(const TSystemCommandRecorder&) = delete;
    TSystemCommandRecorder& operator=(const TSystemCommandRecorder&) = delete;

    std::vector<unsigned> Commands;

private:
    TControl& FWindow;
    TWndMethod FPrevious;
};

// The background the painting pictures start from: no skin, theme or classic look paints with it.
constexpr TColor Marker = 0x00C0C0;

// A square picture to paint on, filled with a background colour, its brush green and its pen maroon: colours
// the routines under test never paint with, so that a routine that does not give its tools back shows.
class TPaintingPicture
{
public:
    TPaintingPicture(int size, TColor background);

    TCanvas& canvas() { return *bitmap.Canvas(); }
    TColor At(int x, int y) { return canvas().Pixels(x, y); }
    // Fills the picture with its background again, the tools as they were.
    void Clear();
    // The brush, the pen and the clipping are as the picture set them.
    void ExpectToolsKept();

    TBitmap bitmap;

private:
    int FSize;
    TColor FBackground;
};
