// Sets the track bar's range, step, precision, tick frequency and size from arbitrary bytes (empty ranges,
// a step of 0 or less, tracks without width, values far beyond any screen, not-a-number), then reads its
// rectangles, the value under every point of the track and paints it, with or without pictures under the
// steps: no value that cannot be placed may reach a pixel position, and no loop may run away.
#include "controls/pack/track_bar.h"
#include "offscreen_harness.h"
#include "platform/gui/core/exceptions.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/image_list.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <memory>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    StartOffscreenApplication(argc, argv);
    return 0;
}

namespace {

// Three pictures under the steps, one list for every input.
TImageList* StepPictures()
{
    static TImageList* list = [] {
        auto* made = new TImageList(nullptr);
        made->SetSize(8, 8);
        TBitmap picture(8, 8, pf24bit);
        for (int i = 0; i < 3; ++i)
            made->Add(&picture, nullptr);
        return made;
    }();
    return list;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    auto bar = std::make_unique<TKVGxTrackBar6>(nullptr);
    const int width = input.ConsumeIntegralInRange(0, 400);
    bar->SetBounds(0, 0, width, input.ConsumeIntegralInRange(0, 60));
    bar->SetStep(input.ConsumeFloatingPoint<double>());
    bar->SetMin(input.ConsumeFloatingPoint<double>());
    bar->SetMax(input.ConsumeFloatingPoint<double>());
    bar->SetPosition(input.ConsumeFloatingPoint<double>());
    bar->SetPrecision(input.ConsumeIntegralInRange(-25, 25));
    bar->SetTickFrequency(input.ConsumeIntegral<int>());
    bar->SetTrackHeight(input.ConsumeIntegralInRange(-5, 40));
    bar->SetSignMinusVisible(input.ConsumeBool());
    bar->SetSignPlusVisible(input.ConsumeBool());
    bar->SetProgressLocation(TKVGxTrackProgress(input.ConsumeIntegralInRange(0, 2)));
    bar->SetProgressFillMode(TKVGxTrackBarProgressFillMode(input.ConsumeIntegralInRange(0, 3)));
    bar->SetStyle(TGxAppearanceStyle(input.ConsumeIntegralInRange(0, 2)));
    if (input.ConsumeBool())
        bar->SetImages(StepPictures());
    for (const int ppi : {96, 144})
        bar->Rects(ppi);
    for (int x = -2; x <= width + 2; ++x) {
        try {
            const double value = bar->GetPositionAtPos(x, 0);
            Check(!std::isnan(value) || std::isnan(bar->Position()));
        } catch (const ERangeError&) {
            Check(bar->Precision() < -20 || bar->Precision() > 20);
        }
    }
    TBitmap picture(400, 60, pf24bit);
    bar->PaintTo(*picture.Canvas(), 0, 0);
    return 0;
}
