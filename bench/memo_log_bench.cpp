// Records added to the error log's memo, shown offscreen as the log shows it (read-only, wrapped to its
// width, coloured by the log's styler): 1,000 lines added one at a time to a log that holds 1,000 lines, and
// the same to a log that holds 100,000. Each added line is wrapped, measured for the longest line and
// counted in the scroll bar; the goal is that a line costs the same however long the log is (ratio at most
// 1.5), which no scan of all lines per change allows.

#include "controls/memo/encoder_log_styler.h"
#include "controls/memo/vez_memo.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/forms/forms.h"
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int Added = 1000;

// The lines of an encoder error record, a long parameter line among them.
const std::vector<std::string>& RecordLines()
{
    static const std::vector<std::string> lines = {
        "//------------------------------------------------------------",
        "Error # 12",
        "Input file: \"/home/user/Videos/holiday clip 2023 (family).mkv\"",
        "Parameters: -i \"/home/user/Videos/holiday clip.mkv\" -c:v libxvid -b:v 1500k -r 25 -vtag XVID "
        "-threads 4 -vf scale=1280:720,setsar=1 -c:a libmp3lame -b:a 128k -ar 44100 -ac 2 -y \"out.avi\"",
        "  Stream #0:0(eng): Video: h264 (High), yuv420p(progressive), 1920x1080 [SAR 1:1 DAR 16:9], 25 fps",
        "  Stream #0:1(eng): Audio: aac (LC), 48000 Hz, stereo, fltp (default)",
        "Unknown encoder 'libxvid'",
        "Error while opening encoder for output stream #0:0 - maybe incorrect parameters",
    };
    return lines;
}

class TLogWindow
{
public:
    explicit TLogWindow(int lines)
    {
        form_ = new TForm(Application);
        form_->SetBounds(0, 0, 820, 460);
        auto* styler = new TVezPascalMemoStyler(form_);
        SetUpEncoderLogStyler(*styler);
        memo_ = new TVezMemo(form_);
        memo_->SetParent(form_);
        memo_->SetBounds(0, 0, 807, 409);
        memo_->SetReadOnly(true);
        memo_->Gutter()->SetVisible(false);
        memo_->SetSyntaxStyles(styler);
        TFont font;
        font.SetName("DejaVu Sans Mono");
        font.SetSize(9);
        memo_->SetFont(&font);
        memo_->SetWordWrap(wwClientWidth);
        memo_->Lines()->Clear();
        form_->Show();
        Fill(lines);
        Application->ProcessMessages();
    }
    ~TLogWindow() { form_->Free(); }

    void Fill(int lines)
    {
        const std::vector<std::string>& record = RecordLines();
        for (int i = 0; i < lines; ++i)
            memo_->Lines()->Add(record[static_cast<size_t>(i) % record.size()]);
    }
    // Takes the rows added since count back off, so that every run starts from the same log.
    void TrimTo(int rows)
    {
        while (memo_->Lines()->Count() > rows)
            memo_->Lines()->Delete(memo_->Lines()->Count() - 1);
        memo_->ClearUndoList();
    }
    TVezMemo& Memo() { return *memo_; }

private:
    TForm* form_;
    TVezMemo* memo_;
};

void AddToLog(benchmark::State& state, int held)
{
    TLogWindow window(held);
    const int rows = window.Memo().Lines()->Count();
    for (auto _ : state) {
        window.Fill(Added);
        Application->ProcessMessages(); // the log repaints as records arrive
        state.PauseTiming();
        window.TrimTo(rows);
        Application->ProcessMessages();
        state.ResumeTiming();
    }
    state.counters["lines"] = benchmark::Counter(Added, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_AddToLogOf1k(benchmark::State& state)
{
    AddToLog(state, 1000);
}

void BM_AddToLogOf100k(benchmark::State& state)
{
    AddToLog(state, 100000);
}

BENCHMARK(BM_AddToLogOf1k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddToLogOf100k)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksWithRatios(
        argc, argv,
        {{"1,000 lines added to a log of 100,000 against one of 1,000", "BM_AddToLogOf100k", "100,000 held",
          "BM_AddToLogOf1k", "1,000 held", " (goal <= 1.5)"}});
}
