#include "controls/pack/html_text_label.h"

#include "form_fixture.h"
#include "recording_shell.h"
#include "support/markup_escape.h"

namespace {

class HtmlLabels : public FormFixture
{
protected:
    TVhHTMLText2* PlaceLabel(const std::string& text, TRect bounds = Bounds(10, 10, 300, 120))
    {
        auto* label = new TVhHTMLText2(form);
        label->SetParent(form);
        label->Font()->SetName("DejaVu Sans");
        label->Font()->SetSize(10);
        label->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        label->SetText(text);
        return label;
    }
    // The size of text in DejaVu Sans at the given points, as the label measures it.
    static TSize Measure(const std::string& text, int points = 10)
    {
        TBitmap surface(1, 1);
        surface.Canvas()->Font()->SetName("DejaVu Sans");
        surface.Canvas()->Font()->SetSize(points);
        return surface.Canvas()->TextExtent(text);
    }
    static const TVHWord& Word(const TVhHTMLText2& label, const std::string& text)
    {
        for (const TVHWord& word : label.Words())
            if (word.Text == text)
                return word;
        static const TVHWord none;
        ADD_FAILURE() << "no word " << text;
        return none;
    }

    TRecordingShell shell;
};

} // namespace

TEST_F(HtmlLabels, WordsLineUpAndWrap)
{
    TVhHTMLText2* label = PlaceLabel("Hello world");
    const TSize hello = Measure("Hello"), blank = Measure(" ");
    EXPECT_EQ(Word(*label, "Hello").Rect, Bounds(0, 0, hello.cx, hello.cy));
    EXPECT_EQ(Word(*label, "world").Rect.Left, hello.cx + blank.cx);
    EXPECT_EQ(label->Lines(), 1);
    EXPECT_EQ(label->TextHeight(), hello.cy);

    label->SetExtraLineSpacing(1);
    EXPECT_EQ(label->TextHeight(), hello.cy + 1);

    // Wrapping before the second word drops the blank between them.
    label->SetBounds(10, 10, hello.cx + blank.cx + 5, 120);
    EXPECT_EQ(label->Words().size(), 2u);
    EXPECT_EQ(Word(*label, "world").Rect.Left, 0);
    EXPECT_EQ(Word(*label, "world").Rect.Top, hello.cy + 1);
    EXPECT_EQ(label->Lines(), 2);

    label->SetText("");
    EXPECT_TRUE(label->Words().empty());
    EXPECT_EQ(label->TextHeight(), 0);
    EXPECT_EQ(label->Lines(), 0);
}

TEST_F(HtmlLabels, RightAlignedGroupsEndAtTheirTabAndTheEdge)
{
    TVhHTMLText2* label = PlaceLabel("<r>Name<t:100>Value</r>", Bounds(10, 10, 300, 40));
    EXPECT_EQ(Word(*label, "Name").Rect.Right, 100);
    EXPECT_EQ(Word(*label, "Value").Rect.Right, 300);

    label->SetText("<c>Mid</c>");
    EXPECT_EQ(Word(*label, "Mid").Rect.Left, (300 - Measure("Mid").cx) / 2);
}

TEST_F(HtmlLabels, RulesSubscriptsAndSuperscripts)
{
    TVhHTMLText2* label = PlaceLabel("<hr>\r\nx<sup>2</sup>");
    const TVHWord& rule = label->Words().front();
    EXPECT_EQ(rule.TagID, wtRule);
    EXPECT_EQ(rule.Rect, (TRect{0, 0, 300, Measure("1").cy}));
    EXPECT_EQ(label->Lines(), 3) << "the rule counts a line, the break and the last line another each";

    // At 10 points a superscript is 3 points smaller and 5 higher: its bottom is Y + cy + 5 - h div 2.
    const TVHWord& two = Word(*label, "2");
    const TSize small = Measure("2", 7);
    EXPECT_EQ(two.Font->Size(), 7);
    EXPECT_EQ(two.Rect.Bottom - two.Rect.Top, small.cy + 5 - Measure("1", 7).cy / 2);

    label->SetText("<sub>a b</sub>");
    EXPECT_EQ(Word(*label, "a").Font->Size(), 8);
    EXPECT_EQ(label->Words()[1].Font->Size(), 7) << "each word in the range is reduced again";
    EXPECT_EQ(Word(*label, "b").Font->Size(), 6);
}

TEST_F(HtmlLabels, StylesStackHeadingsRestoreAndLinksKeepTheirText)
{
    TVhHTMLText2* label = PlaceLabel("<b>a</b></b>b<h1>H<i>i</h1>c</i> <a:x>l&amp;k</a> <a:y>open");
    EXPECT_TRUE(Word(*label, "a").Font->Style().Contains(fsBold));
    EXPECT_FALSE(Word(*label, "b").Font->Style().Contains(fsBold)) << "a surplus closing tag changes nothing";
    EXPECT_EQ(Word(*label, "H").Font->Name(), "Arial");
    EXPECT_EQ(Word(*label, "i").Font->Style(), TFontStyles{fsItalic})
        << "the stacks replace the heading's bold";
    EXPECT_EQ(Word(*label, "c").Font->Name(), "DejaVu Sans") << "closing the heading restores the stack tops";
    EXPECT_TRUE(Word(*label, "c").Font->Style().Contains(fsItalic));
    ASSERT_EQ(label->Links().size(), 2u);
    EXPECT_EQ(label->Links()[0].Text, "l&k");
    EXPECT_EQ(label->Links()[1].Text, "") << "a link never closed";
}

