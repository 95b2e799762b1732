#include "platform/gui/core/strings.h"

#include "platform/gui/core/exceptions.h"
#include "platform/gui/core/stream_bytes.h"
#include "support/text_file_encoding.h"
#include "support/utf8.h"

#include <algorithm>

namespace {

bool IsBlankOrControl(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u >= 1 && u <= ' ';
}

std::string QuotedString(const std::string& s, char quote)
{
    std::string result(1, quote);
    for (char c : s) {
        result += c;
        if (c == quote)
            result += quote;
    }
    return result + quote;
}

// Reads a quoted string starting at text[pos] (the opening quote): doubled quotes stand for one, the
// closing quote ends it, and an unclosed string runs to the end.
std::string ExtractQuotedString(const std::string& text, size_t& pos, char quote)
{
    std::string result;
    ++pos;
    while (pos < text.size()) {
        if (text[pos] == quote) {
            if (pos + 1 < text.size() && text[pos + 1] == quote) {
                result += quote;
                pos += 2;
                continue;
            }
            ++pos;
            break;
        }
        result += text[pos++];
    }
    return result;
}

} // namespace

// --- TStrings -----------------------------------------------------------------------------------------

void TStrings::CheckIndex(int index, int count) const
{
    if (index < 0 || index >= count)
        throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

void TStrings::Put(int index, const std::string& s)
{
    BeginUpdate();
    TObject* object = GetObject(index);
    Delete(index);
    InsertObject(index, s, object);
    EndUpdate();
}

TObject* TStrings::GetObject(int) const
{
    return nullptr;
}

void TStrings::PutObject(int, TObject*) {}

int TStrings::Add(const std::string& s)
{
    return AddObject(s, nullptr);
}

int TStrings::AddObject(const std::string& s, TObject* object)
{
    const int index = Count();
    InsertObject(index, s, object);
    return index;
}

void TStrings::AddStrings(const TStrings& strings)
{
    BeginUpdate();
    for (int i = 0; i < strings.Count(); ++i)
        AddObject(strings.Get(i), strings.GetObject(i));
    EndUpdate();
}

void TStrings::AddStrings(const std::vector<std::string>& strings)
{
    BeginUpdate();
    for (const std::string& s : strings)
        Add(s);
    EndUpdate();
}

void TStrings::Exchange(int index1, int index2)
{
    BeginUpdate();
    const std::string s1 = Get(index1);
    TObject* o1 = GetObject(index1);
    Put(index1, Get(index2));
    PutObject(index1, GetObject(index2));
    Put(index2, s1);
    PutObject(index2, o1);
    EndUpdate();
}

void TStrings::Move(int curIndex, int newIndex)
{
    if (curIndex == newIndex)
        return;
    BeginUpdate();
    const std::string s = Get(curIndex);
    TObject* object = GetObject(curIndex);
    Delete(curIndex);
    InsertObject(newIndex, s, object);
    EndUpdate();
}

bool TStrings::Equals(const TStrings& strings) const
{
    if (Count() != strings.Count())
        return false;
    for (int i = 0; i < Count(); ++i)
        if (Get(i) != strings.Get(i))
            return false;
    return true;
}

void TStrings::Assign(const TPersistent* source)
{
    const auto* strings = dynamic_cast<const TStrings*>(source);
    if (!strings) {
        TPersistent::Assign(source);
        return;
    }
    if (strings == this)
        return;
    BeginUpdate();
    Clear();
    lineBreak_ = strings->lineBreak_;
    delimiter_ = strings->delimiter_;
    quoteChar_ = strings->quoteChar_;
    nameValueSeparator_ = strings->nameValueSeparator_;
    strictDelimiter_ = strings->strictDelimiter_;
    AddStrings(*strings);
    EndUpdate();
}

std::string TStrings::Text() const
{
    std::string text;
    for (int i = 0; i < Count(); ++i)
        text += Get(i) + lineBreak_;
    return text;
}

void TStrings::SetText(const std::string& text)
{
    BeginUpdate();
    Clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        Add(text.substr(start, end - start));
        start = end;
        if (start < text.size() && text[start] == '\r')
            ++start;
        if (start < text.size() && text[start] == '\n')
            ++start;
    }
    EndUpdate();
}

