#pragma once

#include "platform/gui/core/collection.h"
#include "platform/gui/core/strings.h"
#include "platform/gui/graphics/graphics.h"

#include <memory>
#include <string>

class TCustomImageList;

// A Rich Text Format document built from a sequence of calls: font, size, colours, bold, italic,
// underline, text, line ends and hyperlinks. The document is 7-bit text: every character outside printable
// ASCII is written as an escape, and braces and backslashes in texts, addresses and face names are escaped,
// so that nothing a text holds can end a group or start a control word.

class TFontItem : public TCollectionItem
{
public:
    using TCollectionItem::TCollectionItem;
    const std::string& FaceName() const { return FFaceName; }
    void SetFaceName(const std::string& value) { FFaceName = value; }
    // "\f" and the item's number.
    std::string Code() const;
    std::string GetText() const;

private:
    std::string FFaceName;
};

class TFontCollection : public TCollection
{
public:
    TFontCollection() : TCollection(TCollection::ItemClass<TFontItem>()) {}
    TFontItem* Add() { return static_cast<TFontItem*>(TCollection::Add()); }
    TFontItem* GetItem(int index) const { return static_cast<TFontItem*>(Items(index)); }
    // The number of the face (letters a to z compared without case); -1 when it is not there.
    int IndexOf(const std::string& faceName) const;

    TNotifyEvent OnChange;
};

class TFontTable : public TObject
{
public:
    TFontCollection* Fonts() const { return FFonts.get(); }
    // The code of the face's item, added at the end when new.
    std::string AddFont(const std::string& faceName);
    std::string AddFont(const TFont* font) { return AddFont(font->Name()); }
    int IndexOf(const std::string& faceName) const { return FFonts->IndexOf(faceName); }
    std::string GetText() const;

private:
    std::unique_ptr<TFontCollection> FFonts = std::make_unique<TFontCollection>();
};

// The colours in order of first use, each RGB value once (system colours resolved); colour n is written as
// number n + 1, the table's first entry being the empty "automatic" one.
class TColorTable : public TObject
{
public:
    TStringList* Colors() const { return FColorList.get(); }
    int AddColor(TColor color);
    std::string GetText() const;

private:
    std::unique_ptr<TStringList> FColorList = std::make_unique<TStringList>();
};

class TRTFHeader : public TObject
{
public:
    TFontTable* FontTable() const { return FFontTable.get(); }
    TColorTable* ColorTable() const { return FColorTable.get(); }
    std::string GetText() const;

private:
    std::unique_ptr<TFontTable> FFontTable = std::make_unique<TFontTable>();
    std::unique_ptr<TColorTable> FColorTable = std::make_unique<TColorTable>();
    int FViewKind = 4;
};

class TRTFEngine : public TObject
{
public:
    TRTFEngine();
    ~TRTFEngine() override;

    void AddFontName(const std::string& fontName);
    // Half-points.
    void AddFontSize(int value);
    void AddForeColor(TColor color);
    // clNone: no highlight.
    void AddHighLightColor(TColor color);
    void AddBold(bool value);
    void AddItalic(bool value);
    void AddUnderLine(bool value);
    void AddText(const std::string& text);
    void AddNewLine();
    // A link field showing text in font's face, size and colour, underlined. An address holding a double
    // quote cannot stand in the field: the text is written without a link then.
    void AddHyperLink(const std::string& link, const std::string& text, const TFont* font);
    void NextBullet() {}
    std::string GetText() const;

    bool Bold() const { return FBold; }
    bool Italic() const { return FItalic; }
    bool UnderLine() const { return FUnderLine; }
    bool StrikeOut() const { return FStrikeOut; }
    int FonSize() const { return FFontSize; }
    TAlignment HAlignment() const { return FHAlignment; }
    TColor ForeColor() const { return FForeColor; }
    TColor HighLightColor() const { return FHighLightColor; }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value) { FImages = value; }
    TRTFHeader* Header() const { return FRTFHeader.get(); }

private:
    // Appends a text (converted) or a control word; a text after a control word is set off by a space.
    void AddToText(const std::string& piece, bool isText);

    std::unique_ptr<TRTFHeader> FRTFHeader;
    [[maybe_unused]] bool FNewLine = true; // set at creation, never read
    bool FIsPreviouseKW = true;
    std::string FText; // the body
    bool FBold = false;
    bool FItalic = false;
    bool FUnderLine = false;
    TAlignment FHAlignment = taLeftJustify;
    int FFontSize = 12;
    TColor FForeColor = clBlack;
    bool FStrikeOut = false;
    TCustomImageList* FImages = nullptr;
    TColor FHighLightColor = clNone;
};

// Text as RTF writes it: backslash and braces escaped, CR as a paragraph end (LF dropped), printable ASCII
// as it is, control characters and Latin-1 letters (0xA0 to 0xFF, the same in the header's code page) as
// \'hh, every other character as \uN (its UTF-16 units as signed numbers) followed by "G" for readers that
// cannot show it.
std::string RtfEscapedText(const std::string& text);
