#include "platform/gui/services/clipboard.h"

#include "platform/gui/core/exceptions.h"
#include "platform/gui/services/dropped_files.h"
#include "platform/gui/services/shell.h"
#include "support/utf8.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

#include <charconv>
#include <map>
#include <vector>

namespace {

constexpr TClipboardFormat FirstRegisteredFormat = 0xC000;
const std::string RtfFormatName = "Rich Text Format";
const std::string HtmlFormatName = "HTML Format";

std::vector<std::string>& RegisteredNames()
{
    static std::vector<std::string> names;
    return names;
}

std::string RegisteredName(TClipboardFormat format)
{
    const auto& names = RegisteredNames();
    const size_t index = format - FirstRegisteredFormat;
    return format >= FirstRegisteredFormat && index < names.size() ? names[index] : std::string();
}

std::vector<QString> MimeTypesOf(TClipboardFormat format)
{
    std::vector<QString> types;
    for (const std::string& type : ClipboardFormatMimeTypes(format))
        types.push_back(QString::fromStdString(type));
    return types;
}

bool IsHtmlFormat(TClipboardFormat format)
{
    return SameTextIgnoreCase(RegisteredName(format), HtmlFormatName);
}

QClipboard& SystemClipboard()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        throw EInvalidOperation("The clipboard is not available without the application object");
    return *QGuiApplication::clipboard();
}

} // namespace

std::vector<std::string> ClipboardFormatMimeTypes(TClipboardFormat format)
{
    switch (format) {
    case CF_TEXT:
    case CF_UNICODETEXT:
        return {"text/plain"};
    case CF_HDROP:
        return {"text/uri-list"};
    }
    const std::string name = RegisteredName(format);
    if (name.empty())
        return {};
    if (SameTextIgnoreCase(name, RtfFormatName))
        return {"text/rtf", "application/rtf"};
    if (SameTextIgnoreCase(name, HtmlFormatName))
        return {"text/html"};
    return {name};
}

TClipboardFormat RegisterClipboardFormat(const std::string& name)
{
    auto& names = RegisteredNames();
    for (size_t i = 0; i < names.size(); ++i)
        if (SameTextIgnoreCase(names[i], name))
            return static_cast<TClipboardFormat>(FirstRegisteredFormat + i);
    names.push_back(name);
    return static_cast<TClipboardFormat>(FirstRegisteredFormat + names.size() - 1);
}

// What the open session has put so far; it replaces the clipboard's content at the last Close.
struct TClipboard::Session
{
    std::unique_ptr<QMimeData> data;
};

TClipboard::TClipboard() = default;
TClipboard::~TClipboard()
{
    GlobalFree(handedOut_);
}

void TClipboard::Open()
{
    if (openCount_++ == 0)
        session_.reset();
}

void TClipboard::Close()
{
    if (openCount_ == 0 || --openCount_ > 0 || !session_)
        return;
    std::unique_ptr<QMimeData> data = std::move(session_->data);
    session_.reset();
    if (data->formats().isEmpty())
        SystemClipboard().clear();
    else
        SystemClipboard().setMimeData(data.release());
}

void TClipboard::Clear()
{
    Open();
    session_ = std::make_unique<Session>();
    session_->data = std::make_unique<QMimeData>();
    Close();
}

void TClipboard::Put(TClipboardFormat format, const std::string& bytes)
{
    const std::vector<QString> types = MimeTypesOf(format);
    if (types.empty())
        throw EInvalidOperation("Unknown clipboard format " + std::to_string(format));
    Open();
    if (!session_) {
        session_ = std::make_unique<Session>();
        session_->data = std::make_unique<QMimeData>();
    }
    for (const QString& type : types)
        session_->data->setData(type, QByteArray::fromStdString(bytes));
    Close();
}

bool TClipboard::HasFormat(TClipboardFormat format) const
{
    const QMimeData* data = session_ ? session_->data.get() : SystemClipboard().mimeData();
    if (!data)
        return false;
    for (const QString& type : MimeTypesOf(format))
        if (data->hasFormat(type))
            return true;
    return false;
}

std::string TClipboard::AsText() const
{
    return AsBytes(CF_UNICODETEXT);
}

void TClipboard::SetAsText(const std::string& text)
{
    Put(CF_UNICODETEXT, text);
}

std::string TClipboard::AsBytes(TClipboardFormat format) const
{
    const QMimeData* data = session_ ? session_->data.get() : SystemClipboard().mimeData();
    if (!data)
        return {};
    if (format == CF_TEXT || format == CF_UNICODETEXT)
        return data->text().toStdString();
    for (const QString& type : MimeTypesOf(format))
        if (data->hasFormat(type))
            return data->data(type).toStdString();
    return {};
}

