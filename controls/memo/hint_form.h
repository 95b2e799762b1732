#pragma once

#include "platform/gui/forms/forms.h"
#include "platform/gui/graphics/canvas.h"

#include <memory>

#include <string>

// The window of the parameter hints: borderless, stay-on-top, never activated, and hidden until a hint
// shows. It holds the parts of the hint text (before, at and after the current parameter) and which part is
// bold, and paints them in a grey frame.
class TVezHintForm : public TForm
{
public:
    explicit TVezHintForm(TComponent* owner);
    ~TVezHintForm() override;

    std::string part1;
    std::string part2;
    std::string part3;
    uint8_t Active = 0; // 0: nothing bold, 1 to 3: that part

    // The text drawn normally and the text drawn bold, by Active.
    std::string NormalText() const;
    std::string BoldText() const;
    // The height of a line of hint text, and the width the normal and bold texts take together.
    int LineHeight();
    int TextWidths();

    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void PaintWindow(HDC dc) override;

private:
    void Paint(TCanvas& canvas);
    // Draws text from x in the given style; answers where the next part starts.
    int DrawPart(TCanvas& canvas, int x, const std::string& text, bool bold);

    std::unique_ptr<TCanvas> canvas_;
};
