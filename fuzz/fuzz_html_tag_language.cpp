// Reads arbitrary bytes as the HTML-like label's tag language: the tokenizer, the colour and entity
// readers, the layout of every token into words at a width the first bytes choose (with and without
// automatic sizing), and the drawing of the words on a picture. The input, escaped as a window escapes the
// values it inserts, must show exactly as it was written: words and blanks only, the same text.
// Input: a width byte, an options byte (auto width, auto height, margins), then the text.
#include "controls/pack/html_entities.h"
#include "controls/pack/html_tag_colors.h"
#include "controls/pack/html_tag_language.h"
#include "controls/pack/html_text_label.h"
#include "offscreen_harness.h"
#include "support/markup_escape.h"
#include "support/utf8.h"

#include <cstdint>
#include <string>

namespace {

// Control characters become blanks, as the escaping makes them.
std::string AsShown(const std::string& text)
{
    std::string shown = text;
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    return shown;
}

void CheckEscapedShowsAsWritten(const std::string& text)
{
    TListToken tokens;
    ScanMarkupText(EscapeTagText(text), tokens);
    std::string shown;
    for (int i = 0; i < tokens.Count(); ++i) {
        const TToken& token = tokens.Items(i);
        Check(token.Kind == ttText || token.Kind == ttSpace);
        shown += token.Text;
    }
    Check(shown == AsShown(text));
}

// Picture files come only from the working folder: an "IMG" parameter that names a folder is not laid out.
bool NamesNoFolder(const std::string& text)
{
    const std::string lower = AsciiLowerCase(text);
    for (size_t at = lower.find("img:"); at != std::string::npos; at = lower.find("img:", at + 1)) {
        const size_t end = lower.find('>', at);
        if (lower.substr(at, end == std::string::npos ? std::string::npos : end - at).find_first_of("/\\") !=
            std::string::npos)
            return false;
    }
    return true;
}

void LayOutAndDraw(const std::string& text, int width, uint8_t options)
{
    // One window and label for every input: making windows is the slow part.
    static TWinControl* host = [] {
        auto* window = new TWinControl(nullptr);
        window->SetBounds(0, 0, 400, 200);
        return window;
    }();
    static TVhHTMLText2* label = [] {
        auto* made = new TVhHTMLText2(host);
        made->SetParent(host);
        made->Font()->SetName("DejaVu Sans");
        made->Font()->SetSize(9);
        return made;
    }();
    label->SetAutoWidth(false);
    label->SetAutoHeight(false);
    label->SetBounds(0, 0, width, 120);
    label->InternalMargins()->SetEnabled(options & 4);
    label->SetMaxWidth(options & 8 ? width : 0);
    label->SetText(text);
    label->SetAutoWidth(options & 1);
    label->SetAutoHeight(options & 2);
    for (const TVHWord& word : label->Words())
        Check(word.Font != nullptr && word.Group >= 0 &&
              word.LinkID < static_cast<int>(label->Links().size()));
    static TBitmap picture(400, 200, pf24bit);
    host->PaintTo(*picture.Canvas(), 0, 0);
    label->SetText("");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    StartOffscreenApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2 || size > 4096)
        return 0;
    const int width = data[0] * 2;
    const uint8_t options = data[1];
    const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);
    TListToken tokens;
    ScanMarkupText(text, tokens);
    for (int i = 0; i < tokens.Count(); ++i)
        tokens.GetLinkText(i);
    ParseTagColor(text);
    DecodeEntities(text);
    CheckEscapedShowsAsWritten(text);
    if (NamesNoFolder(text))
        LayOutAndDraw(text, width, options);
    return 0;
}
