#pragma once

#include "controls/pack/control_parts.h"
#include "platform/gui/standard/stdctrls_labels.h"

#include <memory>
#include <string>

class TBasicAction;

// A hyperlink label: a font and a cursor for each state (normal, hot, disabled, visited normal, visited
// hot), and a click that opens its URL or executes its action. The link's own Enabled leaves the control
// enabled, so a disabled link still gets the mouse and its OnClick.

enum TKvpLinkLabelClickActionType
{
    catGoToURL,      // a click opens URL
    catExecuteAction // a click executes Action
};

class TKvpCustomLinkLabel : public TKvpPartsControl<TCustomLabel>
{
public:
    explicit TKvpCustomLinkLabel(TComponent* owner);
    ~TKvpCustomLinkLabel() override;

    // Setting a font copies its attributes into the label's own.
    TFont* FontNormal() const { return FFontNormal.get(); }
    void SetFontNormal(const TFont* value) { CopyFont(*FFontNormal, value); }
    TFont* FontHot() const { return FFontHot.get(); }
    void SetFontHot(const TFont* value) { CopyFont(*FFontHot, value); }
    TFont* FontDisabled() const { return FFontDisabled.get(); }
    void SetFontDisabled(const TFont* value) { CopyFont(*FFontDisabled, value); }
    TFont* FontVisitedNormal() const { return FFontVisitedNormal.get(); }
    void SetFontVisitedNormal(const TFont* value) { CopyFont(*FFontVisitedNormal, value); }
    TFont* FontVisitedHot() const { return FFontVisitedHot.get(); }
    void SetFontVisitedHot(const TFont* value) { CopyFont(*FFontVisitedHot, value); }

    // The address a click opens: a web or mail address, or a file or folder the window names (a program
    // is only shown in its folder).
    const std::string& URL() const { return FURL; }
    void SetURL(const std::string& value) { FURL = value; }
    // Not owned: the action must live as long as the label.
    TBasicAction* Action() const { return FAction; }
    void SetAction(TBasicAction* value) { FAction = value; }
    TKvpLinkLabelClickActionType ClickActionType() const { return FClickActionType; }
    void SetClickActionType(TKvpLinkLabelClickActionType value) { FClickActionType = value; }
    // A new cursor shows at the next state change.
    TCursor CursorHot() const { return FCursorHot; }
    void SetCursorHot(TCursor value) { FCursorHot = value; }
    TCursor CursorDisabled() const { return FCursorDisabled; }
    void SetCursorDisabled(TCursor value) { FCursorDisabled = value; }
    bool Visited() const { return FVisited; }
    void SetVisited(bool value);
    // The link's own flag, apart from the control's.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) override;

    void Click() override;
    void Dispatch(TMessage& message) override;

private:
    static void CopyFont(TFont& font, const TFont* value);
    void ShowFont(const TFont& font);
    void MouseEnterLeave(bool enter);
    void FontNormalChanged();
    void FontVisitedNormalChanged();

    std::unique_ptr<TFont> FFontHot;
    std::unique_ptr<TFont> FFontNormal;
    std::unique_ptr<TFont> FFontDisabled;
    std::string FURL;
    TBasicAction* FAction = nullptr;
    TKvpLinkLabelClickActionType FClickActionType = catGoToURL;
    bool FEnabled = true;
    TCursor FCursorDisabled = crDefault;
    TCursor FCursorHot = crHandPoint;
    std::unique_ptr<TFont> FFontVisitedNormal;
    bool FVisited = false;
    std::unique_ptr<TFont> FFontVisitedHot;
};

class TKvpLinkLabel : public TKvpCustomLinkLabel
{
public:
    using TKvpCustomLinkLabel::TKvpCustomLinkLabel;
};

// Sets the name and the size in points of the label's five fonts.
void SetLinkLabelFonts(TKvpCustomLinkLabel& label, const std::string& fontName, int fontSize);