void TClipboard::SetAsBytes(TClipboardFormat format, const std::string& bytes)
{
    if (IsHtmlFormat(format))
        if (const auto parts = ParseHtmlClipboardText(bytes)) {
            Put(format, parts->Document);
            return;
        }
    Put(format, bytes);
}

int TClipboard::GetTextBuf(char* buffer, int size) const
{
    if (!buffer || size <= 0)
        return 0;
    const std::string text = Utf8PrefixWithin(AsText(), static_cast<size_t>(size - 1));
    std::copy(text.begin(), text.end(), buffer);
    buffer[text.size()] = '\0';
    return static_cast<int>(text.size());
}

HGLOBAL TClipboard::GetAsHandle(TClipboardFormat format)
{
    handedOut_ = GlobalFree(handedOut_);
    if (!HasFormat(format))
        return nullptr;
    if (format == CF_HDROP)
        handedOut_ = MakeDropFiles(FileNamesFromUriList(AsBytes(CF_HDROP)));
    else
        handedOut_ = GlobalFromBytes(AsBytes(format), true);
    return handedOut_;
}

void TClipboard::SetAsHandle(TClipboardFormat format, HGLOBAL block)
{
    std::string bytes;
    if (format == CF_HDROP) {
        for (const std::string& name : DropFileNames(block))
            bytes += QUrl::fromLocalFile(QString::fromStdString(name)).toString().toStdString() + "\r\n";
    } else {
        bytes = GlobalBytes(block, true);
    }
    GlobalFree(block);
    SetAsBytes(format, bytes);
}

TClipboard* Clipboard()
{
    static TClipboard clipboard;
    return &clipboard;
}

std::string BuildHtmlClipboardText(const std::string& fragment)
{
    const std::string before = "<!DOCTYPE html>\r\n"
                               "<HTML>\r\n"
                               "<HEAD>\r\n"
                               "<TITLE>The HTML Clipboard</TITLE>\r\n"
                               "<BASE HREF=\"about:blank\">\r\n"
                               "</HEAD>\r\n"
                               "<BODY>\r\n"
                               "<!--StartFragment-->\r\n";
    const std::string after = "\r\n"
                              "<!--EndFragment-->\r\n"
                              "</BODY>\r\n"
                              "</HTML>\r\n";
    // The offsets count the header itself, whose length depends on their digits: grow until it settles.
    std::string header;
    size_t headerLength = 0;
    for (;;) {
        const size_t startFragment = headerLength + before.size();
        const size_t endFragment = startFragment + fragment.size();
        header = "Version:0.9\r\nStartHTML:" + std::to_string(headerLength) +
                 "\r\nEndHTML:" + std::to_string(endFragment + after.size()) +
                 "\r\nStartFragment:" + std::to_string(startFragment) +
                 "\r\nEndFragment:" + std::to_string(endFragment) + "\r\n";
        if (header.size() == headerLength)
            break;
        headerLength = header.size();
    }
    return header + before + fragment + after;
}

std::optional<THtmlClipboardParts> ParseHtmlClipboardText(const std::string& text)
{
    std::map<std::string, size_t> offsets;
    size_t lineStart = 0;
    while (lineStart < text.size() && text[lineStart] != '<') {
        size_t lineEnd = text.find('\n', lineStart);
        if (lineEnd == std::string::npos)
            lineEnd = text.size();
        const std::string line = text.substr(lineStart, lineEnd - lineStart);
        const size_t colon = line.find(':');
        if (colon != std::string::npos) {
            size_t value = 0;
            const char* first = line.data() + colon + 1;
            const char* last = line.data() + line.size() - (line.ends_with('\r') ? 1 : 0);
            const auto [end, error] = std::from_chars(first, last, value);
            if (error == std::errc() && end == last)
                offsets[line.substr(0, colon)] = value;
        }
        lineStart = lineEnd + 1;
    }
    const char* keys[] = {"StartHTML", "StartFragment", "EndFragment", "EndHTML"};
    size_t previous = 0;
    for (const char* key : keys) {
        const auto found = offsets.find(key);
        if (found == offsets.end() || found->second < previous || found->second > text.size())
            return std::nullopt;
        previous = found->second;
    }
    const size_t startHtml = offsets["StartHTML"], endHtml = offsets["EndHTML"];
    const size_t startFragment = offsets["StartFragment"], endFragment = offsets["EndFragment"];
    return THtmlClipboardParts{text.substr(startHtml, endHtml - startHtml),
                               text.substr(startFragment, endFragment - startFragment)};
}
