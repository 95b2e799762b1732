#include "controls/memo/hint_form.h"

#include "controls/memo/memo_popups.h"
#include "platform/gui/graphics/bitmap.h"

TVezHintForm::TVezHintForm(TComponent* owner) : TForm(owner), canvas_(std::make_unique<TCanvas>())
{
    SetName("_hf");
    SetBorderStyle(bsNone);
    SetFormStyle(fsStayOnTop);
    SetVisible(false);
    OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
}

TVezHintForm::~TVezHintForm() = default;

std::string TVezHintForm::NormalText() const
{
    switch (Active) {
    case 1:
        return part2 + part3;
    case 2:
        return part1 + part3;
    case 3:
        return part1 + part2;
    default:
        return part1 + part2 + part3;
    }
}

std::string TVezHintForm::BoldText() const
{
    switch (Active) {
    case 1:
        return part1;
    case 2:
        return part2;
    case 3:
        return part3;
    default:
        return {};
    }
}

int TVezHintForm::LineHeight()
{
    TBitmap measure(1, 1);
    TCanvas& canvas = *measure.Canvas();
    canvas.SetFont(Font());
    return canvas.TextHeight("h,g_`");
}

int TVezHintForm::TextWidths()
{
    TBitmap measure(1, 1);
    TCanvas& canvas = *measure.Canvas();
    canvas.SetFont(Font());
    const int normal = canvas.TextWidth(NormalText());
    canvas.Font()->SetStyle(Font()->Style() + TFontStyles{fsBold});
    const int bold = canvas.TextWidth(BoldText());
    canvas.Font()->SetStyle(Font()->Style());
    return normal + bold;
}

void TVezHintForm::CreateParams(TCreateParams& params)
{
    TForm::CreateParams(params);
    // A hint never takes the activation from the memo's window.
    params.ExStyle |= WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    params.WindowClass.style |= CS_DROPSHADOW;
}

void TVezHintForm::Dispatch(TMessage& message)
{
    if (!RefuseMouseActivation(message))
        TForm::Dispatch(message);
}

void TVezHintForm::PaintWindow(HDC dc)
{
    TCanvasBinding binding(*canvas_, dc);
    Paint(*canvas_);
}

void TVezHintForm::Paint(TCanvas& canvas)
{
    canvas.Pen()->SetColor(clGray);
    canvas.Brush()->SetColor(Color());
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Rectangle(ClientRect());
    canvas.SetFont(Font());
    canvas.Brush()->SetStyle(bsClear);
    int x = 2;
    x = DrawPart(canvas, x, part1, Active == 1);
    x = DrawPart(canvas, x, part2, Active == 2);
    DrawPart(canvas, x, part3, Active == 3);
}

int TVezHintForm::DrawPart(TCanvas& canvas, int x, const std::string& text, bool bold)
{
    canvas.Font()->SetStyle(bold ? Font()->Style() + TFontStyles{fsBold} : Font()->Style());
    canvas.TextOut(x, 2, text);
    return x + canvas.TextWidth(text);
}
