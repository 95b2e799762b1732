#include "export_checks.h"
#include "memo_test_support.h"

#include "platform/gui/forms/menus.h"
#include "platform/gui/services/clipboard.h"
#include "platform/gui/services/dropped_files.h"
#include "platform/gui/windows/caret.h"
#include "platform/gui/windows/window_functions.h"
#include "support/color_routines.h"
#include "support/system_colors.h"

#include <cstdio>
#include <map>
#include <sstream>

namespace {

// An encoder run as the error log receives it: the record's heading lines one by one, the parameters in
// one long line, then the encoder's own output in blocks, with LF line ends and with CR LF.
const std::string Parameters =
    "Parameters: -i \"/home/user/Videos/holiday clip 2023 (family).mkv\" -map 0:0 -map 0:1 -c:v libxvid "
    "-b:v 1500k -r 25 -vtag XVID -threads 4 -aspect 16:9 -vf scale=1280:720,setsar=1 -pass 1 -passlogfile "
    "\"/tmp/quillmark-run/pass\" -c:a libmp3lame -b:a 128k -ar 44100 -ac 2 -af volume=1.25 -async 1 -y "
    "\"/home/user/Videos/holiday clip 2023 (family).avi\"";

const std::string EncoderOutputLf =
    "Input #0, matroska,webm, from '/home/user/Videos/holiday clip 2023 (family).mkv':\n"
    "  Duration: 00:01:02.04, start: 0.000000, bitrate: 3521 kb/s\n"
    "  Stream #0:0(eng): Video: h264 (High), yuv420p(progressive), 1920x1080 [SAR 1:1 DAR 16:9], 25 fps, "
    "25 tbr, 1k tbn (default)\n"
    "  Stream #0:1(eng): Audio: aac (LC), 48000 Hz, stereo, fltp (default)\n";

const std::string EncoderOutputCrLf = "Unknown encoder 'libxvid'\r\n"
                                      "Error while opening encoder for output stream #0:0 - maybe incorrect "
                                      "parameters such as bit_rate, rate, width or height";

const std::string HelpLine = "See https://ffmpeg.org/ffmpeg.html#Video-Options for the options.";

std::vector<std::string> AddRecord(TStrings& log, int number)
{
    const std::vector<std::string> heading = {
        "//------------------------------------------------------------",
        "",
        "Error # " + std::to_string(number),
        "",
        "Date & Time: 12.03.2024 14:07:55",
        "Input file: \"/home/user/Videos/holiday clip 2023 (family).mkv\"",
        "Output file: \"/home/user/Videos/holiday clip 2023 (family).avi\"",
        Parameters,
        "",
    };
    for (const std::string& line : heading)
        log.Add(line);
    log.Add(EncoderOutputLf.substr(0, EncoderOutputLf.size() - 1));
    log.Add(EncoderOutputCrLf);
    log.Add(HelpLine);
    std::vector<std::string> lines = heading;
    std::istringstream text(EncoderOutputLf);
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    lines.push_back("Unknown encoder 'libxvid'");
    lines.push_back(EncoderOutputCrLf.substr(EncoderOutputCrLf.find("Error while")));
    lines.push_back(HelpLine);
    return lines;
}

class ErrorLog : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm(820, 460);
        log = MakeErrorLog(form, 807, 409);
        memo = log.Memo;
    }
    void TearDown() override { form->Free(); }

    std::vector<std::string> FillTwoRecords()
    {
        std::vector<std::string> lines = AddRecord(*memo->Lines(), 1);
        for (const std::string& line : AddRecord(*memo->Lines(), 2))
            lines.push_back(line);
        Pump();
        return lines;
    }

    TForm* form = nullptr;
    TErrorLog log{};
    TVezMemo* memo = nullptr;
};

} // namespace

TEST_F(ErrorLog, RecordsArriveAsWrappedRowsOfTheirLines)
{
    const std::vector<std::string> lines = FillTwoRecords();
    EXPECT_EQ(AuthorLines(*memo), lines);
    const int width = memo->VisiblePosCount() - 1;
    ASSERT_GT(width, 40);
    int parameterRows = 0;
    for (int i = 0; i < memo->Lines()->Count(); ++i) {
        EXPECT_LE(LineLength(memo->Lines()->Get(i)), width) << i;
        if (memo->GetWrappedLineIndex(i) == 7)
            ++parameterRows;
    }
    EXPECT_GE(parameterRows, 3);
    EXPECT_TRUE(memo->VertScrollBar()->Visible());
    EXPECT_FALSE(memo->HorzScrollBar()->Visible());
    ExpectStoreConsistent(*memo->Lines());
}