std::string TStrings::DelimitedText() const
{
    if (Count() == 1 && Get(0).empty())
        return std::string(2, quoteChar_);
    std::string result;
    for (int i = 0; i < Count(); ++i) {
        const std::string s = Get(i);
        const bool needsQuotes = std::any_of(s.begin(), s.end(), [&](char c) {
            return c == quoteChar_ || c == delimiter_ || c == '\0' ||
                   (!strictDelimiter_ && IsBlankOrControl(c));
        });
        if (i > 0)
            result += delimiter_;
        result += needsQuotes ? QuotedString(s, quoteChar_) : s;
    }
    return result;
}

void TStrings::SetDelimitedText(const std::string& text)
{
    const auto skipBlanks = [&](size_t& pos) {
        while (!strictDelimiter_ && pos < text.size() && IsBlankOrControl(text[pos]))
            ++pos;
    };
    BeginUpdate();
    Clear();
    size_t pos = 0;
    skipBlanks(pos);
    while (pos < text.size()) {
        if (text[pos] == quoteChar_) {
            Add(ExtractQuotedString(text, pos, quoteChar_));
        } else {
            const size_t start = pos;
            while (pos < text.size() && text[pos] != delimiter_ &&
                   (strictDelimiter_ || static_cast<unsigned char>(text[pos]) > ' '))
                ++pos;
            Add(text.substr(start, pos - start));
        }
        skipBlanks(pos);
        if (pos < text.size() && text[pos] == delimiter_) {
            if (pos + 1 == text.size())
                Add(""); // a trailing delimiter ends with an empty string
            ++pos;
            skipBlanks(pos);
        }
    }
    EndUpdate();
}

std::string TStrings::CommaText() const
{
    auto& self = const_cast<TStrings&>(*this);
    const char delimiter = delimiter_, quote = quoteChar_;
    const bool strict = strictDelimiter_;
    self.delimiter_ = ',', self.quoteChar_ = '"', self.strictDelimiter_ = false;
    std::string result = DelimitedText();
    self.delimiter_ = delimiter, self.quoteChar_ = quote, self.strictDelimiter_ = strict;
    return result;
}

void TStrings::SetCommaText(const std::string& text)
{
    const char delimiter = delimiter_, quote = quoteChar_;
    const bool strict = strictDelimiter_;
    delimiter_ = ',', quoteChar_ = '"', strictDelimiter_ = false;
    try {
        SetDelimitedText(text);
    } catch (...) {
        delimiter_ = delimiter, quoteChar_ = quote, strictDelimiter_ = strict;
        throw;
    }
    delimiter_ = delimiter, quoteChar_ = quote, strictDelimiter_ = strict;
}

std::string TStrings::Names(int index) const
{
    const std::string s = Get(index);
    const size_t sep = s.find(nameValueSeparator_);
    return sep == std::string::npos ? std::string() : s.substr(0, sep);
}

std::string TStrings::ValueFromIndex(int index) const
{
    if (index < 0)
        return {};
    const std::string s = Get(index);
    const size_t sep = s.find(nameValueSeparator_);
    return sep == std::string::npos ? std::string() : s.substr(sep + 1);
}

std::string TStrings::Values(const std::string& name) const
{
    return ValueFromIndex(IndexOfName(name));
}

void TStrings::SetValues(const std::string& name, const std::string& value)
{
    const int index = IndexOfName(name);
    if (value.empty()) {
        if (index >= 0)
            Delete(index);
    } else if (index < 0) {
        Add(name + nameValueSeparator_ + value);
    } else {
        Put(index, name + nameValueSeparator_ + value);
    }
}

void TStrings::SetValueFromIndex(int index, const std::string& value)
{
    if (value.empty()) {
        if (index >= 0)
            Delete(index);
        return;
    }
    if (index < 0)
        index = Add("");
    Put(index, Names(index) + nameValueSeparator_ + value);
}

