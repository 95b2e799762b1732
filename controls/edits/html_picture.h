#pragma once

#include "controls/edits/gdiplus_image.h"
#include "platform/gui/graphics/bitmap.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// A picture of the markup: the bytes of an image file kept exactly as loaded, decoded at every load and
// frame change. An animated GIF keeps its frames' positions, read from the image descriptors; only its
// first frame is ever drawn, moved by the current frame's position. Pictures load from files, streams,
// the program's raw-data resources and "RES://" and "FILE://" addresses; nothing is downloaded.

using TDownLoadErrorEvent = std::function<void(TObject* sender, const std::string& err)>;
using TDownLoadCancelEvent = std::function<void(TObject* sender, bool& cancel)>;
using TDownLoadProgressEvent = std::function<void(TObject* sender, uint32_t dwSize, uint32_t dwTotSize)>;

class THTMLPicture : public TGraphic
{
public:
    THTMLPicture();
    ~THTMLPicture() override;

    bool Empty() const override { return empty_; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    // The size comes from the image: setting it does nothing.
    void SetWidth(int) override {}
    void SetHeight(int) override {}
    int MaxWidth() const { return width_; }
    int MaxHeight() const { return height_; }

    // The file's bytes become the picture; a file that cannot be read leaves it empty, raising nothing.
    void LoadFromFile(const std::string& fileName);
    void LoadFromStream(TStream& stream) override;
    // The stored bytes, unchanged.
    void SaveToStream(TStream& stream) const override;
    // The program's raw-data resource of that name; nothing when there is none.
    void LoadFromResourceName(const std::string& name);
    // "RES://name" and "FILE://path" load (the scheme in any case) and keep the address as ID; any other
    // address only becomes URL and ID and loads nothing.
    void LoadFromURL(const std::string& url);
    void Assign(const TPersistent* source) override;
    void Draw(TCanvas& canvas, const TRect& rect) override;

    // Stored only: the markup stretches a picture whose tag gives a size.
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value) { stretch_ = value; }
    // 1-based; setting it decodes again and fires OnFrameChange.
    int Frame() const { return frame_; }
    void SetFrame(int value);
    bool IsGIF() const;
    // The GIF's frames, counted once per load; -1 for other images.
    int FrameCount();
    uint16_t FrameXPos() const { return frameX_; }
    uint16_t FrameYPos() const { return frameY_; }

    bool Busy() const { return busy_; }
    bool Asynch() const { return asynch_; }
    void SetAsynch(bool value) { asynch_ = value; }
    bool IsDB() const { return isDB_; }
    void SetIsDB(bool value) { isDB_ = value; }
    // The address the picture was loaded from (LoadFromURL).
    const std::string& ID() const { return id_; }
    void SetID(const std::string& value) { id_ = value; }
    const std::string& URL() const { return url_; }

    TNotifyEvent OnFrameChange;
    // Nothing downloads here, so these are never raised; they are kept for the programs that set them.
    TDownLoadErrorEvent OnDownLoadError;
    TNotifyEvent OnDownLoadComplete;
    TDownLoadCancelEvent OnDownLoadCancel;
    TDownLoadProgressEvent OnDownLoadProgress;

private:
    // Takes bytes as the picture's data at frame, decodes them and fires the change event.
    void SetData(std::string bytes, int frame = 1);
    void Decode();
    void ReadFramePosition();

    std::string data_;                // the image file's bytes as loaded
    std::unique_ptr<TGPImage> image_; // the data decoded
    bool empty_ = true;
    int width_ = 0;
    int height_ = 0;
    int frame_ = 1;
    int frameCount_ = -1; // -1: not counted since the last load
    uint16_t frameX_ = 0;
    uint16_t frameY_ = 0;
    bool stretch_ = false;
    bool asynch_ = true;
    bool busy_ = false;
    bool isDB_ = false;
    std::string id_;
    std::string url_;
};