TEST_F(ErrorLog, MovingTheCaretChangesNothing)
{
    const std::vector<std::string> lines = FillTwoRecords();
    const std::vector<std::string> rows = LinesOf(*memo->Lines());
    memo->SetCurY(7);
    memo->MoveEnd({ssShift});
    for (int i = 0; i < 30; ++i)
        memo->MoveCursor(1, 0, {ssShift});
    memo->MoveCursor(0, 3, {});
    memo->MovePage(1, {ssShift});
    memo->MoveHome({ssCtrl});
    memo->MoveEnd({ssCtrl, ssShift});
    memo->MoveCursor(-1, 0, {ssCtrl});
    memo->SetCurX(500);
    memo->SetCurY(2);
    EXPECT_EQ(LinesOf(*memo->Lines()), rows);
    EXPECT_EQ(memo->UndoList()->Count(), 0);
    EXPECT_FALSE(memo->Modified());
}

TEST_F(ErrorLog, TheSaveIsTheAuthorsLinesAfterAMark)
{
    const std::vector<std::string> lines = FillTwoRecords();
    const std::string path = testing::TempDir() + "error_log_save.log";
    std::remove(path.c_str());
    memo->Lines()->SaveToFile(path, TTextEncoding::UTF8);
    std::string expected = "\xEF\xBB\xBF";
    for (const std::string& line : lines)
        expected += line + "\r\n";
    EXPECT_EQ(ReadFile(path), expected);
    memo->Lines()->Clear();
    memo->Lines()->SaveToFile(path, TTextEncoding::UTF8);
    EXPECT_EQ(ReadFile(path), "\xEF\xBB\xBF");
}

TEST_F(ErrorLog, LooksLikeALog)
{
    FillTwoRecords();
    memo->SetSelectionEnds(2, 10, 40, 11);
    memo->Invalidate();
    Pump();
    std::unique_ptr<TBitmap> picture = Render(memo);
    SaveScreenshot(*picture, "memo_error_log_top");
    const TRect text = memo->GetTextAreaRect();
    EXPECT_GT(CountPixels(*picture, text, ColorToRGB(clHighlight)), 0);   // the selection
    EXPECT_GT(CountPixels(*picture, text, RGBToColor(207, 239, 226)), 0); // "Stream" and "#0:0"
    EXPECT_GT(CountPixels(*picture, text, RGBToColor(255, 225, 225)), 0); // "Error"
    EXPECT_GT(CountPixels(*picture, text, RGBToColor(53, 53, 53)), 0);    // the separator, a comment
    const TRect bar = memo->VertScrollBar()->BoundsRect();                // painted over the memo's white
    EXPECT_LT(CountPixels(*picture, bar, clWhite), bar.Width() * bar.Height() / 2);

    // The second record at the top, scrolled to by the wheel.
    Wheel(memo, {100, 100}, -120 * 4);
    memo->SetSelectionEnds(0, 0, 0, 0);
    Pump();
    picture = Render(memo);
    SaveScreenshot(*picture, "memo_error_log_scrolled");
    EXPECT_EQ(memo->TopLine(), 16);
    EXPECT_GT(CountPixels(*picture, text, RGBToColor(140, 70, 121)), 0); // "Video:"
}

namespace {

// The runs of the rows as the renderer makes them (the state carried from the first row), by text.
struct TLookOfRun
{
    TColor Text;
    TColor Back;
    TFontStyles Style;
};

std::map<std::string, TLookOfRun> RunsOf(TVezMemo& memo)
{
    std::map<std::string, TLookOfRun> runs;
    TStyle style;
    memo.MemoLines()->Clear();
    for (int row = 0; row < memo.Lines()->Count(); ++row) {
        TMemoLineItem* line = memo.MemoLines()->Add();
        memo.RenderLine(memo.Canvas(), row, style, 5, TRect(), -1);
        for (int i = 0; i < line->Parts()->Count(); ++i) {
            const TMemoPartItem& part = *line->Parts()->GetItem(i);
            runs.emplace(part.Text, TLookOfRun{part.Color, part.BkgColor, part.FontStyle});
        }
    }
    return runs;
}

// The first row and column where text stands.
std::pair<int, int> Find(const TVezMemo& memo, const std::string& text)
{
    for (int row = 0; row < memo.Lines()->Count(); ++row) {
        const std::string line = memo.Lines()->Get(row);
        if (const size_t at = line.find(text); at != std::string::npos)
            return {LineLength(line.substr(0, at)), row};
    }
    return {-1, -1};
}

} // namespace