int TStrings::IndexOf(const std::string& s) const
{
    for (int i = 0; i < Count(); ++i)
        if (CompareStrings(Get(i), s) == 0)
            return i;
    return -1;
}

int TStrings::IndexOfName(const std::string& name) const
{
    for (int i = 0; i < Count(); ++i) {
        const std::string s = Get(i);
        const size_t sep = s.find(nameValueSeparator_);
        if (sep != std::string::npos && CompareStrings(s.substr(0, sep), name) == 0)
            return i;
    }
    return -1;
}

int TStrings::IndexOfObject(const TObject* object) const
{
    for (int i = 0; i < Count(); ++i)
        if (GetObject(i) == object)
            return i;
    return -1;
}

void TStrings::BeginUpdate()
{
    if (updateCount_ == 0)
        SetUpdateState(true);
    ++updateCount_;
}

void TStrings::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0)
        SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

int TStrings::CompareStrings(const std::string& a, const std::string& b) const
{
    return CompareTextIgnoreCase(a, b);
}

void TStrings::LoadFromBytes(const std::string& bytes)
{
    TTextEncoding found = TTextEncoding::Default;
    const std::string text = DecodeTextFile(bytes, found);
    SetText(text);
    encoding_ = found;
}

void TStrings::LoadFromStream(TStream& stream)
{
    LoadFromBytes(ReadToEnd(stream));
}

void TStrings::LoadFromFile(const std::string& fileName)
{
    TFileStream file(fileName, fmOpenRead);
    LoadFromStream(file);
}

void TStrings::SaveToStream(TStream& stream) const
{
    SaveToStream(stream, encoding_);
}

void TStrings::SaveToStream(TStream& stream, TTextEncoding encoding) const
{
    WriteAll(stream, EncodeTextFile(Text(), encoding));
}

void TStrings::SaveToFile(const std::string& fileName) const
{
    SaveToFile(fileName, encoding_);
}

void TStrings::SaveToFile(const std::string& fileName, TTextEncoding encoding) const
{
    SaveFileBytes(fileName, EncodeTextFile(Text(), encoding));
}

// --- TStringList --------------------------------------------------------------------------------------

std::string TStringList::Get(int index) const
{
    CheckIndex(index, Count());
    return items_[static_cast<size_t>(index)].text;
}

TObject* TStringList::GetObject(int index) const
{
    CheckIndex(index, Count());
    return items_[static_cast<size_t>(index)].object;
}

void TStringList::CheckUnsorted() const
{
    if (sorted_)
        throw EStringListError("Operation not allowed on sorted list");
}

void TStringList::Put(int index, const std::string& s)
{
    CheckUnsorted();
    CheckIndex(index, Count());
    Changing();
    items_[static_cast<size_t>(index)].text = s;
    Changed();
}

void TStringList::PutObject(int index, TObject* object)
{
    CheckIndex(index, Count());
    Changing();
    items_[static_cast<size_t>(index)].object = object;
    Changed();
}

int TStringList::AddObject(const std::string& s, TObject* object)
{
    if (!sorted_) {
        InsertItem(Count(), s, object);
        return Count() - 1;
    }
    int index = 0;
    if (Find(s, index)) {
        if (duplicates_ == dupIgnore)
            return index;
        if (duplicates_ == dupError)
            throw EStringListError("String list does not allow duplicates");
        while (index < Count() && CompareStrings(items_[static_cast<size_t>(index)].text, s) == 0)
            ++index; // equal strings keep the order they were added in
    }
    InsertItem(index, s, object);
    return index;
}

void TStringList::InsertObject(int index, const std::string& s, TObject* object)
{
    CheckUnsorted();
    if (index < 0 || index > Count())
        CheckIndex(index, Count());
    InsertItem(index, s, object);
}

void TStringList::InsertItem(int index, const std::string& s, TObject* object)
{
    Changing();
    items_.insert(items_.begin() + index, Item{s, object});
    Changed();
}