TEST_F(HtmlLabels, PicturesComeFromTheCollectionByNumber)
{
    auto* collection = new TVhPngCollection(form);
    auto* item = dynamic_cast<TVhPngCollectionItem*>(collection->Items()->Add());
    TPngImage image(COLOR_RGB, 8, 10, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x) {
            uint8_t* pixel = image.ScanLine(y) + 3 * x; // blue, green, red
            pixel[0] = 0x20;
            pixel[1] = 0x40;
            pixel[2] = 0xC0;
        }
    item->SetPngImage(&image);
    TVhHTMLText2* label = PlaceLabel("<c><img:0>\r\nnext</c>", Bounds(10, 10, 200, 60));
    label->SetPngCollection(collection);
    Pump();
    const std::unique_ptr<TBitmap> picture = Render(form);
    EXPECT_EQ(picture->Canvas()->Pixels(10 + 100, 10 + 3), 0x2040C0u) << "centred on the text area";
    EXPECT_NE(picture->Canvas()->Pixels(10 + 100 - 8, 10 + 3), 0x2040C0u);

    collection->Free();
    EXPECT_EQ(label->PngCollection(), nullptr) << "a collection that goes is dropped";
    Pump();
    Render(form);
}

TEST_F(HtmlLabels, ALabelWithoutAParentBuildsAndSizesItself)
{
    TVhHTMLText2 label(nullptr);
    label.Font()->SetName("DejaVu Sans");
    label.Font()->SetSize(10);
    label.SetBounds(0, 0, 200, 10);
    label.SetAutoHeight(true);
    label.SetText("one<br>two");
    EXPECT_EQ(label.Lines(), 2);
    EXPECT_EQ(label.Height(), 2 * Measure("one").cy);

    label.SetAutoWidth(true);
    EXPECT_EQ(label.Width(), Measure("one").cx) << "the widest line, without wrapping";
}

// A label in a window not yet shown builds its words when it is painted or asked: what it paints and
// reports then is the last text at the last width.
TEST_F(HtmlLabels, ALabelInAHiddenWindowPaintsItsLastTextAndWidth)
{
    form->Hide();
    TVhHTMLText2* label = PlaceLabel("first", Bounds(10, 10, 300, 120));
    label->SetColor(clWhite);
    label->SetText("Hello world");
    label->SetBounds(10, 10, Measure("Hello").cx + 4, 120);
    form->Show();
    Pump();
    const std::unique_ptr<TBitmap> picture = Render(form);

    EXPECT_EQ(label->Lines(), 2);
    const TRect world = Word(*label, "world").Rect;
    EXPECT_EQ(world.Top, Measure("Hello").cy) << "wrapped at the width set while hidden";
    int inked = 0;
    for (int y = world.Top; y < world.Bottom; ++y)
        for (int x = world.Left; x < world.Right; ++x)
            inked += picture->Canvas()->Pixels(10 + x, 10 + y) != 0xFFFFFFu;
    EXPECT_GT(inked, 10) << "the second line is painted";
}

TEST_F(HtmlLabels, HoverMovesFromLinkToLinkAndClicksComeInOrder)
{
    TVhHTMLText2* label = PlaceLabel("<a:https://example.org>site</a> <a:/etc/passwd>file</a> plain");
    std::vector<std::string> log;
    label->OnLinkEnter = [&](TObject*, int id, const TVHLinkData& data) {
        log.push_back("enter " + std::to_string(id) + " " + data.Text);
    };
    label->OnLinkLeave = [&](TObject*, int id, const TVHLinkData&) {
        log.push_back("leave " + std::to_string(id));
    };
    label->OnLinkClick = [&](TObject*, int id, const TVHLinkData&, bool&) {
        log.push_back("link click " + std::to_string(id) + ", " + std::to_string(shell.Calls.size()) +
                      " opened");
    };
    label->OnClick = [&](TObject*) {
        log.push_back("click, " + std::to_string(shell.Calls.size()) + " opened");
    };
    label->OnLinkRightClick = [&](TObject*, int id, const TVHLinkData&, bool&) {
        log.push_back("right " + std::to_string(id));
    };
    label->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { log.push_back("up"); };
    ParkMouse();
    auto at = [&](const std::string& text) {
        const TRect r = Word(*label, text).Rect;
        return TPoint{10 + r.Left + 2, 10 + r.Top + 4};
    };

    MouseMove(form, at("site"));
    EXPECT_EQ(label->Cursor(), crHandPoint);
    MouseMove(form, at("file"));
    EXPECT_EQ(log, (std::vector<std::string>{"enter 0 site", "enter 1 file"})) << "no leave between links";
    log.clear();
    Click(form, at("file"));
    EXPECT_EQ(log, (std::vector<std::string>{"link click 1, 0 opened", "click, 0 opened", "up"}))
        << "a file named by the text opens nothing";
    log.clear();
    MouseMove(form, at("site"));
    Click(form, at("site"));
    EXPECT_EQ(shell.Calls, std::vector<std::string>{"open https://example.org"});
    EXPECT_EQ(log[log.size() - 2], "click, 1 opened");
    log.clear();
    Click(form, at("site"), mbRight);
    EXPECT_EQ(log, (std::vector<std::string>{"right 0", "up"}));
    log.clear();
    MouseMove(form, at("plain"));
    EXPECT_EQ(log, (std::vector<std::string>{"leave 0"}));
    EXPECT_EQ(label->Cursor(), crDefault);
}

