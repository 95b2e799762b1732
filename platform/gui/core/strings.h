#pragma once

#include "platform/gui/core/classes.h"

#include "support/streams.h"
#include "support/text_file_encoding.h"

#include <string>
#include <vector>

// Lists of UTF-8 strings with an object per line: the abstract TStrings with everything built on its few
// primitives (text, delimited text, name=value pairs, files), and TStringList that stores the lines and can
// keep them sorted.

class TStrings : public TPersistent
{
public:
    // Primitives every list provides.
    virtual int Count() const = 0;
    virtual std::string Get(int index) const = 0;
    virtual void Put(int index, const std::string& s);
    virtual TObject* GetObject(int index) const;
    virtual void PutObject(int index, TObject* object);
    virtual void InsertObject(int index, const std::string& s, TObject* object) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    std::string Strings(int index) const { return Get(index); }
    void SetStrings(int index, const std::string& s) { Put(index, s); }
    TObject* Objects(int index) const { return GetObject(index); }
    void SetObjects(int index, TObject* object) { PutObject(index, object); }

    virtual int Add(const std::string& s);
    virtual int AddObject(const std::string& s, TObject* object);
    void Append(const std::string& s) { Add(s); }
    void Insert(int index, const std::string& s) { InsertObject(index, s, nullptr); }
    virtual void AddStrings(const TStrings& strings);
    void AddStrings(const std::vector<std::string>& strings);
    virtual void Exchange(int index1, int index2);
    virtual void Move(int curIndex, int newIndex);
    bool Equals(const TStrings& strings) const;
    void Assign(const TPersistent* source) override;

    // Text is every line followed by LineBreak (CR LF unless changed). SetText splits at CR LF, LF and a
    // lone CR.
    virtual std::string Text() const;
    virtual void SetText(const std::string& text);
    const std::string& LineBreak() const { return lineBreak_; }
    void SetLineBreak(const std::string& lineBreak) { lineBreak_ = lineBreak; }

    // Delimited text: a string holding the delimiter, the quote character or (unless StrictDelimiter)
    // white space or a control character is quoted, with inner quotes doubled. Reading without
    // StrictDelimiter also splits at spaces and control characters.
    std::string DelimitedText() const;
    void SetDelimitedText(const std::string& text);
    std::string CommaText() const; // delimiter ",", quote '"', not strict
    void SetCommaText(const std::string& text);
    char Delimiter() const { return delimiter_; }
    void SetDelimiter(char delimiter) { delimiter_ = delimiter; }
    char QuoteChar() const { return quoteChar_; }
    void SetQuoteChar(char quoteChar) { quoteChar_ = quoteChar; }
    bool StrictDelimiter() const { return strictDelimiter_; }
    void SetStrictDelimiter(bool strict) { strictDelimiter_ = strict; }

    // name=value lines, split at the first NameValueSeparator.
    char NameValueSeparator() const { return nameValueSeparator_; }
    void SetNameValueSeparator(char separator) { nameValueSeparator_ = separator; }
    std::string Names(int index) const;
    std::string Values(const std::string& name) const;
    void SetValues(const std::string& name, const std::string& value); // "" deletes the line
    std::string ValueFromIndex(int index) const;
    void SetValueFromIndex(int index, const std::string& value);

    virtual int IndexOf(const std::string& s) const;
    virtual int IndexOfName(const std::string& name) const;
    int IndexOfObject(const TObject* object) const;

    // Nested updates: OnChanging fires before the first change, OnChange after the last EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    // Files and streams. Loading detects a byte-order mark (UTF-8, UTF-16 LE/BE); without one the bytes are
    // UTF-8, or Windows-1252 when they are not valid UTF-8. The list stays unchanged when loading fails.
    // Saving without an encoding uses the one the last load found.
    void LoadFromFile(const std::string& fileName);
    void LoadFromStream(TStream& stream);
    void SaveToFile(const std::string& fileName) const;
    void SaveToFile(const std::string& fileName, TTextEncoding encoding) const;
    void SaveToStream(TStream& stream) const;
    void SaveToStream(TStream& stream, TTextEncoding encoding) const;
    TTextEncoding Encoding() const { return encoding_; }

protected:
    // Updating is true when the first BeginUpdate starts a batch and false when the last EndUpdate ends it.
    virtual void SetUpdateState(bool updating);
    virtual int CompareStrings(const std::string& a, const std::string& b) const;
    void CheckIndex(int index, int count) const;
    void LoadFromBytes(const std::string& bytes);

private:
    std::string lineBreak_ = "\r\n";
    char delimiter_ = ',';
    char quoteChar_ = '"';
    char nameValueSeparator_ = '=';
    bool strictDelimiter_ = false;
    int updateCount_ = 0;
    TTextEncoding encoding_ = TTextEncoding::Default;
};

enum TDuplicates
{
    dupIgnore,
    dupAccept,
    dupError
};

class TStringList : public TStrings
{
public:
    TStringList() = default;

    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;
    int AddObject(const std::string& s, TObject* object) override;
    void InsertObject(int index, const std::string& s, TObject* object) override;
    void Delete(int index) override;
    void Clear() override;
    void Exchange(int index1, int index2) override;
    void Move(int curIndex, int newIndex) override;
    void Assign(const TPersistent* source) override;

    int IndexOf(const std::string& s) const override;
    // Binary search of a sorted list: true and the index of the first match, or false and the index where
    // s would be inserted.
    bool Find(const std::string& s, int& index) const;
    void Sort();
    void CustomSort(const std::function<int(TStringList& list, int index1, int index2)>& compare);

    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates duplicates) { duplicates_ = duplicates; }
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool caseSensitive);

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    void SetUpdateState(bool updating) override;
    int CompareStrings(const std::string& a, const std::string& b) const override;
    virtual void Changed();
    virtual void Changing();

private:
    struct Item
    {
        std::string text;
        TObject* object = nullptr;
    };
    void InsertItem(int index, const std::string& s, TObject* object);
    void CheckUnsorted() const;
    void SortItems(const std::function<bool(const Item&, const Item&)>& less);

    std::vector<Item> items_;
    bool sorted_ = false;
    bool caseSensitive_ = false;
    TDuplicates duplicates_ = dupIgnore;
};
