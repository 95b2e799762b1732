#pragma once

#include "platform/gui/core/classes.h"
#include "platform/gui/graphics/graphics.h"

#include <memory>
#include <string>

class TCanvas;
class TVezCustomMemo;

// The settings of the memo's gutter (the strip of line numbers and marks left of the text) and of its
// active line. The gutter paints its background and lets the memo's OnGutterDraw draw each line's row.
class TVezGutter : public TPersistent
{
public:
    explicit TVezGutter(TVezCustomMemo* memo);
    ~TVezGutter() override;

    bool Visible() const { return FShowGutter; }
    void SetVisible(bool value);
    int GutterWidth() const { return gutterWidth_; }
    // Also the Width; lays the memo out again unless it is loading.
    void SetGutterWidth(int value);
    int GutterMargin() const { return gutterMargin_; }
    void SetGutterMargin(int value); // never below 45
    TColor GutterColor() const { return FColor; }
    void SetGutterColor(TColor value);
    TColor GutterColorTo() const { return FColorTo; }
    void SetGutterColorTo(TColor value);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value);
    TFont* Font() const { return font_.get(); }
    void SetFont(const TFont* value) { font_->Assign(value); }
    bool ShowLineNumbers() const { return showLineNumbers_; }
    void SetShowLineNumbers(bool value);
    TColor LineNumberTextColor() const { return lineNumberTextColor_; }
    void SetLineNumberTextColor(TColor value);
    int LineNumberStart() const { return lineNumberStart_; }
    void SetLineNumberStart(int value); // never negative
    int LineNumberAt() const { return lineNumberAt_; }
    void SetLineNumberAt(int value); // never below 1
    const std::string& NumberSuffix() const { return numberSuffix_; }
    void SetNumberSuffix(const std::string& value);
    int DigitCount() const { return digitCount_; }
    void SetDigitCount(int value);
    bool ShowLeadingZeros() const { return showLeadingZeros_; }
    void SetShowLeadingZeros(bool value);
    bool ShowModified() const { return showModified_; }
    void SetShowModified(bool value);
    TColor ModifiedColor() const { return modifiedColor_; }
    void SetModifiedColor(TColor value);
    TColor ModifiedColorBkg() const { return modifiedColorBkg_; }
    void SetModifiedColorBkg(TColor value);

    // The gutter's rectangle in the memo's client area, kept by the memo.
    int Left = 1;
    int Top = 1;
    int Width = 45;
    int Height = 0;
    TRect FullRect() const { return Rect(Left, Top, Left + Width, Top + Height); }
    TVezCustomMemo* Memo() const { return memo_; }

    // Invalidates the gutter's rectangle in the memo's window.
    void InvalidateArea();
    // Both background colours at once, without painting again (presets and desktop schemes).
    void StoreColors(TColor color, TColor colorTo);
    // Paints the gutter onto the memo's canvas: the background, the border and, through OnGutterDraw, the
    // row of every line shown (not the rows a wrapped line continues in).
    void DrawGutter(TCanvas& canvas);
    // The line number n as the gutter writes it (zeros in front with ShowLeadingZeros, no suffix), and the
    // x where it starts: numbers of up to four digits end at the same place.
    std::string GetLineNumberText(int n, int& x) const;
    // From another TVezGutter through the setters; any other source is ignored.
    void Assign(const TPersistent* source) override;

    TNotifyEvent FOnChange; // fired when the font changes

private:
    void GutterFontChanged(TObject* sender);
    void FillBackground(TCanvas& canvas, int width, int height) const;
    void DrawBorder(TCanvas& canvas, int height) const;
    void DrawRows(TCanvas& canvas, int rowWidth) const;
    // Stores value and invalidates the gutter.
    template <typename T> void SetAndInvalidate(T& field, const T& value)
    {
        field = value;
        InvalidateArea();
    }

    TVezCustomMemo* memo_;
    bool FShowGutter = true;
    int gutterWidth_ = 45;
    int gutterMargin_ = 45;
    TColor FColor = clBtnFace;
    TColor FColorTo = clWhite;
    TColor borderColor_ = clGray;
    std::unique_ptr<TFont> font_;
    bool showLineNumbers_ = true;
    TColor lineNumberTextColor_ = clBlack;
    int lineNumberStart_ = 1;
    int lineNumberAt_ = 1;
    std::string numberSuffix_;
    int digitCount_ = 4;
    bool showLeadingZeros_ = false;
    bool showModified_ = false;
    TColor modifiedColor_ = clYellow;
    TColor modifiedColorBkg_ = clLime;
};

class TVezActiveLineSettings : public TPersistent
{
public:
    explicit TVezActiveLineSettings(TVezCustomMemo* memo) : memo_(memo) {}

    bool ShowActiveLine() const { return showActiveLine_; }
    void SetShowActiveLine(bool value);
    bool ShowActiveLineIndicator() const { return showActiveLineIndicator_; }
    void SetShowActiveLineIndicator(bool value);
    TColor ActiveLineColor() const { return activeLineColor_; }
    void SetActiveLineColor(TColor value);
    TColor ActiveLineTextColor() const { return activeLineTextColor_; }
    void SetActiveLineTextColor(TColor value);
    bool ActiveLineAtCursor() const { return activeLineAtCursor_; }
    // True makes the cursor line active, False leaves no line active.
    void SetActiveLineAtCursor(bool value);
    void Assign(const TPersistent* source) override;

private:
    template <typename T> void SetAndRepaint(T& field, const T& value, bool onlyOnChange = true);

    TVezCustomMemo* memo_;
    bool showActiveLine_ = false;
    bool showActiveLineIndicator_ = false;
    TColor activeLineColor_ = clNavy;
    TColor activeLineTextColor_ = clYellow;
    bool activeLineAtCursor_ = false;
};
