#pragma once

#include "controls/pack/html_label_params.h"
#include "controls/pack/html_words.h"
#include "controls/pack/png_collection.h"
#include "platform/gui/windows/win_control.h"

#include <functional>
#include <memory>
#include <string>

// A label that shows its Text in the HTML-like tag language: fonts, colours, alignment, tab stops, rules,
// headings, lists, pictures, subscripts and superscripts, and links with a normal and a hover look that
// open web and mail addresses (anything else only fires the link events). It can size itself to its text.

enum TVHVerticalAlignment
{
    vaTop,
    vaCenter,
    vaBottom
};

using TVHEvLink = std::function<void(TObject* sender, int linkID, const TVHLinkData& linkData)>;
using TVHEvLinkClick =
    std::function<void(TObject* sender, int linkID, const TVHLinkData& linkData, bool& handled)>;

class TVhHTMLText2 : public TGraphicControl
{
public:
    explicit TVhHTMLText2(TComponent* owner);
    ~TVhHTMLText2() override;

    // Text is the control's text: a new one rebuilds and repaints.
    bool AutoWidth() const { return FAutoWidth; }
    // Turning it on sizes the label to its text; turning it off keeps the size.
    void SetAutoWidth(bool value);
    bool AutoHeight() const { return FAutoHeight; }
    void SetAutoHeight(bool value);
    // With AutoWidth and a value above 0, the width at which the text wraps.
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int value);
    TVHVerticalAlignment VerticalAlignment() const { return FVerticalAlignment; }
    void SetVerticalAlignment(TVHVerticalAlignment value);
    // Pixels added below every line, -5 to 10.
    int ExtraLineSpacing() const { return FExtraLineSpacing; }
    void SetExtraLineSpacing(int value);
    // Pixels added to every word and blank, 0 to 5.
    int ExtraWordSpacing() const { return FExtraWordSpacing; }
    void SetExtraWordSpacing(int value);
    // A left click on a link opens its target unless OnLinkClick handled it.
    bool AutoOpenLink() const { return FAutoOpenLink; }
    void SetAutoOpenLink(bool value) { FAutoOpenLink = value; }
    // Not owned: the pictures of "IMG" tags with a number; dropped when the collection goes.
    TVhPngCollection* PngCollection() const { return FPngCollection; }
    void SetPngCollection(TVhPngCollection* value);
    const std::string& TagStr() const { return FTagStr; }
    void SetTagStr(const std::string& value) { FTagStr = value; }
    const std::string& About() const { return FAbout; }

    // The style objects; setting one copies the given object's values.
    TVHStyleLinkProp* StyleLinkNormal() const { return FStyleLinkNormal.get(); }
    void SetStyleLinkNormal(const TVHStyleLinkProp* value) { FStyleLinkNormal->Assign(value); }
    TVHStyleLinkProp* StyleLinkHover() const { return FStyleLinkHover.get(); }
    void SetStyleLinkHover(const TVHStyleLinkProp* value) { FStyleLinkHover->Assign(value); }
    TVHTagHRParams* TagHRParams() const { return FTagHRParams.get(); }
    void SetTagHRParams(const TVHTagHRParams* value) { FTagHRParams->Assign(value); }
    TVHTagH1Params* TagH1Params() const { return FTagH1Params.get(); }
    void SetTagH1Params(const TVHTagH1Params* value) { FTagH1Params->Assign(value); }
    TVHTagH2Params* TagH2Params() const { return FTagH2Params.get(); }
    void SetTagH2Params(const TVHTagH2Params* value) { FTagH2Params->Assign(value); }
    TVHTagH3Params* TagH3Params() const { return FTagH3Params.get(); }
    void SetTagH3Params(const TVHTagH3Params* value) { FTagH3Params->Assign(value); }
    TVHInternalMargins* InternalMargins() const { return FInternalMargins.get(); }
    void SetInternalMargins(const TVHInternalMargins* value) { FInternalMargins->Assign(value); }
    TVHTagLI1Params* TagLIParams() const { return FTagLIParams.get(); }
    void SetTagLIParams(const TVHTagLI1Params* value) { FTagLIParams->Assign(value); }
    TVHTagLI2Params* TagLI2Params() const { return FTagLI2Params.get(); }
    void SetTagLI2Params(const TVHTagLI2Params* value) { FTagLI2Params->Assign(value); }
    TVHBorder* Border() const { return FBorder.get(); }
    void SetBorder(const TVHBorder* value) { FBorder->Assign(value); }
    TVHTagSubParams* TagSUBParams() const { return FTagSUBParams.get(); }
    void SetTagSUBParams(const TVHTagSubParams* value) { FTagSUBParams->Assign(value); }
    TVHTagSupParams* TagSUPParams() const { return FTagSUPParams.get(); }
    void SetTagSUPParams(const TVHTagSupParams* value) { FTagSUPParams->Assign(value); }

    // Results of the build for the current text, size and styles.
    int Lines() const { return EnsureWords(), FLines; }
    int TextWidth() const { return EnsureWords(), FTextWidth; }
    int TextHeight() const { return EnsureWords(), FTextHeight; }
    const TVHWordList& Words() const { return EnsureWords(), LWords; }
    const TVHLinkDataList& Links() const { return EnsureWords(), LLinkData; }
    // The width of the text area: the label's less the internal margins while they are enabled.
    int BitmapWidth() const { return EnsureWords(), FBitmapWidth; }
    // The vertical offset of the text the last paint used.
    int BitmapTop() const { return FBitmapTop; }
    bool IsLinkHover() const { return FIsLinkHover; }
    int SelectedLinkID() const { return FSelectedLinkID; }

    // The picture of collection item index (owned by the collection); nullptr without one.
    TPngImage* GetPngImage(int index) const;
    // A new picture loaded from a PNG file, or nullptr when there is none or it does not load.
    static std::unique_ptr<TPngImage> GetPngImageFromFile(const std::string& fileName);

    TVHEvLink OnLinkEnter;
    TVHEvLink OnLinkLeave;
    TVHEvLinkClick OnLinkClick;
    TVHEvLinkClick OnLinkRightClick;

    void Click() override;
    void Dispatch(TMessage& message) override;

