#include "controls/skins/skin_options.h"

#include <algorithm>

TQvSkinOptions::TQvSkinOptions() : FOptions(std::make_unique<TCategoryTable>()) {}

TQvSkinOptionCategory& TQvSkinOptions::Options(TQvSkinComponentsType component, TQvSkinStatesType state)
{
    return (*FOptions)[component][SkinComponentIsNormalOnly(component) ? sknsNormal : state];
}

const TQvSkinOptionCategory& TQvSkinOptions::Options(TQvSkinComponentsType component,
                                                     TQvSkinStatesType state) const
{
    return (*FOptions)[component][SkinComponentIsNormalOnly(component) ? sknsNormal : state];
}

void TQvSkinOptions::CopyOptions(TQvSkinComponentsType component, TQvSkinComponentsType toComponent)
{
    for (int state = 0; state < SkinStateCount; ++state) {
        (*FOptions)[toComponent][state].Assign(&(*FOptions)[component][state]);
    }
}

void TQvSkinOptions::Reset(bool forceResetSkinProperties)
{
    for (auto& states : *FOptions) {
        for (TQvSkinOptionCategory& category : states) {
            category.Reset();
        }
    }
    if (forceResetSkinProperties) {
        FColorBtnFace = clBtnFace;
        FFloatingWindowBorderSize = 4;
        FIconShadow = false;
        FCompactMenu = false;
        FStatusSeparators = false;
    }
}

void TQvSkinOptions::Assign(const TPersistent* source)
{
    const auto* skin = dynamic_cast<const TQvSkinOptions*>(source);
    if (!skin) {
        TPersistent::Assign(source);
        return;
    }
    for (int component = 0; component < SkinComponentCount; ++component) {
        for (int state = 0; state < SkinStateCount; ++state) {
            const auto c = static_cast<TQvSkinComponentsType>(component);
            (*FOptions)[component][state].Assign(&skin->Options(c, static_cast<TQvSkinStatesType>(state)));
        }
    }
    FColorBtnFace = skin->FColorBtnFace;
    SetFloatingWindowBorderSize(skin->FFloatingWindowBorderSize);
    FIconShadow = skin->FIconShadow;
    FCompactMenu = skin->FCompactMenu;
    FStatusSeparators = skin->FStatusSeparators;
    FSkinAuthor = skin->FSkinAuthor;
    FSkinName = skin->FSkinName;
}

// Every category and every stored value as they stand, unlike Assign.
void TQvSkinOptions::CopyStoredFrom(const TQvSkinOptions& source)
{
    for (int component = 0; component < SkinComponentCount; ++component) {
        for (int state = 0; state < SkinStateCount; ++state) {
            (*FOptions)[component][state].Assign(&(*source.FOptions)[component][state]);
        }
    }
    FColorBtnFace = source.FColorBtnFace;
    FFloatingWindowBorderSize = source.FFloatingWindowBorderSize;
    FIconShadow = source.FIconShadow;
    FCompactMenu = source.FCompactMenu;
    FStatusSeparators = source.FStatusSeparators;
    FSkinAuthor = source.FSkinAuthor;
    FSkinName = source.FSkinName;
}

void TQvSkinOptions::SetFloatingWindowBorderSize(int size)
{
    FFloatingWindowBorderSize = std::clamp(size, 0, 4);
}

TQvSkinStatesType TQvSkinOptions::GetState(bool enabled, bool pushed, bool hotTrack, bool checked)
{
    if (!enabled) {
        return sknsDisabled;
    }
    if (pushed) {
        return sknsPushed;
    }
    if (hotTrack) {
        return checked ? sknsCheckedAndHotTrack : sknsHotTrack;
    }
    return checked ? sknsChecked : sknsNormal;
}

void TQvSkinOptions::GetState(TQvSkinStatesType state, bool& enabled, bool& pushed, bool& hotTrack,
                              bool& checked)
{
    enabled = state != sknsDisabled;
    pushed = state == sknsPushed;
    hotTrack = state == sknsHotTrack || state == sknsCheckedAndHotTrack;
    checked = state == sknsChecked || state == sknsCheckedAndHotTrack;
}
