#include "controls/pack/label.h"
#include "controls/pack/link_label.h"

#include "form_fixture.h"
#include "platform/gui/windows/actions.h"
#include "recording_shell.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class Labels : public FormFixture
{
protected:
    TKvpLinkLabel* PlaceLink()
    {
        auto* link = Place<TKvpLinkLabel>(Bounds(20, 20, 120, 20));
        link->SetCaption("movie.mkv");
        link->SetAutoSize(false);
        link->SetBounds(20, 20, 120, 20);
        ParkMouse();
        return link;
    }
    // The pointer moves onto the label, or off it.
    void Hover(bool over)
    {
        MouseMove(form, over ? TPoint{60, 30} : TPoint{390, 290});
        Pump();
    }

    TRecordingShell shell;
};

// The attributes a shown font takes from one of the five.
bool Shows(const TKvpCustomLinkLabel& link, const TFont& font)
{
    return link.Font()->Color() == font.Color() && link.Font()->Style() == font.Style();
}

std::string WriteFile(const fs::path& path, const std::string& bytes, bool executable = false)
{
    std::ofstream(path, std::ios::binary) << bytes;
    if (executable)
        fs::permissions(path, fs::perms::owner_exec, fs::perm_options::add);
    return path.string();
}

} // namespace

TEST_F(Labels, APlainLabelKeepsItsValueControlBesideIt)
{
    auto* caption = Place<TKvpLabel>(Bounds(10, 40, 60, 17));
    caption->SetAutoSize(false);
    caption->SetAlignment(taRightJustify);
    auto* value = Place<TKvpLabel>(Bounds(0, 0, 100, 17));
    caption->AnchoredControls()->Right()->SetSpacing(12);
    caption->AnchoredControls()->Right()->SetControl(value);
    caption->SetBounds(30, 60, 80, 17);
    EXPECT_EQ(value->Left(), 122);
    EXPECT_EQ(value->Top(), 60);

    value->Free();
    EXPECT_EQ(caption->AnchoredControls()->Right()->Control(), nullptr);
}

TEST_F(Labels, TheLinksFontAndCursorFollowItsState)
{
    TKvpLinkLabel* link = PlaceLink();
    EXPECT_EQ(link->FontNormal()->Color(), clBlue);
    EXPECT_EQ(link->FontVisitedHot()->Color(), clPurple);
    EXPECT_EQ(link->FontVisitedHot()->Style(), TFontStyles{fsUnderline});
    EXPECT_EQ(link->Cursor(), crHandPoint);

    const struct
    {
        bool visited, enabled, over;
        const TFont* font;
        TCursor cursor;
    } cases[] = {
        {false, true, true, link->FontHot(), crHandPoint},
        {false, true, false, link->FontNormal(), crHandPoint},
        {true, true, true, link->FontVisitedHot(), crHandPoint},
        {true, true, false, link->FontVisitedNormal(), crHandPoint},
        {false, false, true, link->FontDisabled(), crDefault},
        {true, false, false, link->FontDisabled(), crDefault},
    };
    for (const auto& c : cases) {
        link->SetVisited(c.visited);
        link->SetEnabled(c.enabled);
        Hover(c.over);
        EXPECT_TRUE(Shows(*link, *c.font)) << "visited " << c.visited << " enabled " << c.enabled;
        EXPECT_EQ(link->Cursor(), c.cursor) << "visited " << c.visited << " enabled " << c.enabled;
        Hover(false);
    }
    EXPECT_TRUE(static_cast<TControl*>(link)->Enabled()) << "the control itself stays enabled";
}

TEST_F(Labels, ACursorOrFontChangeShowsAtTheNextStateChange)
{
    TKvpLinkLabel* link = PlaceLink();
    Hover(true);
    link->SetCursorHot(crHelp);
    EXPECT_EQ(link->Cursor(), crHandPoint);
    Hover(false);
    EXPECT_EQ(link->Cursor(), crHelp);

    SetLinkLabelFonts(*link, "DejaVu Sans", 9);
    EXPECT_EQ(link->Font()->Name(), "DejaVu Sans") << "the normal font shows at once";
    link->FontHot()->SetColor(clRed);
    EXPECT_EQ(link->Font()->Color(), clBlue);
    Hover(true);
    EXPECT_EQ(link->Font()->Color(), clRed);
    EXPECT_EQ(link->Font()->Size(), 9);
}

