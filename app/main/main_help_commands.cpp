#include "app/kit/program_constants.h"
#include "app/main/form_main.h"
#include "app/main/web_links.h"
#include "platform/gui/windows/actions.h"

// The help menu's web links: each opens one of the maker's pages, and a page the program has no address for
// hides its command.

void TFormMain::BindHelpCommands()
{
    const TWebAddresses& web = WebAddresses();
    BindWebLink(*Actions.actHelp, web.QuickStartGuide);
    BindWebLink(*Actions.actGoToHomePage, web.HomePage);
    BindWebLink(*Actions.actGoToDonation, web.Donation);
    BindWebLink(*Actions.actGoToFacebook, web.Facebook);
    BindWebLink(*Actions.actGoToTwitter, web.Twitter);
    // The tool bar's home page button shows where it leads.
    if (!web.HomePage.empty())
        Actions.actGoToHomePage->SetHint(std::string(web.HomePage));
}
