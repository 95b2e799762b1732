// Long lines arriving in the error log (a parameter line of many options, encoder output without a line
// end), wrapped to the log's width and shown as the log shows them: 1 MB of text per iteration, once as
// sixteen lines of 64 KB and once as one line of 1 MB, so that each iteration's time is the time per MB.
// Wrapping takes time in proportion to the text, so a long line costs the same per MB as a short one (goal:
// the 1 MB line within 1.5 times the 64 KB lines). Beside it the toolkit's plain text editor, wrapping at
// word boundaries to the same width in the same font, lays out the same lines.

#include "log_memo_window.h"
#include "ratio_reporter.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFont>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr size_t MB = 1024 * 1024;

// A line of the given size made of the record's parameter line again and again.
std::string LongLine(size_t size)
{
    const std::string& parameters = RecordLines()[3];
    std::string line;
    line.reserve(size + parameters.size());
    while (line.size() < size)
        line += parameters + " ";
    line.resize(size);
    return line;
}

void LogWraps(benchmark::State& state, size_t lineSize)
{
    TLogMemoWindow window(true);
    TStrings& lines = *window.Memo().Lines();
    const std::string line = LongLine(lineSize);
    for (auto _ : state) {
        for (size_t done = 0; done < MB; done += lineSize) {
            lines.Add(line);
            Application->ProcessMessages(); // the log repaints as lines arrive
        }
        state.PauseTiming();
        lines.Clear();
        Application->ProcessMessages();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * MB));
}

void EditorWraps(benchmark::State& state, size_t lineSize)
{
    QPlainTextEdit editor;
    editor.setReadOnly(true);
    editor.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    editor.setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    editor.setFont(QFont("DejaVu Sans Mono", 9));
    editor.resize(TLogMemoWindow::Width, TLogMemoWindow::Height);
    editor.show();
    QApplication::processEvents();
    const QString line = QString::fromStdString(LongLine(lineSize));
    QTextDocument& document = *editor.document();
    for (auto _ : state) {
        for (size_t done = 0; done < MB; done += lineSize) {
            editor.appendPlainText(line);
            // The whole paragraph laid out, as the log wraps the whole line.
            document.documentLayout()->blockBoundingRect(document.lastBlock());
            QApplication::processEvents();
        }
        state.PauseTiming();
        editor.clear();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * MB));
}

void BM_LogWraps64KLines(benchmark::State& state)
{
    LogWraps(state, 64 * 1024);
}

void BM_LogWraps1MLine(benchmark::State& state)
{
    LogWraps(state, MB);
}

void BM_EditorWraps64KLines(benchmark::State& state)
{
    EditorWraps(state, 64 * 1024);
}

void BM_EditorWraps1MLine(benchmark::State& state)
{
    EditorWraps(state, MB);
}

BENCHMARK(BM_LogWraps64KLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LogWraps1MLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditorWraps64KLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditorWraps1MLine)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksWithRatios(
        argc, argv,
        {{"ms per MB, the log: one 1 MB line against 64 KB lines", "BM_LogWraps1MLine", "1 MB line",
          "BM_LogWraps64KLines", "64 KB lines", " (goal <= 1.5)"},
         {"ms per MB, the editor: one 1 MB line against 64 KB lines", "BM_EditorWraps1MLine", "1 MB line",
          "BM_EditorWraps64KLines", "64 KB lines", ""},
         {"ms per MB in 64 KB lines", "BM_LogWraps64KLines", "log", "BM_EditorWraps64KLines", "editor", ""},
         {"ms per MB in one 1 MB line", "BM_LogWraps1MLine", "log", "BM_EditorWraps1MLine", "editor", ""}});
}