void TStringList::Delete(int index)
{
    CheckIndex(index, Count());
    Changing();
    items_.erase(items_.begin() + index);
    Changed();
}

void TStringList::Clear()
{
    if (items_.empty())
        return;
    Changing();
    items_.clear();
    Changed();
}

void TStringList::Exchange(int index1, int index2)
{
    CheckUnsorted();
    CheckIndex(index1, Count());
    CheckIndex(index2, Count());
    Changing();
    std::swap(items_[static_cast<size_t>(index1)], items_[static_cast<size_t>(index2)]);
    Changed();
}

void TStringList::Move(int curIndex, int newIndex)
{
    CheckUnsorted();
    CheckIndex(curIndex, Count());
    CheckIndex(newIndex, Count());
    if (curIndex == newIndex)
        return;
    Changing();
    Item item = std::move(items_[static_cast<size_t>(curIndex)]);
    items_.erase(items_.begin() + curIndex);
    items_.insert(items_.begin() + newIndex, std::move(item));
    Changed();
}

void TStringList::Assign(const TPersistent* source)
{
    const auto* list = dynamic_cast<const TStringList*>(source);
    if (!list || list == this) {
        TStrings::Assign(source);
        return;
    }
    BeginUpdate();
    sorted_ = false;
    TStrings::Assign(source);
    caseSensitive_ = list->caseSensitive_;
    duplicates_ = list->duplicates_;
    sorted_ = list->sorted_;
    EndUpdate();
}

int TStringList::CompareStrings(const std::string& a, const std::string& b) const
{
    const int folded = CompareTextIgnoreCase(a, b);
    if (!caseSensitive_ || folded != 0)
        return folded;
    // Same letters in different case: lower case sorts first, as the platform's collation does.
    const int bytes = a.compare(b);
    return bytes < 0 ? 1 : (bytes > 0 ? -1 : 0);
}

int TStringList::IndexOf(const std::string& s) const
{
    if (!sorted_)
        return TStrings::IndexOf(s);
    int index = 0;
    return Find(s, index) ? index : -1;
}

bool TStringList::Find(const std::string& s, int& index) const
{
    int low = 0, high = Count();
    while (low < high) {
        const int mid = (low + high) / 2;
        if (CompareStrings(items_[static_cast<size_t>(mid)].text, s) < 0)
            low = mid + 1;
        else
            high = mid;
    }
    index = low;
    return low < Count() && CompareStrings(items_[static_cast<size_t>(low)].text, s) == 0;
}

void TStringList::SortItems(const std::function<bool(const Item&, const Item&)>& less)
{
    Changing();
    std::stable_sort(items_.begin(), items_.end(), less);
    Changed();
}

void TStringList::Sort()
{
    SortItems([this](const Item& a, const Item& b) { return CompareStrings(a.text, b.text) < 0; });
}

void TStringList::CustomSort(const std::function<int(TStringList& list, int index1, int index2)>& compare)
{
    // The comparison speaks in indexes, so sort a permutation and apply it afterwards.
    std::vector<int> order(items_.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
    Changing();
    std::vector<Item> sorted;
    sorted.reserve(items_.size());
    for (int i : order)
        sorted.push_back(items_[static_cast<size_t>(i)]);
    items_ = std::move(sorted);
    Changed();
}

void TStringList::SetSorted(bool sorted)
{
    if (sorted == sorted_)
        return;
    if (sorted)
        Sort();
    sorted_ = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive)
{
    if (caseSensitive == caseSensitive_)
        return;
    caseSensitive_ = caseSensitive;
    if (sorted_)
        Sort();
}

void TStringList::SetUpdateState(bool updating)
{
    if (updating)
        Changing();
    else
        Changed();
}

void TStringList::Changing()
{
    if (UpdateCount() == 0 && OnChanging)
        OnChanging(this);
}

void TStringList::Changed()
{
    if (UpdateCount() == 0 && OnChange)
        OnChange(this);
}
