// Registers arbitrary bytes as a skin text and reads it. A text that loads must save, load and save again to
// the same text; one that does not must leave the default skin current.
#include "controls/skins/skin_error.h"
#include "controls/skins/skin_manager.h"
#include "platform/gui/core/strings.h"

#include <cstdint>
#include <cstdlib>

namespace {

std::string SavedText(const TQvSkinOptions& skin)
{
    TStringList lines;
    skin.SaveToStrings(lines);
    return lines.Text();
}

void CheckRoundTrip(const TStrings& text)
{
    TQvSkinOptions skin;
    try {
        skin.LoadFromStrings(text);
    } catch (const ESkinError&) {
        return;
    }
    TStringList saved;
    skin.SaveToStrings(saved);
    TQvSkinOptions again;
    again.LoadFromStrings(saved);
    if (SavedText(again) != saved.Text()) {
        abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TMemoryStream bytes;
    bytes.WriteBuffer(data, static_cast<int64_t>(size));
    bytes.SetPosition(0);
    TStringList text;
    text.LoadFromStream(bytes);

    TQvSkinManager& manager = GetSkinManager();
    const int index = manager.SkinsList().AddSkin(text);
    if (index < 0) {
        return 0;
    }
    CheckRoundTrip(*manager.SkinsList().GetSkinOption(index)->SkinStrings);

    const std::string name = manager.SkinsList().Strings(index);
    try {
        manager.SetSkin(name);
    } catch (const ESkinError&) {
        if (!manager.IsDefaultSkin()) {
            abort();
        }
    }
    manager.SetSkin("");
    manager.SkinsList().Delete(index);
    return 0;
}
