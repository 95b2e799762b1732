#include "app/about/form_about.h"

#include "app/kit/program_constants.h"
#include "app/kit/secondary_window_parts.h"
#include "controls/pack/html_text_label.h"
#include "engine/app_strings.h"
#include "platform/gui/graphics/font_families.h"
#include "platform/gui/windows/actions.h"
#include "support/color_routines.h"

namespace {

constexpr int AboutClientWidth = 563;
constexpr int AboutClientHeight = 547;
constexpr int AboutFontHeight = -12;
constexpr int AboutLabelMargin = 8;

} // namespace

TAboutValues ProgramAboutValues()
{
    TAboutValues values;
    values.AppName = std::string(ProgramDisplayName);
    values.AppVersion = std::string(ProgramVersion) + "  64-bit";
    values.AppUrl = std::string(WebAddresses().HomePage);
    values.DonationUrl = std::string(WebAddresses().Donation);
    values.FFmpegVersion = "Run as a separate program (LGPL 2.1+ or GPL 2+)";
    values.FFmpegUrl = "https://ffmpeg.org";
    values.MediaInfoVersion = "Loaded at run time (BSD 2-Clause)";
    values.MediaInfoUrl = "https://mediaarea.net/MediaInfo";
    values.Libraries = {
        {"Qt 6", "LGPL 3", "https://www.qt.io"},
        {"zlib", "zlib License", "https://zlib.net"},
        {"libpng", "PNG Reference Library License", "http://www.libpng.org/pub/png/libpng.html"},
        {"libjpeg (libjpeg-turbo)", "IJG and BSD 3-Clause Licenses", "https://libjpeg-turbo.org"},
    };
    return values;
}

TFormAbout::TFormAbout(TComponent* owner, const TWindowLooks&, TAboutValues values)
    : TForm(owner), FValues(std::move(values))
{
    SetUpSecondaryWindow(*this, AboutClientWidth, AboutClientHeight, AboutClientWidth, AboutClientHeight);
    SetBorderStyle(bsDialog);
    SetColor(RGBToColor(253, 204, 55));
    SetDoubleBuffered(true);
    Font()->SetHeight(AboutFontHeight);
    Actions = new TActionList(this);
    actEsc = AddWindowAction(
        *Actions, [this](TObject* s) { actEscExecute(s); }, ShortCut(VK_ESCAPE, {}));
    actClose = AddWindowAction(*Actions, [this](TObject* s) { actCloseExecute(s); });
    BuildLabel();
    FTemplate = AboutTemplate(
        {ResolveFontFamily("Verdana"), ResolveFontFamily("Tahoma"), ResolveFontFamily("Consolas", true)});
    SetLang();
    Constraints()->SetMaxWidth(Width());
    Constraints()->SetMaxHeight(Height());
}

void TFormAbout::BuildLabel()
{
    htt = new TVhHTMLText2(this);
    htt->SetParent(this);
    htt->Margins()->SetBounds(AboutLabelMargin, AboutLabelMargin, AboutLabelMargin, AboutLabelMargin);
    htt->SetAlignWithMargins(true);
    htt->SetAlign(alClient);
    htt->SetColor(RGBToColor(225, 192, 4));
    htt->Border()->SetVisible(true);
    htt->Border()->Pen()->SetColor(RGBToColor(63, 63, 63));
    htt->StyleLinkNormal()->SetFontColor(RGBToColor(1, 92, 184));
    htt->StyleLinkHover()->SetFontColor(RGBToColor(230, 0, 0));
    htt->StyleLinkHover()->SetUnderline(true);
    htt->SetExtraLineSpacing(1);
    htt->TagLIParams()->SetMargin(25);
}

void TFormAbout::SetCloseShortCut(TShortCut shortCut)
{
    actClose->SetShortCut(shortCut);
}

void TFormAbout::SetLang()
{
    SetCaption(AppStrings->About.Caption);
    TAboutValues values = FValues;
    values.Donation = AppStrings->About.Donation;
    htt->SetText(FillAboutTemplate(FTemplate, values));
}

void TFormAbout::actCloseExecute(TObject*)
{
    Close();
}

void TFormAbout::actEscExecute(TObject*)
{
    Close();
}