TEST_F(HtmlLabels, TheAboutTemplateRendered)
{
    const std::string Url = "https://example.org/quillmark?lang=en&os=linux";
    std::string text = "<bbc:#FDF4B7><c><fs:14><b>%APP_NAME%</b></fs>\r\n"
                       "Version %APP_VERSION%</c>\r\n"
                       "<hr>\r\n"
                       "<fc:clNavy><b>Made with</b></fc>\r\n"
                       "<li>the encoder (%ENCODER%)\r\n"
                       "<li>the media analyser\r\n"
                       "<ln:#3F3F3F>\r\n"
                       "Home page: <a:%APP_LINK%>%APP_URL%</a>\r\n"
                       "<fn:DejaVu Sans Mono>x&sup2; &plusmn; &copy;</fn>";
    const std::pair<std::string, std::string> values[] = {{"%APP_NAME%", "Quillmark"},
                                                          {"%APP_VERSION%", "1.10 <beta>"},
                                                          {"%ENCODER%", "ffmpeg & friends"},
                                                          {"%APP_URL%", Url}};
    for (const auto& [placeholder, value] : values)
        for (size_t at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder))
            text.replace(at, placeholder.size(), EscapeTagText(value));
    // A tag's parameter is read as written: the link's target goes in as it is.
    const std::string link = "%APP_LINK%";
    text.replace(text.find(link), link.size(), Url);

    TVhHTMLText2* label = PlaceLabel("", Bounds(10, 10, 360, 260));
    label->SetColor(0x0004C0E1);
    label->StyleLinkNormal()->SetFontColor(0x00B85C01);
    label->StyleLinkHover()->SetFontColor(0x000000E6);
    label->StyleLinkHover()->SetUnderline(true);
    label->SetExtraLineSpacing(1);
    label->TagLIParams()->SetMargin(25);
    label->Border()->Pen()->SetColor(0x003F3F3F);
    label->Border()->SetVisible(true);
    label->InternalMargins()->SetEnabled(true);
    label->SetText(text);
    Pump();
    const std::unique_ptr<TBitmap> picture = Render(form);
    SaveScreenshot(*picture, "html_label_about", 2);

    EXPECT_EQ(label->Links().size(), 1u);
    EXPECT_EQ(label->Links()[0].Target, Url);
    EXPECT_EQ(label->Links()[0].Text, Url);
    EXPECT_EQ(Word(*label, "<beta>").Text, "<beta>") << "an escaped value shows as written";
    EXPECT_EQ(Word(*label, "&").Text, "&");
    EXPECT_EQ(picture->Canvas()->Pixels(10, 10), 0x3F3F3Fu) << "the border";
    EXPECT_EQ(picture->Canvas()->Pixels(30, 14), 0xB7F4FDu) << "the body's background";
}

TEST(PngCollection, ItemsAreNamedByTheirFirstPlace)
{
    TVhPngCollection collection(nullptr);
    auto* first = dynamic_cast<TVhPngCollectionItem*>(collection.Items()->Add());
    auto* second = dynamic_cast<TVhPngCollectionItem*>(collection.Items()->Add());
    EXPECT_EQ(first->Name(), "Png_0");
    EXPECT_EQ(second->DisplayName(), "Png_1");
    EXPECT_EQ(first->Width(), 0);
    EXPECT_EQ(collection.Items()->GetItem(-1), nullptr);
    EXPECT_EQ(collection.Items()->GetItem(2), nullptr);

    TPngImage image(COLOR_RGBALPHA, 8, 4, 3);
    first->SetTag(7);
    first->SetPngImage(&image);
    EXPECT_EQ(first->Tag(), 0);
    EXPECT_EQ(first->Width(), 4);
    second->SetDescription("kept");
    second->Assign(first);
    EXPECT_EQ(second->Name(), "Png_0");
    EXPECT_EQ(second->Height(), 3);
    EXPECT_EQ(second->Description(), "kept");
    collection.Items()->Delete(0);
    EXPECT_EQ(second->Name(), "Png_0") << "names do not follow later moves";
}
