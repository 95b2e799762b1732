// The encoder's output of a 10-minute conversion shown in the progress window's memo as a run shows it:
// about 40,000 progress lines, nearly all of them rewriting the last line (the encoder ends them with a
// bare CR), a warning now and then on a line of its own; after every line the memo is told which lines
// changed (ShowMemoLines), scrolled to its end and the window handles its messages (it repaints). The same
// is done with the toolkit's plain text editor, rewriting its last block; the goal is that the progress
// window costs at most 1.5 times what the plain editor costs.

#include "engine/app_params.h"
#include "engine/forms/form_progress.h"
#include "platform/gui/forms/application.h"
#include "ratio_reporter.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int ProgressLines = 40000;
constexpr int WarningEvery = 400;
constexpr int FramesPerLine = 375; // 25 fps, 10 minutes = 15,000,000 / 40,000

// One step of the encoder's output: a line that rewrites the last one, or a new line.
struct TOutputStep
{
    std::string Line;
    bool Rewrites = false;
};

std::string ProgressLine(int i)
{
    const int frame = (i + 1) * FramesPerLine / 100;
    const int seconds = frame / 25;
    char line[160];
    std::snprintf(line, sizeof line,
                  "frame=%6d fps=%4d q=4.0 size=%8dkB time=%02d:%02d:%02d.%02d bitrate=1705.3kbits/s "
                  "speed=%.2fx",
                  frame, 140 + i % 17, frame * 8, seconds / 3600, seconds / 60 % 60, seconds % 60,
                  frame % 25 * 4, 5.5 + (i % 13) / 10.0);
    return line;
}

const std::vector<TOutputStep>& EncoderOutput()
{
    static const std::vector<TOutputStep> steps = [] {
        std::vector<TOutputStep> out;
        for (const char* line :
             {"Input #0, matroska,webm, from '/home/user/Videos/holiday clip 2023 (family).mkv':",
              "  Metadata:", "    ENCODER         : Lavf59.27.100",
              "  Duration: 00:10:00.00, start: 0.000000",
              "  Stream #0:0(eng): Video: h264 (High), yuv420p(progressive), 1280x720 [SAR 1:1 DAR 16:9], "
              "25 fps",
              "  Stream #0:1(eng): Audio: aac (LC), 48000 Hz, stereo, fltp (default)",
              "Stream mapping:", "  Stream #0:0 -> #0:0 (h264 (native) -> mpeg4 (libxvid))",
              "  Stream #0:1 -> #0:1 (aac (native) -> mp3 (libmp3lame))",
              "Output #0, avi, to '/home/user/Videos/holiday clip 2023 (family).avi':",
              "  Stream #0:0: Video: mpeg4 (XVID / 0x44495658), yuv420p, 1280x720, q=2-31, 1500 kb/s, 25 fps",
              "  Stream #0:1: Audio: mp3 (U[0][0][0] / 0x0055), 44100 Hz, stereo, fltp, 128 kb/s"})
            out.push_back({line, false});
        for (int i = 0; i < ProgressLines; ++i) {
            out.push_back({ProgressLine(i), i > 0 && i % WarningEvery != 1});
            if (i % WarningEvery == 0 && i > 0)
                out.push_back({"[h264 @ 0x55d0c8a2f840] mmco: unref short failure", false});
        }
        out.push_back({"video:112345kB audio:9375kB subtitle:0kB other streams:0kB global headers:0kB "
                       "muxing overhead: 0.312345%",
                       false});
        return out;
    }();
    return steps;
}

// The progress window, shown, as a run feeds it: the collected output, and after each line the lines that
// changed since the previous one.
void BM_ProgressWindowMemo(benchmark::State& state)
{
    AppParams.MonospaceFont = {"DejaVu Sans Mono", 9};
    TWindowLooks looks;
    looks.MonospaceFont = AppParams.MonospaceFont;
    for (auto _ : state) {
        state.PauseTiming();
        auto* form = new TFormProgress(nullptr, looks);
        form->ShowProgressWindow();
        Application->ProcessMessages();
        std::vector<std::string> output;
        state.ResumeTiming();
        for (const TOutputStep& step : EncoderOutput()) {
            const size_t unchanged = output.empty() ? 0 : output.size() - 1;
            if (step.Rewrites)
                output.back() = step.Line;
            else
                output.push_back(step.Line);
            form->ShowMemoLines(output, unchanged);
            form->ScrollMemoToBottom();
            Application->ProcessMessages();
        }
        state.PauseTiming();
        form->Free();
        state.ResumeTiming();
    }
    state.counters["lines"] =
        benchmark::Counter(static_cast<double>(EncoderOutput().size()), benchmark::Counter::kIsRate);
}

// The toolkit's plain text editor, read-only, of the memo's size and font, fed the same steps.
void BM_PlainTextEditor(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        QPlainTextEdit editor;
        editor.setReadOnly(true);
        editor.setLineWrapMode(QPlainTextEdit::NoWrap);
        editor.setFont(QFont("DejaVu Sans Mono", 9));
        editor.resize(766, 400);
        editor.show();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        for (const TOutputStep& step : EncoderOutput()) {
            const QString line = QString::fromStdString(step.Line);
            if (step.Rewrites) {
                QTextCursor cursor(editor.document()->lastBlock());
                cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
                cursor.insertText(line);
            } else {
                editor.appendPlainText(line);
            }
            editor.verticalScrollBar()->setValue(editor.verticalScrollBar()->maximum());
            QCoreApplication::processEvents();
        }
    }
    state.counters["lines"] =
        benchmark::Counter(static_cast<double>(EncoderOutput().size()), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_ProgressWindowMemo)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PlainTextEditor)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksWithRatios(
        argc, argv,
        {{"10-minute encoder output shown line by line", "BM_ProgressWindowMemo", "progress window",
          "BM_PlainTextEditor", "plain text editor", " (goal <= 1.5)"}});
}