TEST_F(ErrorLog, TheRunsOfARecordTakeTheirStylesColours)
{
    FillTwoRecords();
    const std::map<std::string, TLookOfRun> runs = RunsOf(*memo);
    struct Case
    {
        std::string run;
        TColor text;
        TColor back;
        TFontStyles style;
    };
    const TColor misc = RGBToColor(37, 109, 73), miscBack = RGBToColor(207, 239, 226);
    const Case cases[] = {
        {"Error", clRed, RGBToColor(255, 225, 225), {fsBold}},
        {"Unknown", clRed, RGBToColor(255, 225, 225), {fsBold}},
        {"Stream", misc, miscBack, {}},
        {"#0:1", misc, miscBack, {}}, // "#0:1(eng)": the bracket ends the word
        {"#0:0", misc, miscBack, {}},
        {"Audio:", clWhite, RGBToColor(33, 172, 180), {}},
        {"Video:", clWhite, RGBToColor(140, 70, 121), {}},
        {"//------------------------------------------------------------",
         RGBToColor(143, 143, 143),
         RGBToColor(53, 53, 53),
         {}},
        {"https://ffmpeg.org/ffmpeg.html#Video-Options", RGBToColor(2, 163, 240), clWhite, {}},
        {"'libxvid'", RGBToColor(5, 62, 103), RGBToColor(216, 238, 254), {}},
        {"b:v", clBlack, RGBToColor(255, 244, 170), {fsBold}}, // "-b:v": the sign is a run of its own
    };
    for (const Case& c : cases) {
        const auto run = runs.find(c.run);
        ASSERT_NE(run, runs.end()) << c.run;
        EXPECT_EQ(run->second.Text, c.text) << c.run;
        EXPECT_EQ(run->second.Back, c.back) << c.run;
        EXPECT_EQ(run->second.Style, c.style) << c.run;
    }
    EXPECT_EQ(runs.count("#0:1("), 0u);
    EXPECT_EQ(runs.at("(").Text, RGBToColor(180, 150, 180)); // a symbol
}

TEST_F(ErrorLog, PaintsItsColoursInTheirCells)
{
    FillTwoRecords();
    memo->SetSelectionEnds(0, 4, 5, 4); // "Date " of the first record
    std::unique_ptr<TBitmap> picture = Render(memo);
    const auto backgroundOf = [&](const std::string& text) {
        const auto [col, row] = Find(*memo, text);
        const TRect cell = memo->CellRect(col, row);
        return picture->Canvas()->Pixels(cell.Left + 1, cell.Top + 1);
    };
    EXPECT_EQ(backgroundOf("Error #"), RGBToColor(255, 225, 225));
    EXPECT_EQ(backgroundOf("Stream #"), RGBToColor(207, 239, 226));
    EXPECT_EQ(backgroundOf("//---"), RGBToColor(53, 53, 53));
    EXPECT_EQ(backgroundOf("Date &"), ColorToRGB(clHighlight));
    EXPECT_EQ(picture->Canvas()->Pixels(0, memo->Height() / 2), 0xA4A0A0u); // the border
    EXPECT_FALSE(memo->HorzScrollBar()->Visible());
    // The long parameters line is broken into rows whose last character stands in its cell.
    const auto [col, row] = Find(*memo, "family).avi\"");
    const TRect last = memo->CellRect(col + 11, row);
    EXPECT_GT(last.Width() * last.Height() - CountPixels(*picture, last, RGBToColor(216, 238, 254)), 0);
    const TRect after = memo->CellRect(col + 12, row);
    EXPECT_EQ(CountPixels(*picture, after, clWhite), after.Width() * after.Height());
}

TEST_F(ErrorLog, KeysSelectAndCopyTheTextAndChangeNothing)
{
    FillTwoRecords();
    const std::vector<std::string> rows = LinesOf(*memo->Lines());
    memo->SetFocus();
    Pump();
    PressAll(memo, {"C-Home", "Down", "Down", "S-Down", "S-Down", "C-c"});
    EXPECT_EQ(Clipboard()->AsText(), "Error # 1\r\n\r\n");
    PressAll(memo, {"=typed", "Enter", "BS", "Del", "C-v", "C-x", "S-Del", "Tab"});
    SendMessage(memo->Handle(), WM_DROPFILES,
                reinterpret_cast<WPARAM>(MakeDropFiles({testing::TempDir() + "none.log"})), 0);
    int menus = 0;
    memo->OnCustomizeContextMenu = [&menus](TObject*, int, int, TPopupMenu*) { ++menus; };
    Click(memo, {100, 100}, mbRight);
    EXPECT_EQ(menus, 0); // the window's empty menu stands in for the memo's own
    EXPECT_EQ(LinesOf(*memo->Lines()), rows);
}

