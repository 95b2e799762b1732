#pragma once

#include "platform/gui/core/classes.h"
#include "platform/gui/services/global_memory.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The system clipboard as the class library offers it. Formats are numbered: the predefined text and file
// formats, and ids handed out by RegisterClipboardFormat for named formats. On this desktop every text is
// Unicode, so CF_TEXT and CF_UNICODETEXT are the same plain text (UTF-8 here).
//
// Formats put between Open and the matching Close land on the clipboard together at that Close, and the
// first of them empties it; outside a session every put is a session of its own.

using TClipboardFormat = uint16_t;

constexpr TClipboardFormat CF_TEXT = 1;
constexpr TClipboardFormat CF_UNICODETEXT = 13;
constexpr TClipboardFormat CF_HDROP = 15;

// The id of a named format; the same name (compared without case) always gives the same id. The names
// "Rich Text Format" and "HTML Format" travel as text/rtf and text/html.
TClipboardFormat RegisterClipboardFormat(const std::string& name);

// The MIME types a format travels under on this desktop, the preferred first; none for an unknown id.
std::vector<std::string> ClipboardFormatMimeTypes(TClipboardFormat format);

class TClipboard : public TPersistent
{
public:
    TClipboard();
    ~TClipboard() override;

    void Open();
    void Close();
    // Empties the clipboard (at the end of the session when one is open).
    void Clear();
    bool HasFormat(TClipboardFormat format) const;

    std::string AsText() const; // "" when the clipboard holds no text
    void SetAsText(const std::string& text);
    void SetTextBuf(const char* buffer) { SetAsText(buffer ? buffer : ""); }
    // The text into buffer: at most size - 1 bytes, cut at a whole character, and a zero; answers the
    // bytes copied.
    int GetTextBuf(char* buffer, int size) const;

    // The data of a format in a memory block that the clipboard keeps until the next GetAsHandle (nullptr
    // when the format is not there): texts with a terminating zero, files (CF_HDROP) as a file list.
    HGLOBAL GetAsHandle(TClipboardFormat format);
    // Puts a memory block's data under a format and takes the block (it is freed); texts end at their zero.
    void SetAsHandle(TClipboardFormat format, HGLOBAL block);

    // The bytes of a named format. HTML put in the "HTML Format" header form is published as the plain
    // document the header points to, which is what readers on this desktop expect; it reads back plain.
    std::string AsBytes(TClipboardFormat format) const;
    void SetAsBytes(TClipboardFormat format, const std::string& bytes);

private:
    struct Session;
    void Put(TClipboardFormat format, const std::string& bytes);

    int openCount_ = 0;
    std::unique_ptr<Session> session_;
    HGLOBAL handedOut_ = nullptr;
};

// The program's clipboard object.
TClipboard* Clipboard();

// The "HTML Format" text: a header of byte offsets (Version, StartHTML, EndHTML, StartFragment,
// EndFragment), then a small document around the fragment. The fragment is UTF-8 and should end in CR LF.
std::string BuildHtmlClipboardText(const std::string& fragment);

struct THtmlClipboardParts
{
    std::string Document; // StartHTML .. EndHTML
    std::string Fragment; // StartFragment .. EndFragment
};
// Reads the header of an "HTML Format" text; nothing when a field is missing or an offset is out of order
// or beyond the text.
std::optional<THtmlClipboardParts> ParseHtmlClipboardText(const std::string& text);
