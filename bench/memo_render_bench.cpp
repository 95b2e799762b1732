// The memo as the error log shows it (wrapped to its width, coloured by the log's styler) but editable,
// against the toolkit's plain text editor of the same size with a syntax highlighter of the log's rules
// (the keyword lists, quotes, symbols, numbers, "//" comments and "{ }" comments carried by block state),
// both shown offscreen:
//   - 10,000 lines added one at a time, then the events processed to idle (goal: at most 2x);
//   - 100,000 lines loaded (not timed), then the first paint at the top and, after another load, the first
//     at line 99,000 (each at most 2x; the paint at 99,000 at most 1.5x the one at the top);
//   - one character typed at the end of 100,000 lines, from the key message to the repaint (at most 2x);
//   - every line of 1 MB of log text highlighted, its runs counted, against rehighlight() (at most 2x),
//     and the same for 1 MB in one line.

#include "log_memo_window.h"
#include "platform/gui/windows/window_functions.h"
#include "ratio_reporter.h"
#include "support/utf8.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSet>
#include <QSyntaxHighlighter>
#include <QTextBlock>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int Width = TLogMemoWindow::Width;
constexpr int Height = TLogMemoWindow::Height;

// --- the text ---------------------------------------------------------------------------------------------

std::string LogText(int lines)
{
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += RecordLines()[static_cast<size_t>(i) % RecordLines().size()] + "\n";
    return text;
}

std::string MegabyteOfLog()
{
    std::string text;
    for (int i = 0; text.size() < 1000000; ++i)
        text += RecordLines()[static_cast<size_t>(i) % RecordLines().size()] + "\n";
    return text;
}

std::string MegabyteInOneLine()
{
    std::string text;
    for (int i = 0; text.size() < 1000000; ++i)
        text += RecordLines()[static_cast<size_t>(i) % RecordLines().size()] + " ";
    return text + "\n";
}

// --- the toolkit's editor with a highlighter of the log's rules --------------------------------------------

class TLogHighlighter : public QSyntaxHighlighter
{
public:
    explicit TLogHighlighter(QTextDocument* document) : QSyntaxHighlighter(document)
    {
        const auto format = [](QColor text, QColor back, bool bold) {
            QTextCharFormat f;
            f.setForeground(text);
            f.setBackground(back);
            if (bold)
                f.setFontWeight(QFont::Bold);
            return f;
        };
        for (const char* word : {"stream", "#0:0", "#0:1", "#0:2", "#0:3", "#0:4", "#0:5", "#0:6", "#0:7",
                                 "#0:8", "#0:9", "#0:10"})
            keywords_.insert(word, format(QColor(37, 109, 73), QColor(207, 239, 226), false));
        keywords_.insert("video:", format(Qt::white, QColor(140, 70, 121), false));
        keywords_.insert("audio:", format(Qt::white, QColor(33, 172, 180), false));
        for (const char* word : {"unable", "error", "invalid", "unknown", "unrecognized"})
            keywords_.insert(word, format(Qt::red, QColor(255, 225, 225), true));
        for (const char* word : {"c:v", "c:a", "b:v", "b:a", "async", "ar", "ac", "r", "vf", "af", "vtag",
                                 "preset:v", "threads", "pass"})
            keywords_.insert(word, format(Qt::black, QColor(255, 244, 170), true));
        quote_ = format(QColor(5, 62, 103), QColor(216, 238, 254), false);
        symbol_ = format(QColor(180, 150, 180), Qt::white, false);
        number_ = format(Qt::black, Qt::white, false);
        comment_ = format(QColor(143, 143, 143), QColor(53, 53, 53), false);
    }

protected:
    void highlightBlock(const QString& text) override
    {
        const int n = static_cast<int>(text.size());
        int i = 0;
        setCurrentBlockState(0);
        if (previousBlockState() == 1) {
            const int close = static_cast<int>(text.indexOf('}'));
            const int end = close < 0 ? n : close + 1;
            setFormat(0, end, comment_);
            if (close < 0) {
                setCurrentBlockState(1);
                return;
            }
            i = end;
        }
        while (i < n) {
            const QChar c = text[i];
            if (c == '/' && i + 1 < n && text[i + 1] == '/') {
                setFormat(i, n - i, comment_);
                return;
            }
            if (c == '{') {
                const int close = static_cast<int>(text.indexOf('}', i + 1));
                const int end = close < 0 ? n : close + 1;
                setFormat(i, end - i, comment_);
                if (close < 0)
                    setCurrentBlockState(1);
                i = end;
                continue;
            }
            if (c == '"' || c == '\'') {
                const int close = static_cast<int>(text.indexOf(c, i + 1));
                const int end = close < 0 ? n : close + 1;
                setFormat(i, end - i, quote_);
                i = end;
                continue;
            }
            if (IsSymbol(c)) {
                setFormat(i, 1, symbol_);
                ++i;
                continue;
            }
            int j = i;
            while (j < n && !IsSymbol(text[j]) && text[j] != ';')
                ++j;
            if (j == i)
                j = i + 1;
            const QString word = text.mid(i, j - i).toLower();
            if (const auto found = keywords_.constFind(word); found != keywords_.constEnd())
                setFormat(i, j - i, *found);
            else if (c.isDigit())
                setFormat(i, j - i, number_);
            i = j;
        }
    }

private:
    static bool IsSymbol(QChar c) { return QStringView(u" ,;.(){}[]=+*/^%<>").contains(c); }

