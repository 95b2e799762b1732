#include "errors_window_fixture.h"

#include "app/about/form_about.h"
#include "controls/pack/html_text_label.h"
#include "support/color_routines.h"

#include <regex>

namespace {

class AboutWindow : public testing::Test
{
protected:
    void TearDown() override
    {
        if (Form)
            Form->Free();
        *AppStrings = TAppStrings();
    }
    TFormAbout& Make(TAboutValues values = ProgramAboutValues())
    {
        Form = new TFormAbout(Templates.Owner, Templates.Looks, std::move(values));
        Form->SetCloseShortCut(ShortCut(VK_F1, {ssCtrl, ssShift}));
        Form->Show();
        Pump();
        return *Form;
    }
    // The words the label shows, blanks as blanks.
    std::string ShownText() const
    {
        std::string text;
        for (const TVHWord& word : Form->Label()->Words())
            text += word.Space ? " " : word.Text;
        return text;
    }
    std::vector<std::string> LinkTargets() const
    {
        std::vector<std::string> targets;
        for (const TVHLinkData& link : Form->Label()->Links())
            targets.push_back(link.Target);
        return targets;
    }

    TTemplateLooks Templates;
    TFormAbout* Form = nullptr;
};

TEST_F(AboutWindow, ShowsTheProgramAndTheProjectsItUses)
{
    TFormAbout& form = Make();
    EXPECT_EQ(form.Caption(), "About");
    const std::string text = form.Label()->Text();
    EXPECT_FALSE(std::regex_search(text, std::regex("%[A-Za-z_]+%"))) << text;
    EXPECT_EQ(text.find("<?>"), std::string::npos);
    const std::string shown = ShownText();
    for (const char* part : {"Quillmark", "Version 1.10  64-bit", "FFmpeg", "MediaInfo", "Qt 6", "zlib",
                             "libpng", "libjpeg", "LGPL 3"})
        EXPECT_NE(shown.find(part), std::string::npos) << part << " in " << shown;
    // Every link is a web address, its text the address itself.
    const TVHLinkDataList& links = form.Label()->Links();
    EXPECT_EQ(links.size(), 6u);
    for (const TVHLinkData& link : links) {
        EXPECT_EQ(link.Target.rfind("http", 0), 0u) << link.Target;
        EXPECT_EQ(link.Text, link.Target);
    }

    const std::unique_ptr<TBitmap> picture = Render(&form);
    SaveScreenshot(*picture, "about_window");
    // The label's colour with a border around it, the window's colour outside.
    EXPECT_EQ(picture->Canvas()->Pixels(4, picture->Height() / 2), RGBToColor(253, 204, 55));
    EXPECT_GT(CountPixels(*picture, {0, 0, picture->Width(), picture->Height()}, RGBToColor(63, 63, 63)),
              1000);
}

TEST_F(AboutWindow, InsertedTextsShowAsTheyAreWritten)
{
    TAboutValues values = ProgramAboutValues();
    values.AppName = "<b>Name</b> & %APP_VERSION%";
    values.AppAuthor = "Line\r\n<fc:clRed>Red";
    values.DonationUrl = "https://example.org/donate";
    values.FFmpegUrl = "file:///bin/sh";
    values.MediaInfoUrl = "https://example.org/a>b";
    values.Libraries = {{"<li>lib</li>", "&amp;", "javascript:alert(1)"}};
    AppStrings->About.Donation = "<a:file:///etc/passwd>Give</a>";
    Make(std::move(values));

    const std::string shown = ShownText();
    for (const char* literal : {"<b>Name</b> & %APP_VERSION%", "Line  <fc:clRed>Red",
                                "<a:file:///etc/passwd>Give</a>", "<li>lib</li> (&amp;)"})
        EXPECT_NE(shown.find(literal), std::string::npos) << literal << " in " << shown;
    // Only web and mail addresses that a link can hold become links.
    EXPECT_EQ(LinkTargets(), std::vector<std::string>{"https://example.org/donate"});
    EXPECT_EQ(Form->Label()->Links()[0].Text, "<a:file:///etc/passwd>Give</a>");
}

TEST_F(AboutWindow, FollowsTheLanguageAndClosesOnItsKeys)
{
    TAboutValues values = ProgramAboutValues();
    values.DonationUrl = "https://example.org/donate";
    TFormAbout& form = Make(std::move(values));
    const std::string before = form.Label()->Text();
    AppStrings->About.Caption = "Info";
    AppStrings->About.Donation = "SPENDE";
    form.SetLang();
    EXPECT_EQ(form.Caption(), "Info");
    ASSERT_FALSE(form.Label()->Links().empty());
    const auto donation =
        std::find_if(form.Label()->Links().begin(), form.Label()->Links().end(),
                     [](const TVHLinkData& link) { return link.Target.ends_with("/donate"); });
    ASSERT_NE(donation, form.Label()->Links().end());
    EXPECT_EQ(donation->Text, "SPENDE");
    EXPECT_EQ(form.Label()->Text().size(), before.size() - std::string("DONATION").size() + 6);

    for (const char* key : {"Esc", "CS-F1"}) {
        form.Show();
        Pump();
        Press(&form, key);
        Pump();
        EXPECT_FALSE(form.Visible()) << key;
    }
}

} // namespace
