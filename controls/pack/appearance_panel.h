#pragma once

#include "controls/pack/control_parts.h"
#include "controls/pack/panel_appearance.h"
#include "controls/pack/panel_base.h"

#include <memory>

// What the basic panel and the panel share: an appearance of the basic panel's kind, a tag object and
// anchored controls. It paints the background, then the decorations of a descendant, then the borders.
class TKvpAppearancePanel : public TKvpCustomBasePanel, public TKvpControlParts
{
public:
    ~TKvpAppearancePanel() override;

    void SetBounds(int left, int top, int width, int height) override;

protected:
    TKvpAppearancePanel(TComponent* owner, std::unique_ptr<TKvpBasicPanelAppearance> appearance);
    TKvpBasicPanelAppearance& BasicAppearance() const { return *FAppearance; }
    // Copies the looks of another appearance and repaints.
    void AssignAppearance(const TKvpBasicPanelAppearance* value);
    void DrawBackground(const TRect& r) override;
    // Between the background and the borders.
    virtual void DrawDecorations(const TRect&) {}
    void Notification(TComponent* component, TOperation operation) override;
    // Repaints unless the panel is loading.
    void Changed();

private:
    std::unique_ptr<TKvpBasicPanelAppearance> FAppearance;
};

// A container with a background colour or two stacked gradients and four border sides; it never shows
// its caption. Section headers and the flat background behind the file list.
class TKvpCustomBasicPanel : public TKvpAppearancePanel
{
public:
    explicit TKvpCustomBasicPanel(TComponent* owner);
    TKvpBasicPanelAppearance* Appearance() const { return &BasicAppearance(); }
    void SetAppearance(const TKvpBasicPanelAppearance* value) { AssignAppearance(value); }
};

class TKvpBasicPanel : public TKvpCustomBasicPanel
{
public:
    using TKvpCustomBasicPanel::TKvpCustomBasicPanel;
};