    QHash<QString, QTextCharFormat> keywords_;
    QTextCharFormat quote_, symbol_, number_, comment_;
};

class TPlainEditor
{
public:
    TPlainEditor()
    {
        edit_.setFont(QFont("DejaVu Sans Mono", 9));
        edit_.setLineWrapMode(QPlainTextEdit::WidgetWidth);
        edit_.resize(Width, Height);
        edit_.show();
        QApplication::processEvents();
    }
    QPlainTextEdit& Edit() { return edit_; }
    TLogHighlighter& Highlighter() { return highlighter_; }

private:
    QPlainTextEdit edit_;
    TLogHighlighter highlighter_{edit_.document()};
};

// The memo as the log shows it, but editable.
class TMemoWindow : public TLogMemoWindow
{
public:
    TMemoWindow() : TLogMemoWindow(false) {}
};

// --- adding lines
// -------------------------------------------------------------------------------------------

constexpr int AddedLines = 10000;

// Each run starts with a new, empty window (made and freed outside the time).
void BM_MemoAddLines(benchmark::State& state)
{
    std::unique_ptr<TMemoWindow> window;
    for (auto _ : state) {
        state.PauseTiming();
        window.reset();
        window = std::make_unique<TMemoWindow>();
        state.ResumeTiming();
        for (int i = 0; i < AddedLines; ++i)
            window->Memo().Lines()->Add(RecordLines()[static_cast<size_t>(i) % RecordLines().size()]);
        Application->ProcessMessages();
    }
}

void BM_PlainAddLines(benchmark::State& state)
{
    std::unique_ptr<TPlainEditor> editor;
    for (auto _ : state) {
        state.PauseTiming();
        editor.reset();
        editor = std::make_unique<TPlainEditor>();
        state.ResumeTiming();
        for (int i = 0; i < AddedLines; ++i)
            editor->Edit().appendPlainText(
                QString::fromStdString(RecordLines()[static_cast<size_t>(i) % RecordLines().size()]));
        QApplication::processEvents();
    }
}

// --- the first paint after a load
// ---------------------------------------------------------------------------

constexpr int LoadedLines = 100000;

const std::string& LoadedText()
{
    static const std::string text = LogText(LoadedLines);
    return text;
}

// Each paint is the first of a new window, loaded outside the time.
void MemoFirstPaint(benchmark::State& state, int line)
{
    std::unique_ptr<TMemoWindow> window;
    for (auto _ : state) {
        state.PauseTiming();
        window.reset();
        window = std::make_unique<TMemoWindow>();
        TVezMemo& memo = window->Memo();
        memo.Lines()->SetText(LoadedText());
        int column = 0, row = 0;
        memo.RowPos(TAuthorPos{0, line}, column, row);
        state.ResumeTiming();
        memo.SetTopLine(row);
        memo.Repaint();
    }
}

void PlainFirstPaint(benchmark::State& state, int line)
{
    std::unique_ptr<TPlainEditor> editor;
    for (auto _ : state) {
        state.PauseTiming();
        editor.reset();
        editor = std::make_unique<TPlainEditor>();
        QPlainTextEdit& edit = editor->Edit();
        edit.setPlainText(QString::fromStdString(LoadedText()));
        QTextCursor cursor(edit.document()->findBlockByNumber(line));
        state.ResumeTiming();
        edit.setTextCursor(cursor);
        edit.verticalScrollBar()->setValue(
            line == 0 ? 0 : edit.verticalScrollBar()->maximum() * line / LoadedLines);
        edit.viewport()->repaint();
    }
}

void BM_MemoFirstPaintAtTop(benchmark::State& state)
{
    MemoFirstPaint(state, 0);
}
void BM_MemoFirstPaintAt99000(benchmark::State& state)
{
    MemoFirstPaint(state, 99000);
}
void BM_PlainFirstPaintAtTop(benchmark::State& state)
{
    PlainFirstPaint(state, 0);
}
void BM_PlainFirstPaintAt99000(benchmark::State& state)
{
    PlainFirstPaint(state, 99000);
}

// --- typing at the end
// --------------------------------------------------------------------------------------

