// Loads arbitrary bytes as a markup picture, counts and walks its frames and draws it, at its size and
// stretched, on a small picture.
#include "controls/edits/html_picture.h"

#include <QApplication>

#include <cstdint>
#include <memory>

namespace {

std::unique_ptr<TBitmap> surface;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_markup_picture";
    static char* argv[] = {name, nullptr};
    // Kept until the process ends: taking the toolkit down at exit would come after the layer's own caches.
    static QApplication* application = new QApplication(argc, argv);
    (void)application;
    surface = std::make_unique<TBitmap>(64, 64, pf24bit);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TMemoryStream bytes;
    bytes.WriteBuffer(data, static_cast<int64_t>(size));
    bytes.SetPosition(0);
    THTMLPicture picture;
    picture.LoadFromStream(bytes);
    const int frames = picture.FrameCount();
    for (int frame = 1; frame <= std::min(frames, 8) + 1; ++frame)
        picture.SetFrame(frame);
    TCanvas& canvas = *surface->Canvas();
    canvas.Draw(picture.FrameXPos() % 64, picture.FrameYPos() % 64, &picture);
    canvas.StretchDraw({0, 0, 64, 64}, &picture);
    THTMLPicture copy;
    copy.Assign(&picture);
    return 0;
}
