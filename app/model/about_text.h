#pragma once

#include <string>
#include <string_view>
#include <vector>

// The about window's text: a template in the HTML-like label's tag language whose placeholders
// ("%APP_NAME%", "%APP_VERSION%", ...) take the program's values. Every value is inserted as text the
// label shows as it is written; an address becomes a link only when it is a web or mail address that a
// tag can hold, and a line whose placeholders all have empty values is left out.

struct TAboutLibrary
{
    std::string Name;
    std::string Licence;
    std::string Address; // the project's page
};

struct TAboutValues
{
    std::string AppName, AppVersion, AppDate, AppLicence, AppAuthor;
    std::string AppUrl;                   // the product's page: the link's target and its text
    std::string DonationUrl, Donation;    // the donation link's target and text
    std::string FFmpegVersion, FFmpegUrl; // the encoder's line and project page
    std::string MediaInfoVersion, MediaInfoUrl;
    std::vector<TAboutLibrary> Libraries;
};

// The faces the template names: its text, its titles and its version lines.
struct TAboutFonts
{
    std::string Text = "Verdana";
    std::string Title = "Tahoma";
    std::string Versions = "Consolas";
};

// The template; lines end in CR LF.
std::string AboutTemplate(const TAboutFonts& fonts);

// The template with its placeholders (any letter case) filled from values.
std::string FillAboutTemplate(std::string_view aboutTemplate, const TAboutValues& values);

// The link markup for an address, or empty when the address is not a web or mail address a tag can hold.
std::string AboutLink(std::string_view address, std::string_view shownText, bool bold = false);
