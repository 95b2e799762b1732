#pragma once

#include "platform/gui/core/exceptions.h"
#include "platform/gui/graphics/theme.h"

#include <array>
#include <string>
#include <string_view>

// The visual-style entry points the group box (and the combo box) call, bound by name from a library when
// the program sets its modules up: a table of 45 slots, each empty until bound. Callers use four of them
// (IsThemeActive, OpenThemeData, DrawThemeBackground, CloseThemeData); the others are bound and never
// called. The program's library is the layer's theme painter: those four are its own functions, the rest
// answer that they are not supported, and IsThemeActive follows the painter's switch.

using FARPROC = void (*)();

// The slots' types for the four entries callers use.
using TIsThemeActiveProc = bool (*)();
using TOpenThemeDataProc = HTHEME (*)(const std::string& classList);
using TDrawThemeBackgroundProc = bool (*)(HTHEME theme, TCanvas& canvas, int part, int state,
                                          const TRect& rect, const TRect* clip);
using TCloseThemeDataProc = void (*)(HTHEME theme);

// A library's entry points by name; nullptr for a name it does not export.
class IThemeLibrary
{
public:
    virtual ~IThemeLibrary() = default;
    virtual FARPROC GetProcAddress(std::string_view name) const = 0;
};

// The program's library: the layer's theme painter.
const IThemeLibrary& ThemePainterLibrary();

class TThemeBinding
{
public:
    static constexpr size_t EntryCount = 45;
    static const std::array<std::string_view, EntryCount> EntryNames;

    // sourceName and firstLine name the binding in the assertion a missing entry raises: entry k reports
    // line firstLine + 3 * k.
    TThemeBinding(std::string sourceName, int firstLine);

    // Binds every entry in order, once; a missing library (nullptr) leaves every slot empty. An entry the
    // library lacks raises EAssertionFailed, and the slots after it stay empty.
    void Bind(const IThemeLibrary* library);
    // Lets the library go: every slot empty again.
    void Release();
    bool Loaded() const { return loaded_; }
    FARPROC Slot(size_t index) const { return slots_.at(index); }

    // The four entries callers use; each does nothing (answers false or nullptr) while it is not bound.
    bool IsThemeActive() const;
    HTHEME OpenThemeData(const std::string& classList) const;
    bool DrawThemeBackground(HTHEME theme, TCanvas& canvas, int part, int state, const TRect& rect,
                             const TRect* clip = nullptr) const;
    void CloseThemeData(HTHEME theme) const;

private:
    template <typename T> T Entry(std::string_view name) const;

    std::string sourceName_;
    int firstLine_;
    bool loaded_ = false;
    std::array<FARPROC, EntryCount> slots_{};
};

// The group box's and the combo box's bindings, each bound to the program's library when first asked for.
const TThemeBinding& GroupBoxThemeBinding();
const TThemeBinding& ComboBoxThemeBinding();
