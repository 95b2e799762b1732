// Reads arbitrary bytes as label markup through every reader of the scanner, the plain-text conversion and
// the layout engine (measuring, hit-testing and drawing on a small picture). The first bytes choose word
// wrap, the width and the point to hit-test. The input, escaped, must show exactly as it was written.
// Image files come only from the seed folder: inputs that name a file elsewhere are not laid out.
#include "controls/edits/markup_colors.h"
#include "controls/edits/markup_renderer.h"
#include "controls/edits/markup_tags.h"
#include "controls/edits/markup_text.h"
#include "support/utf8.h"

#include <QApplication>
#include <QFont>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

namespace {

std::unique_ptr<TBitmap> surface;
std::unique_ptr<TImageList> images;

void ReadEveryPart(std::u32string_view text)
{
    static constexpr std::u32string_view names[] = {U"HREF",  U"TITLE", U" COLOR",      U"BGCOLOR", U"FACE",
                                                    U"SRC",   U"WIDTH", U"ALIGN",       U"X",       U"A",
                                                    U"STYLE", U"SIZE",  U"LINE-HEIGHT", U"TYPE",    U"DIR"};
    while (!text.empty()) {
        if (text.front() != U'<') {
            const TMarkupRun wrapped = NextRun(text, true);
            NextRun(text, false);
            text.remove_prefix(std::max<size_t>(1, wrapped.SourceLength));
            continue;
        }
        const TMarkupTag tag = ReadTag(text);
        for (std::u32string_view name : names) {
            const std::u32string value = ReadAttribute(tag.Text, name);
            MarkupColor(value);
            MarkupNumber(value);
            MarkupWholeNumber(value);
            MarkupFraction(value);
            ReadLooseAttribute(tag.Text, name);
        }
        text.remove_prefix(std::max<size_t>(1, tag.Length));
    }
}

// What the drawing shows of markup without tags: the runs as drawn, "&&" as "&", a lone "&" left out while
// prefix handling is on.
std::string Shown(const std::string& markup)
{
    const TPreparedMarkup prepared = PrepareMarkup(markup, false);
    std::u32string_view rest = prepared.Text;
    std::string drawn;
    while (!rest.empty()) {
        if (rest.front() == U'<')
            abort(); // escaped text holds no tag
        const TMarkupRun run = NextRun(rest, true);
        drawn += DrawnRunText(run.Text, prepared.PrefixHandling);
        rest.remove_prefix(run.SourceLength);
    }
    const std::u32string runs = Utf8ToUtf32(drawn);
    std::u32string shown;
    for (size_t i = 0; i < runs.size(); ++i) {
        if (prepared.PrefixHandling && runs[i] == U'&' && ++i == runs.size())
            break;
        shown += runs[i];
    }
    return Utf32ToUtf8(shown);
}

// The markup with every "FILE://" source turned into a file of the seed folder; nullopt when one names a
// file elsewhere (a folder part, a dot in front).
std::optional<std::string> InTheSeedFolder(const std::string& markup)
{
    std::string confined = markup;
    const std::string upper = AsciiUpperCase(markup);
    for (size_t at = upper.rfind("FILE://"); at != std::string::npos;
         at = at ? upper.rfind("FILE://", at - 1) : std::string::npos) {
        const size_t from = at + 7;
        const size_t end = markup.find_first_of("\"> ", from);
        const std::string name =
            markup.substr(from, end == std::string::npos ? std::string::npos : end - from);
        if (name.empty() || name.front() == '.' || name.find('/') != std::string::npos)
            return std::nullopt;
        confined.insert(from, QM_SEED_DIR "/");
    }
    return confined;
}

TMarkupRenderResult RenderOnce(const std::string& markup, bool wrap, int width, TPoint mouse, bool hitTest)
{
    TCanvas& canvas = *surface->Canvas();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clWhite);
    canvas.FillRect({0, 0, surface->Width(), surface->Height()});
    canvas.Font()->SetName("DejaVu Sans");
    canvas.Font()->SetHeight(-12);
    canvas.Font()->SetStyle({});
    canvas.Font()->SetColor(clBlack);
    THTMLPictureCache cache;
    TMarkupRenderInput input;
    input.Text = markup;
    input.Area = {2, 2, 2 + width, surface->Height() - 2};
    input.Images = images.get();
    input.Mouse = mouse;
    input.HitTestOnly = hitTest;
    input.WordWrap = wrap;
    input.Cache = &cache;
    return RenderMarkup(canvas, input);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_markup_label";
    static char* argv[] = {name, nullptr};
    // Kept until the process ends: taking the toolkit down at exit would come after the layer's own caches.
    static QApplication* application = new QApplication(argc, argv);
    (void)application;
    QApplication::setFont(QFont("DejaVu Sans", 9));
    surface = std::make_unique<TBitmap>(160, 60, pf24bit);
    images = std::make_unique<TImageList>(nullptr);
    TBitmap dot(16, 16, pf24bit);
    images->Add(&dot, nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    const bool wrap = data[0] & 1;
    const int width = 8 + data[1] % 160;
    const TPoint mouse{data[2] % 170, data[3] % 64};
    const std::string markup =
        SanitizeUtf8(std::string_view(reinterpret_cast<const char*>(data + 4), size - 4));

    ReadEveryPart(PrepareMarkup(markup, !wrap).Text);
    StripMarkup(markup);

    const std::string escaped = EscapeMarkup(markup);
    std::string expected = markup;
    for (char& c : expected)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    // Escaped text shows as written also beside a lone " & ", which turns the prefix handling off.
    if (Shown(escaped) != expected || Shown(escaped + " & ") != expected + " & ")
        abort();
    RenderOnce(escaped, wrap, width, mouse, false);

    const std::optional<std::string> confined = InTheSeedFolder(markup);
    if (!confined)
        return 0;
    RenderOnce(*confined, wrap, width, mouse, true);
    RenderOnce(*confined, wrap, width, mouse, false);
    return 0;
}
