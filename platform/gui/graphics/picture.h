#pragma once

#include "platform/gui/graphics/bitmap.h"

#include <functional>
#include <memory>
#include <string>

// Pictures read by the toolkit's decoders (JPEG, icons), and TPicture, which holds a picture of any
// registered kind and loads files by their extension.

class TDecodedImage : public TGraphic
{
public:
    explicit TDecodedImage(const char* format);
    ~TDecodedImage() override;

    bool Empty() const override;
    int Width() const override;
    int Height() const override;
    void SetWidth(int) override {}
    void SetHeight(int) override {}
    void Assign(const TPersistent* source) override;
    void AssignTo(TPersistent* dest) const override;
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) const override;
    void Draw(TCanvas& canvas, const TRect& rect) override;

    struct Impl;
    // The decoded pixels, for the layer's own sources.
    friend const QImage& DecodedImage(const TDecodedImage& graphic);
    friend void AssignDecodedImage(TDecodedImage& graphic, const QImage& image);

private:
    std::unique_ptr<Impl> impl_;
};

class TJPEGImage : public TDecodedImage
{
public:
    TJPEGImage() : TDecodedImage("JPEG") {}
};

class TIcon : public TDecodedImage
{
public:
    TIcon() : TDecodedImage("ICO") {}
};

// The icon's two bitmaps: its colours as pf32bit with alpha, and its mask as pf24bit, black where the icon
// shows and white where it is transparent. False, and both untouched, for an empty icon.
bool GetIconInfo(const TIcon& icon, TBitmap& color, TBitmap& mask);

class TPicture : public TPersistent
{
public:
    using TGraphicFactory = std::function<std::unique_ptr<TGraphic>()>;
    // Makes files with this extension (without the dot, any case) load as the factory's kind.
    static void RegisterFileFormat(const std::string& extension, const std::string& description,
                                   TGraphicFactory factory);

    TPicture();
    ~TPicture() override;

    TGraphic* Graphic() const { return graphic_.get(); }
    void SetGraphic(const TGraphic* graphic); // copies it
    // Takes the graphic as it is, of any kind (registered or not).
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    // The picture as a bitmap; a picture of another kind is replaced by an empty bitmap.
    TBitmap* Bitmap();
    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }

    // Unknown extensions and unreadable files raise EInvalidGraphic and leave the picture as it was.
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;
    void Assign(const TPersistent* source) override;

    TNotifyEvent OnChange;

private:
    void Changed();
    std::unique_ptr<TGraphic> graphic_;
};
