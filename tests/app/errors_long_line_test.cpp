#include "errors_window_fixture.h"

#include "controls/memo/vez_memo.h"

#include <time.h>

namespace {

constexpr size_t MB = 1024 * 1024;

// A line of encoder options of the given size, without a line break.
std::string OptionsLine(size_t size)
{
    std::string line;
    while (line.size() < size)
        line += "-c:v libxvid -b:v 1500k -vf scale=1280:720,setsar=1 -ar 44100 \"out.avi\" ";
    line.resize(size);
    return line;
}

// The processor time this thread has used: the work done, whatever else the machine does meanwhile.
double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Appends the line to the shown log, paints it and goes to its end as the user would; answers the work
// it took and checks the wrap: rows no wider than the log that give the line back.
double AppendAndWrap(TFormErrors& form, const std::string& line)
{
    form.ErrorLog().Clear();
    Pump();
    const double start = ThreadSeconds();
    form.ErrorLog().Add("Error # 1");
    form.ErrorLog().Add(line);
    Pump();
    Press(form.Memo(), "C-End");
    Pump();
    const double work = ThreadSeconds() - start;

    const TVezMemo& memo = *form.Memo();
    const int width = memo.WrapWidth();
    EXPECT_GT(width, 40);
    std::string joined;
    int widest = 0;
    for (int row = 1; row < memo.Lines()->Count(); ++row) {
        const std::string text = memo.Lines()->Get(row);
        widest = std::max(widest, static_cast<int>(text.size()));
        joined += text;
    }
    EXPECT_LE(widest, width);
    EXPECT_TRUE(joined == line) << "the rows do not give the line back";
    EXPECT_EQ(memo.CurY(), memo.Lines()->Count() - 1) << "the caret went to the end";
    return work;
}

} // namespace

// A line of a megabyte (encoder output without a line end) is appended and wrapped in work proportional to
// its length, so the log stays responsive: two megabytes take about twice the work of one, where work
// growing with the square of the length would take four times.
TEST(ErrorsLongLine, WrapWorkGrowsInProportionToTheLine)
{
    TTemplateLooks templates;
    auto* form = new TFormErrors(templates.Owner, templates.Looks);
    form->ShowErrorWindow();
    Pump();
    AppendAndWrap(*form, OptionsLine(64 * 1024)); // the first use of the memo's caches
    const double oneMB = AppendAndWrap(*form, OptionsLine(MB));
    // A generous bound (the line takes about a second here), so that work growing faster fails here
    // instead of going on with the larger line.
    ASSERT_LT(oneMB, 60) << "1 MB took " << oneMB << " s of processor time";
    const double twoMB = AppendAndWrap(*form, OptionsLine(2 * MB));
    EXPECT_LT(twoMB, 3 * oneMB) << oneMB << " s of processor time for 1 MB, " << twoMB << " s for 2 MB";
    form->Free();
}
