#include "controls/skins/built_in_skins.h"

#include "controls/skins/skin_manager.h"

void RegisterBuiltInSkins()
{
    static bool registered = false;
    if (registered) {
        return;
    }
    registered = true;
    TQvSkinsList& skins = GetSkinManager().SkinsList();
    skins.AddSkin("Aluminum", TQvSkinOptionsClass::Of<TQvAluminumSkin>());
    skins.AddSkin("Athen", TQvSkinOptionsClass::Of<TQvAthenSkin>());
    skins.AddSkin("Dream", TQvSkinOptionsClass::Of<TQvDreamSkin>());
    skins.AddSkin("Eos", TQvSkinOptionsClass::Of<TQvEosSkin>());
    skins.AddSkin("Amber", TQvSkinOptionsClass::Of<TQvAmberSkin>());
    skins.AddSkin("Graphite", TQvSkinOptionsClass::Of<TQvGraphiteSkin>());
    skins.AddSkin("Xito", TQvSkinOptionsClass::Of<TQvXitoSkin>());
    skins.AddSkin("Flat", TQvSkinOptionsClass::Of<TQvFlatSkin>());
    skins.AddSkin("Gradient", TQvSkinOptionsClass::Of<TQvGradientSkin>());
    skins.AddSkin("Glossy Blue", TQvSkinOptionsClass::Of<TQvGlossyBlueSkin>());
    skins.AddSkin("Glossy Black", TQvSkinOptionsClass::Of<TQvGlossyBlackSkin>());
    skins.AddSkin("Glossy Silver", TQvSkinOptionsClass::Of<TQvGlossySilverSkin>());
}
