#include "app/main/web_links.h"

#include "platform/gui/services/shell.h"
#include "platform/gui/windows/actions.h"

#include <string>

void BindWebLink(TCustomAction& action, std::string_view address)
{
    action.SetVisible(!address.empty());
    if (address.empty()) {
        action.OnExecute = nullptr;
        return;
    }
    // The desktop's failure to open the page is not reported.
    action.OnExecute = [target = std::string(address)](TObject*) { Shell().Open(target); };
}