void BM_MemoTypeAtTheEnd(benchmark::State& state)
{
    TMemoWindow window;
    TVezMemo& memo = window.Memo();
    memo.Lines()->SetText(LoadedText());
    memo.SetFocus();
    memo.SetCurY(memo.Lines()->Count() - 1);
    memo.SetCurX(LineLength(memo.Lines()->Get(memo.Lines()->Count() - 1)));
    memo.ClearSelection();
    Application->ProcessMessages();
    for (auto _ : state) {
        SendMessage(memo.Handle(), WM_KEYDOWN, 'A', 0);
        SendMessage(memo.Handle(), WM_CHAR, 'a', 0);
        SendMessage(memo.Handle(), WM_KEYUP, 'A', 0);
        Application->ProcessMessages();
    }
}

void BM_PlainTypeAtTheEnd(benchmark::State& state)
{
    TPlainEditor editor;
    QPlainTextEdit& edit = editor.Edit();
    edit.setPlainText(QString::fromStdString(LoadedText()));
    edit.setFocus();
    edit.moveCursor(QTextCursor::End);
    QApplication::processEvents();
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
        QApplication::sendEvent(&edit, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a");
        QApplication::sendEvent(&edit, &release);
        QApplication::processEvents();
    }
}

// --- highlighting a megabyte
// --------------------------------------------------------------------------------

class TRunCount : public TRunSink
{
public:
    void EmitRun(const TLineText&, const TStyle&) override { ++Runs; }
    long long Runs = 0;
};

void MemoHighlight(benchmark::State& state, const std::string& text)
{
    TMemoWindow window;
    TVezMemo& memo = window.Memo();
    memo.SetWordWrap(wwNone);
    memo.Lines()->SetText(text);
    TTokenizerSettings settings;
    CollectStylerSettings(settings, memo.SyntaxStyles(), true, false);
    settings.UrlAware = true;
    settings.UrlDelimiters = U" ";
    settings.IsUrl = [&memo](const TLineText& run) { return memo.WordIsURL(Utf32ToUtf8(run)); };
    settings.IsDelimiter = [&memo](char32_t ch) { return memo.IsDelimiter(ch); };
    std::vector<TLineText> lines;
    for (int i = 0; i < memo.Lines()->Count(); ++i)
        lines.push_back(Utf8ToUtf32(memo.Lines()->Get(i)));
    for (auto _ : state) {
        TRunCount runs;
        TLineTokenizer tokenizer(settings, runs);
        TStyle style;
        for (const TLineText& line : lines)
            tokenizer.Line(line, style);
        benchmark::DoNotOptimize(runs.Runs);
        state.counters["runs"] = static_cast<double>(runs.Runs);
    }
}

void PlainHighlight(benchmark::State& state, const std::string& text)
{
    TPlainEditor editor;
    editor.Edit().setPlainText(QString::fromStdString(text));
    for (auto _ : state)
        editor.Highlighter().rehighlight();
}

void BM_MemoHighlightMegabyte(benchmark::State& state)
{
    MemoHighlight(state, MegabyteOfLog());
}
void BM_PlainHighlightMegabyte(benchmark::State& state)
{
    PlainHighlight(state, MegabyteOfLog());
}
void BM_MemoHighlightMegabyteLine(benchmark::State& state)
{
    MemoHighlight(state, MegabyteInOneLine());
}
void BM_PlainHighlightMegabyteLine(benchmark::State& state)
{
    PlainHighlight(state, MegabyteInOneLine());
}

BENCHMARK(BM_MemoAddLines)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PlainAddLines)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_MemoFirstPaintAtTop)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PlainFirstPaintAtTop)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_MemoFirstPaintAt99000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PlainFirstPaintAt99000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_MemoTypeAtTheEnd)->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK(BM_PlainTypeAtTheEnd)->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK(BM_MemoHighlightMegabyte)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PlainHighlightMegabyte)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_MemoHighlightMegabyteLine)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PlainHighlightMegabyteLine)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksWithRatios(
        argc, argv,
        {{"10,000 lines added one at a time", "BM_MemoAddLines", "memo", "BM_PlainAddLines", "editor",
          " (goal <= 2)"},
         {"First paint at the top of 100,000 lines", "BM_MemoFirstPaintAtTop", "memo",
          "BM_PlainFirstPaintAtTop", "editor", " (goal <= 2)"},
         {"First paint at line 99,000", "BM_MemoFirstPaintAt99000", "memo", "BM_PlainFirstPaintAt99000",
          "editor", " (goal <= 2)"},
         {"Memo's paint at line 99,000 against its paint at the top", "BM_MemoFirstPaintAt99000", "at 99,000",
          "BM_MemoFirstPaintAtTop", "at the top", " (goal <= 1.5)"},
         {"One character typed at the end", "BM_MemoTypeAtTheEnd", "memo", "BM_PlainTypeAtTheEnd", "editor",
          " (goal <= 2)"},
         {"Highlighting 1 MB of log text", "BM_MemoHighlightMegabyte", "memo", "BM_PlainHighlightMegabyte",
          "rehighlight", " (goal <= 2)"},
         {"Highlighting 1 MB in one line", "BM_MemoHighlightMegabyteLine", "memo",
          "BM_PlainHighlightMegabyteLine", "rehighlight", ""}});
}
