#pragma once

#include <string_view>

class TCustomAction;

// Makes the action open the web address with the desktop's opener. An action without an address has
// nothing to open: it is hidden, and with it every menu item and button bound to it.
void BindWebLink(TCustomAction& action, std::string_view address);
