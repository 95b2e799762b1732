#pragma once

#include "platform/gui/forms/forms.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/standard/list_box.h"

#include <array>
#include <functional>
#include <memory>
#include <string>

// The completion list of the memo: a tool window that never takes the focus (TVezAutoform) holding an
// owner-drawn list (TAutoCompletionListBox). The memo keeps the focus while the list shows and hands it
// the keys that move in the list.
//
// An entry is a line of a string list whose object slot holds its kind (0 identifier, 1 variable,
// 2 property, 3 event, 4 method, 5 function, 6 procedure). Its text is an optional kind word up to and
// including the first space, then the name, then the parameters from the first "(" (or, without one, the
// first "[").

// The kind of entry index of list, and the object slot that carries a kind.
int CompletionKind(const TStrings& list, int index);
TObject* CompletionKindObject(int kind);
// The entry without its kind word: what matching and insertion use.
std::string WithoutKindWord(const std::string& entry);
// Where the parameters begin in an entry's name part: the first "(", else the first "["; npos for none.
size_t ParametersStart(const std::string& text);

class TAutoCompletionListBox : public TCustomListBox
{
public:
    explicit TAutoCompletionListBox(TComponent* owner);
    ~TAutoCompletionListBox() override;

    bool ShowImages = false;
    // The colours of the kind words, kinds 0 to 6, copied from the memo's settings each time the list opens.
    std::array<TColor, 7> KindColors{};

    // nullptr loads the built-in images again; a list gives images 0 to 4 for variable, property, event,
    // procedure and method.
    TCustomImageList* ImageList() const { return FImages; }
    void SetImageList(TCustomImageList* value);
    // The width the entries need (the kind-word column measured too); sets the item height.
    int AutoAdaptWidth();
    // A key the memo passes on while the list shows (arrows, page keys, Home, End).
    void MoveByKey(uint16_t key);

    void Dispatch(TMessage& message) override;

protected:
    void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;

private:
    void LoadBuiltInImages();
    TBitmap* KindImage(int kind) const;
    // Draws the name part of an entry from x: the name bold, the parameters normal.
    void DrawNameAndParameters(TCanvas& canvas, int x, int y, const std::string& text);

    // Variable, property, event, procedure (functions too) and method.
    std::array<std::unique_ptr<TBitmap>, 5> FBitmaps;
    TCustomImageList* FImages = nullptr;
    int FIdentifierWidth = 0;
};

// The window of the completion list: a popup tool window that stays on top and is never activated.
class TVezAutoform : public TForm
{
public:
    explicit TVezAutoform(TComponent* owner);

    bool Shadow = false;

    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
};
