#pragma once

#include "controls/pack/appearance_panel.h"
#include "controls/pack/panel_decorations.h"

// The windows' most used container: the basic panel's looks with decorations (horizontal bars, vertical
// and horizontal lines, captions) between the background and the borders. Its appearance copies in part,
// so that a window takes another's gradients and keeps its own borders. The panel's own caption is never
// shown.
class TKvpCustomPanel : public TKvpAppearancePanel
{
public:
    explicit TKvpCustomPanel(TComponent* owner);
    ~TKvpCustomPanel() override;

    TKvpPanelAppearance* Appearance() const { return static_cast<TKvpPanelAppearance*>(&BasicAppearance()); }
    void SetAppearance(const TKvpPanelAppearance* value) { AssignAppearance(value); }
    TKvpPanelVerticalLines* VerticalLines() const { return FVerticalLines.get(); }
    TKvpPanelHorizontalLines* HorizontalLines() const { return FHorizontalLines.get(); }
    TKvpPanelCaptions* Captions() const { return FCaptions.get(); }
    TKvpPanelHorizontalBars* HorizontalBars() const { return FHorizontalBars.get(); }
    // Each copies the given collection's items and repaints.
    void SetVerticalLines(const TKvpPanelVerticalLines* value) { CopyItems(*FVerticalLines, value); }
    void SetHorizontalLines(const TKvpPanelHorizontalLines* value) { CopyItems(*FHorizontalLines, value); }
    void SetCaptions(const TKvpPanelCaptions* value) { CopyItems(*FCaptions, value); }
    void SetHorizontalBars(const TKvpPanelHorizontalBars* value) { CopyItems(*FHorizontalBars, value); }

protected:
    // Bars, vertical lines, horizontal lines, captions.
    void DrawDecorations(const TRect& r) override;

private:
    void CopyItems(TCollection& target, const TCollection* source);

    std::unique_ptr<TKvpPanelVerticalLines> FVerticalLines;
    std::unique_ptr<TKvpPanelHorizontalLines> FHorizontalLines;
    std::unique_ptr<TKvpPanelCaptions> FCaptions;
    std::unique_ptr<TKvpPanelHorizontalBars> FHorizontalBars;
};

class TKvpPanel : public TKvpCustomPanel
{
public:
    using TKvpCustomPanel::TKvpCustomPanel;
};