protected:
    void Loaded() override;
    void Paint() override;
    void Resize() override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class THTMLPainter;
    // Builds the words again for the current text, size and styles (and sizes the label to them), at once
    // or, for a label not showing that keeps its size, when they are next needed.
    void RebuildWords();
    void BuildWords();
    // Builds the words a deferred rebuild left out.
    void EnsureWords() const;
    // Rebuilds and repaints.
    void RefreshLayout();
    void UpdateLinkHover(int x, int y);
    // The hovered link's data; nullptr without one.
    const TVHLinkData* SelectedLink() const;
    void SetOwnCursor(TCursor cursor);
    template <typename T> void StoreRefresh(T& field, const T& value)
    {
        if (StoreIfChanged(field, value))
            RefreshLayout();
    }

    std::string FAbout;
    TVHWordList LWords;
    TVHLinkDataList LLinkData;
    int FBitmapTop = 0;
    int FBitmapWidth = 0;
    bool FAutoWidth = false;
    bool FAutoHeight = false;
    int FMaxWidth = 0;
    bool FAutoOpenLink = true;
    int FLines = 0;
    bool FWordsStale = false;
    int FTextWidth = 0;
    int FTextHeight = 0;
    std::unique_ptr<TVHStyleLinkProp> FStyleLinkNormal;
    std::unique_ptr<TVHStyleLinkProp> FStyleLinkHover;
    bool FIsLinkHover = false;
    int FSelectedLinkID = -1;
    bool NoCursorChange = false; // the label sets its own cursor
    TCursor DefaultCursor;       // the cursor to show away from links
    std::unique_ptr<TVHTagHRParams> FTagHRParams;
    std::unique_ptr<TVHTagH1Params> FTagH1Params;
    std::unique_ptr<TVHTagH2Params> FTagH2Params;
    std::unique_ptr<TVHTagH3Params> FTagH3Params;
    TVHVerticalAlignment FVerticalAlignment = vaTop;
    std::unique_ptr<TVHInternalMargins> FInternalMargins;
    int FExtraLineSpacing = 0;
    int FExtraWordSpacing = 0;
    std::unique_ptr<TVHTagLI1Params> FTagLIParams;
    std::unique_ptr<TVHTagLI2Params> FTagLI2Params;
    std::unique_ptr<TVHBorder> FBorder;
    std::unique_ptr<TVHTagSubParams> FTagSUBParams;
    std::unique_ptr<TVHTagSupParams> FTagSUPParams;
    TVhPngCollection* FPngCollection = nullptr;
    std::string FTagStr;
    bool FRebuilding = false; // a build runs: the size it sets does not build again
};
