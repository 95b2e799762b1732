#pragma once

#include <string>

// Links the user clicks in labels, and what may open them. No link ever starts a program: web and mail
// addresses open in the programs the desktop chose for them; a file or folder opens only when the window
// itself set the link's address (never from text the program shows, which may hold names it was given), and
// a program, script or desktop launcher is then shown in its folder instead. Anything else is left to the
// control's own events.

enum class TLinkSource
{
    ShownText, // an address inside text the control shows (markup, a tag language)
    Window     // an address the window set on the control itself
};

enum class TLinkAction
{
    None,         // left alone
    Opened,       // handed to the shell's opener
    ShownInFolder // a runnable file, shown selected in its folder
};

// Hands target to Shell() as its source allows; answers what the shell was asked to do (None also when the
// shell could not do it).
TLinkAction OpenLink(const std::string& target, TLinkSource source);

// True for "http://", "https://" and "mailto:" addresses, in any case.
bool IsWebOrMailAddress(const std::string& target);

// True for a file that would run when opened: one with an execute permission, a script ("#!"), a program
// (ELF), a desktop launcher, or a file whose extension names a script or program kind.
bool IsRunnableFile(const std::string& fileName);
