#include "controls/memo/vez_custom_memo.h"

#include "controls/memo/url_addresses.h"
#include "platform/gui/services/link_opener.h"
#include "support/utf8.h"

// Addresses in the text: which runs are URLs, where they are, and what a click on one does. Any address
// prefix makes a URL run (it is drawn as one and OnURLClick hears of it), but the shell is asked to open
// web and mail addresses only: a file or a program named in the text never starts from a click.

namespace {

constexpr const char* UrlPrefixes[] = {"http://", "mailto:", "www.",   "https://",
                                       "ftp://",  "nntp://", "file://"};

} // namespace

std::string OpenableAddress(const std::string& url)
{
    if (IsWebOrMailAddress(url))
        return url;
    if (AsciiLowerCase(url).starts_with("www."))
        return "http://" + url;
    return {};
}

bool TVezCustomMemo::WordIsURL(const std::string& s)
{
    const std::string lower = AsciiLowerCase(s);
    bool isUrl = false;
    for (const char* prefix : UrlPrefixes)
        if (lower.starts_with(prefix))
            isUrl = true;
    DoIsURL(lower, isUrl);
    return isUrl;
}

char32_t TVezCustomMemo::LiteralChar() const
{
    if (!FUseStyler || !ActiveStyler())
        return 0;
    const TLineText literal = DecodeLine(ActiveStyler()->Literal());
    return literal.empty() ? 0 : literal[0];
}

void TVezCustomMemo::SplitURLParts(const std::string& s, TStrings* list) const
{
    list->Clear();
    if (!FUrlAware) {
        list->Add(s);
        return;
    }
    const TLineText text = DecodeLine(s);
    const std::u32string delimiters = DecodeLine(FUrlDelimiters);
    for (size_t i = 0; i < text.size();) {
        const size_t end = UrlRunEnd(text, i, text.size(), delimiters, LiteralChar());
        list->Add(EncodeLine(text.substr(i, end - i)));
        i = end;
    }
}

std::string TVezCustomMemo::URLAtColumn(const std::string& s, int col)
{
    if (!FUrlAware || col < 0)
        return {};
    TStringList runs;
    SplitURLParts(s, &runs);
    int start = 0;
    for (int i = 0; i < runs.Count(); ++i) {
        const int length = LineLength(runs.Get(i));
        if (col >= start && col < start + length)
            return WordIsURL(runs.Get(i)) ? runs.Get(i) : std::string();
        start += length;
    }
    return {};
}

bool TVezCustomMemo::IsURLAtPos(const std::string& s, int col)
{
    return !URLAtColumn(s, col).empty();
}

void TVezCustomMemo::ClickURL(const std::string& s)
{
    const std::string url = URLAtColumn(s, FCurX);
    if (url.empty())
        return;
    if (OnURLClick) {
        OnURLClick(this, url);
        return;
    }
    if (const std::string address = OpenableAddress(url); !address.empty())
        OpenLink(address, TLinkSource::ShownText);
}
