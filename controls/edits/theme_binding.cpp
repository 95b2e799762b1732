#include "controls/edits/theme_binding.h"

#include <algorithm>

namespace {

// What the library answers for the entries it does not support (E_NOTIMPL).
long NotSupported()
{
    return static_cast<long>(0x80004001);
}

class TThemePainterLibrary : public IThemeLibrary
{
public:
    FARPROC GetProcAddress(std::string_view name) const override
    {
        if (name == "IsThemeActive")
            return reinterpret_cast<FARPROC>(static_cast<TIsThemeActiveProc>(&::IsThemeActive));
        if (name == "OpenThemeData")
            return reinterpret_cast<FARPROC>(static_cast<TOpenThemeDataProc>(&::OpenThemeData));
        if (name == "DrawThemeBackground")
            return reinterpret_cast<FARPROC>(static_cast<TDrawThemeBackgroundProc>(&::DrawThemeBackground));
        if (name == "CloseThemeData")
            return reinterpret_cast<FARPROC>(static_cast<TCloseThemeDataProc>(&::CloseThemeData));
        const auto& names = TThemeBinding::EntryNames;
        if (std::find(names.begin(), names.end(), name) != names.end())
            return reinterpret_cast<FARPROC>(&NotSupported);
        return nullptr;
    }
};

size_t IndexOf(std::string_view name)
{
    const auto& names = TThemeBinding::EntryNames;
    return static_cast<size_t>(std::find(names.begin(), names.end(), name) - names.begin());
}

} // namespace

const std::array<std::string_view, TThemeBinding::EntryCount> TThemeBinding::EntryNames = {
    "OpenThemeData",
    "CloseThemeData",
    "DrawThemeBackground",
    "DrawThemeText",
    "GetThemeBackgroundContentRect",
    "GetThemeBackgroundExtent",
    "GetThemeTextExtent",
    "GetThemeTextMetrics",
    "GetThemeBackgroundRegion",
    "HitTestThemeBackground",
    "DrawThemeEdge",
    "DrawThemeIcon",
    "IsThemePartDefined",
    "IsThemeBackgroundPartiallyTransparent",
    "GetThemeColor",
    "GetThemeMetric",
    "GetThemeString",
    "GetThemeBool",
    "GetThemeInt",
    "GetThemeEnumValue",
    "GetThemePosition",
    "GetThemeFont",
    "GetThemeRect",
    "GetThemeMargins",
    "GetThemeIntList",
    "SetWindowTheme",
    "GetThemeFilename",
    "GetThemeSysColor",
    "GetThemeSysColorBrush",
    "GetThemeSysBool",
    "GetThemeSysSize",
    "GetThemeSysFont",
    "GetThemeSysString",
    "GetThemeSysInt",
    "IsThemeActive",
    "IsAppThemed",
    "GetWindowTheme",
    "EnableThemeDialogTexture",
    "IsThemeDialogTextureEnabled",
    "GetThemeAppProperties",
    "SetThemeAppProperties",
    "GetCurrentThemeName",
    "GetThemeDocumentationProperty",
    "DrawThemeParentBackground",
    "EnableTheming",
};

const IThemeLibrary& ThemePainterLibrary()
{
    static const TThemePainterLibrary library;
    return library;
}

TThemeBinding::TThemeBinding(std::string sourceName, int firstLine)
    : sourceName_(std::move(sourceName)), firstLine_(firstLine)
{}

void TThemeBinding::Bind(const IThemeLibrary* library)
{
    if (loaded_ || !library)
        return;
    loaded_ = true;
    for (size_t k = 0; k < EntryCount; ++k) {
        slots_[k] = library->GetProcAddress(EntryNames[k]);
        if (!slots_[k])
            throw EAssertionFailed("Assertion failure (" + sourceName_ + ", line " +
                                   std::to_string(firstLine_ + 3 * static_cast<int>(k)) + ")");
    }
}

void TThemeBinding::Release()
{
    loaded_ = false;
    slots_.fill(nullptr);
}

template <typename T> T TThemeBinding::Entry(std::string_view name) const
{
    return reinterpret_cast<T>(slots_[IndexOf(name)]);
}

bool TThemeBinding::IsThemeActive() const
{
    const auto entry = Entry<TIsThemeActiveProc>("IsThemeActive");
    return entry && entry();
}

HTHEME TThemeBinding::OpenThemeData(const std::string& classList) const
{
    const auto entry = Entry<TOpenThemeDataProc>("OpenThemeData");
    return entry ? entry(classList) : nullptr;
}

bool TThemeBinding::DrawThemeBackground(HTHEME theme, TCanvas& canvas, int part, int state, const TRect& rect,
                                        const TRect* clip) const
{
    const auto entry = Entry<TDrawThemeBackgroundProc>("DrawThemeBackground");
    return entry && entry(theme, canvas, part, state, rect, clip);
}

void TThemeBinding::CloseThemeData(HTHEME theme) const
{
    if (const auto entry = Entry<TCloseThemeDataProc>("CloseThemeData"))
        entry(theme);
}

namespace {

TThemeBinding BoundToThePainter(std::string sourceName, int firstLine)
{
    TThemeBinding bound(std::move(sourceName), firstLine);
    bound.Bind(&ThemePainterLibrary());
    return bound;
}

} // namespace

const TThemeBinding& GroupBoxThemeBinding()
{
    static const TThemeBinding binding = BoundToThePainter("vezgbxpvs", 1533);
    return binding;
}

const TThemeBinding& ComboBoxThemeBinding()
{
    static const TThemeBinding binding = BoundToThePainter("vezcbxpvs", 1537);
    return binding;
}
