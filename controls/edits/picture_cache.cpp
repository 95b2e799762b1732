#include "controls/edits/picture_cache.h"

THTMLPictureCache::~THTMLPictureCache()
{
    ClearPictures();
}

THTMLPicture* THTMLPictureCache::AddPicture()
{
    auto* picture = new THTMLPicture;
    Add(picture);
    return picture;
}

THTMLPicture* THTMLPictureCache::FindPicture(const std::string& id) const
{
    for (int i = 0; i < Count(); ++i)
        if (GetPicture(i)->ID() == id)
            return GetPicture(i);
    return nullptr;
}

void THTMLPictureCache::ClearPictures()
{
    for (int i = 0; i < Count(); ++i)
        delete GetPicture(i);
    Clear();
}
