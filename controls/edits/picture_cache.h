#pragma once

#include "controls/edits/html_picture.h"
#include "platform/gui/core/pointer_list.h"

#include <string>

// The pictures a markup label loaded from "://" addresses, found again by the exact address. The cache owns
// its pictures.
class THTMLPictureCache : public TList
{
public:
    THTMLPictureCache() = default;
    ~THTMLPictureCache() override;

    // A new empty picture, added at the end.
    THTMLPicture* AddPicture();
    // The first picture whose ID is id, compared exactly; nullptr when there is none.
    THTMLPicture* FindPicture(const std::string& id) const;
    THTMLPicture* GetPicture(int index) const { return static_cast<THTMLPicture*>(Get(index)); }
    // Frees every picture and empties the list.
    void ClearPictures();
};