TEST_F(Labels, AClickOpensTheLinkAfterOnClickAndMarksItVisited)
{
    TKvpLinkLabel* link = PlaceLink();
    std::vector<std::string> log;
    link->OnClick = [&](TObject*) {
        log.push_back("click, " + std::to_string(shell.Calls.size()) + " opened");
    };

    Click(form, {60, 30});
    EXPECT_EQ(log, std::vector<std::string>{"click, 0 opened"});
    EXPECT_FALSE(link->Visited()) << "an empty URL only fires OnClick";
    EXPECT_TRUE(shell.Calls.empty());

    link->SetURL("https://example.org/a");
    Hover(true);
    Click(form, {60, 30});
    EXPECT_EQ(log.back(), "click, 0 opened");
    EXPECT_EQ(shell.Calls, std::vector<std::string>{"open https://example.org/a"});
    EXPECT_TRUE(link->Visited());
    EXPECT_TRUE(Shows(*link, *link->FontVisitedHot()));
    Hover(false);
    EXPECT_TRUE(Shows(*link, *link->FontVisitedNormal()));

    link->SetEnabled(false);
    Click(form, {60, 30});
    EXPECT_EQ(log.size(), 3u) << "a disabled link still fires OnClick";
    EXPECT_EQ(shell.Calls.size(), 1u) << "but opens nothing";
}

TEST_F(Labels, AClickRunsTheActionWhenAskedTo)
{
    TKvpLinkLabel* link = PlaceLink();
    auto* action = new TAction(form);
    int executed = 0;
    action->OnExecute = [&](TObject*) { ++executed; };
    link->SetClickActionType(catExecuteAction);
    link->SetURL("https://example.org");
    Click(form, {60, 30});
    EXPECT_EQ(executed, 0) << "no action set";
    link->SetAction(action);
    Click(form, {60, 30});
    EXPECT_EQ(executed, 1);
    EXPECT_TRUE(link->Visited());
    EXPECT_TRUE(shell.Calls.empty());
}

TEST_F(Labels, TheLabelsInTheirStates)
{
    const char* captions[] = {"Status:", "Input file:", "Output file:", "Progress:"};
    for (int i = 0; i < 4; ++i) {
        auto* label = Place<TKvpLabel>(Bounds(10, 10 + 20 * i, 80, 17));
        label->SetAutoSize(false);
        label->SetAlignment(taRightJustify);
        label->SetCaption(captions[i]);
    }
    std::vector<TKvpLinkLabel*> links;
    for (int i = 0; i < 4; ++i) {
        auto* link = Place<TKvpLinkLabel>(Bounds(110, 10 + 20 * i, 200, 17));
        SetLinkLabelFonts(*link, "DejaVu Sans", 9);
        link->FontNormal()->SetColor(15617553);
        link->FontVisitedNormal()->SetColor(15617553);
        link->SetEllipsisPosition(epPathEllipsis);
        link->SetAutoSize(false);
        link->SetBounds(110, 10 + 20 * i, 200, 17);
        link->SetCaption(i == 0   ? "normal.mkv"
                         : i == 1 ? "hot.mkv"
                         : i == 2 ? "visited.mkv"
                                  : "disabled.mkv");
        links.push_back(link);
    }
    links[2]->SetVisited(true);
    links[3]->SetEnabled(false);
    ParkMouse();
    MouseMove(form, {130, 38});
    Pump();
    const std::unique_ptr<TBitmap> picture = Render(form);
    SaveScreenshot(*picture, "labels_and_link_labels", 2);
    EXPECT_TRUE(links[1]->Font()->Style().Contains(fsUnderline)) << "the hot link";
    EXPECT_GT(CountPixels(*picture, Bounds(110, 70, 100, 17), ColorToRGB(clBtnShadow)), 0)
        << "the disabled link";
}

TEST_F(Labels, NoLinkRunsAProgram)
{
    const fs::path dir = fs::temp_directory_path() / ("qm_links_" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string document = WriteFile(dir / "notes.txt", "text");
    const std::string script = WriteFile(dir / "tool", "#!/bin/sh\necho hi\n");
    const std::string elf = WriteFile(dir / "program",
                                      std::string("\x7f"
                                                  "ELF\x02\x01\x01",
                                                  7),
                                      true);
    const struct
    {
        std::string url, call;
    } cases[] = {
        {"https://example.org", "open https://example.org"},
        {"mailto:someone@example.org", "open mailto:someone@example.org"},
        {document, "open " + document},
        {dir.string(), "open " + dir.string()},
        {script, "show " + script},
        {elf, "show " + elf},
        {"javascript:alert(1)", ""},
        {"file://" + document, ""},
        {dir.string() + "/missing.txt", ""},
    };
    TKvpLinkLabel* link = PlaceLink();
    for (const auto& c : cases) {
        shell.Calls.clear();
        link->SetURL(c.url);
        Click(form, {60, 30});
        EXPECT_EQ(shell.Calls, c.call.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.call})
            << c.url;
    }
    fs::remove_all(dir);
}
