#include "memo_test_support.h"

#include "support/color_routines.h"
#include "support/system_colors.h"

#include <cstdio>
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
    std::vector<std::string> lines = heading;
    std::istringstream text(EncoderOutputLf);
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    lines.push_back("Unknown encoder 'libxvid'");
    lines.push_back(EncoderOutputCrLf.substr(EncoderOutputCrLf.find("Error while")));
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