// The saved log: the document's frame with the log's background and link colours, one HTML line for each
// line of the record (its long parameter line too) that shows the line's text exactly, and each run in a
// span of its style's colours, written red byte first.
TEST_F(ErrorLog, SavesItsRecordAsColouredHtml)
{
    const std::vector<std::string> record = AddRecord(*memo->Lines(), 1);
    const std::string path = testing::TempDir() + "error_log_record.html";
    std::remove(path.c_str());
    ASSERT_TRUE(memo->SaveToHTML(path, true));
    const std::string bytes = ReadFile(path);
    ASSERT_TRUE(bytes.starts_with("\xEF\xBB\xBF"));
    EXPECT_TRUE(bytes.ends_with("</HTML>\r\n"));
    const std::string html = bytes.substr(3);
    EXPECT_EQ(HtmlProblem(html), "");

    const std::vector<std::string> lines = CrLfLines(html);
    ASSERT_EQ(lines.size(), 4 + record.size() + 5);
    const std::vector<std::string> head(lines.begin(), lines.begin() + 4);
    EXPECT_EQ(head, (std::vector<std::string>{
                        "<HTML>",
                        "<BODY bgColor=\"#FFFFFF\" LINK=\"#02A3F0\" VLINK=\"#02A3F0\" ALINK=\"#02A3F0\">",
                        "<PRE>",
                        "<FONT style=\"font-family:DejaVu Sans Mono; font-size:9pt\">",
                    }));
    const std::vector<std::string> tail(lines.end() - 5, lines.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"</FONT>", "</FONT>", "</PRE>", "</BODY>", "</HTML>"}));
    for (size_t i = 0; i < record.size(); ++i)
        EXPECT_EQ(ShownText(lines[4 + i]), record[i]) << "line " << i;

    struct Case
    {
        std::string written;
        std::string back, text, style;
    };
    const Case cases[] = {
        {"//------------", "#353535", "#8F8F8F", ""}, // a comment
        {"Error", "#FFE1E1", "#FF0000", "font-weight:bold;"},
        {"Unknown", "#FFE1E1", "#FF0000", "font-weight:bold;"},
        {"Stream", "#CFEFE2", "#256D49", ""},
        {"Video:", "#8C4679", "#FFFFFF", ""},
        {"Audio:", "#21ACB4", "#FFFFFF", ""},
        {"c:v", "#FFF4AA", "#000000", "font-weight:bold;"},
        {"&quot;/home/user/Videos/holiday clip 2023 (family).mkv&quot;", "#D8EEFE", "#053E67", ""},
        {"'libxvid'", "#D8EEFE", "#053E67", ""},
        {" ", "#FFFFFF", "#B496B4", ""}, // a symbol without a background of its own: the memo's
        {"&amp;", "#FFFFFF", "#000000", ""},
        {"<a "
         "href=\"https://ffmpeg.org/ffmpeg.html#Video-Options\">https://ffmpeg.org/"
         "ffmpeg.html#Video-Options</a>",
         "#FFFFFF", "#02A3F0", ""},
    };
    for (const Case& c : cases) {
        const std::string span =
            "<FONT style=\"background-color: " + c.back + ";color:" + c.text + ";" + c.style + "\">";
        EXPECT_NE(html.find(span + c.written), std::string::npos) << span + c.written;
    }

    std::unique_ptr<TBitmap> picture = RenderHtml(html, 900);
    SaveScreenshot(*picture, "memo_error_log_html");
    const TRect page = Rect(0, 0, picture->Width(), picture->Height());
    EXPECT_GT(CountPixels(*picture, page, RGBToColor(53, 53, 53)), 0);    // the separator's background
    EXPECT_GT(CountPixels(*picture, page, RGBToColor(255, 225, 225)), 0); // "Error"
    EXPECT_GT(CountPixels(*picture, page, RGBToColor(140, 70, 121)), 0);  // "Video:"
}

TEST_F(ErrorLog, LooksLikeALogWithItsCaretAndSelection)
{
    FillTwoRecords();
    memo->SetFocus();
    Pump();
    const auto [col, row] = Find(*memo, "libmp3lame");
    memo->SetCurY(row);
    memo->SetCurX(col);
    memo->ClearSelection();
    PressAll(memo, {"CS-Right", "CS-Right"});
    Pump();
    std::unique_ptr<TBitmap> picture = Render(memo);
    PaintCaret(memo->Handle(), *picture->Canvas());
    SaveScreenshot(*picture, "memo_error_log_caret");
    EXPECT_EQ(memo->Selection(), "libmp3lame -b:a ");
    // The selected cells on the selection's background, the one after them not (read above the glyphs).
    const auto highlighted = [&, row = row](int c) {
        const TRect cell = memo->CellRect(c, row);
        return picture->Canvas()->Pixels(cell.Left + cell.Width() / 2, cell.Top) == ColorToRGB(clHighlight);
    };
    for (int c = col; c < col + 16; ++c)
        EXPECT_TRUE(highlighted(c)) << c;
    EXPECT_FALSE(highlighted(col + 16));
    TRect caret;
    ASSERT_TRUE(GetCaretRect(memo->Handle(), caret));
    EXPECT_EQ(caret.Left, memo->CellRect(memo->CurX(), row).Left);
}
