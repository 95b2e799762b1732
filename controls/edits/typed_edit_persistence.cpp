// The typed edit's value and lookup history kept between runs in an INI file: loaded when the edit is
// loaded, saved when its window goes.

#include "controls/edits/typed_edit.h"
#include "platform/gui/core/exception_reporting.h"
#include "platform/system/ini_file.h"
#include "support/processes.h"
#include "support/text_routines.h"

#include <algorithm>
#include <cstdlib>
#include <unistd.h>

namespace {

const std::string NeverSaved = "@";

// The user's configuration folder (XDG).
std::string ConfigFolder()
{
    if (const char* configured = std::getenv("XDG_CONFIG_HOME"); configured && configured[0] == '/')
        return configured;
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.config";
}

// The file of the settings: Key itself for an INI file (the program's path with ".INI" when Key is empty),
// the user's settings file named after Key otherwise.
std::string PersistenceFile(TPersistence& persistence)
{
    if (persistence.Location() == plRegistry)
        return UserSettingsFile(persistence.Key());
    if (persistence.Key().empty()) {
        const std::string program = GetProcessExePath(getpid());
        const std::string extension = GetFileExtension(program, false);
        persistence.SetKey(program.substr(0, program.size() - extension.size()) + ".INI");
    }
    return persistence.Key();
}

} // namespace

std::string UserSettingsFile(const std::string& key)
{
    std::string name = key;
    for (char& c : name)
        if (c == '/' || c == '\\')
            c = '.';
    return ConfigFolder() + "/" + name + ".ini";
}

void TVezEdit::LoadPersist()
{
    TPersistence& p = *persistence_;
    if (!p.Enable() || p.Section().empty())
        return;
    TIniFile ini(PersistenceFile(p));
    ini.HoldInMemory(); // many keys, one reading of the file; nothing is written back
    const std::string& section = p.Section();
    if (lookup_->Enabled() && lookup_->History()) {
        // Entries past the keys the section holds are all absent: a damaged count adds no more of them than
        // that, instead of growing the lists without end.
        const int keys = static_cast<int>(ini.ReadSection(section).size());
        const int count = std::min(ini.ReadInteger(section, "LOOKUPCOUNT", 0), keys);
        for (int i = 1; i <= count; ++i) {
            lookup_->ValueList()->Add(ini.ReadString(section, "LOOKUPVAL" + std::to_string(i), ""));
            const std::string entry = ini.ReadString(section, "LOOKUPDISPL" + std::to_string(i), "");
            if (!entry.empty())
                lookup_->DisplayList()->Add(entry);
        }
    }
    const std::string shown = ini.ReadString(section, Name(), NeverSaved);
    if (shown != NeverSaved && !KeepTextOnLoad())
        SetWindowText(shown);
}

void TVezEdit::SavePersist()
{
    TPersistence& p = *persistence_;
    if (!p.Enable())
        return;
    if (p.Location() == plInifile && p.Section().empty())
        p.SetSection(Name());
    // Settings saved without a section could never be loaded again.
    if (p.Section().empty())
        return;
    GuardedCall(this, [&] {
        TIniFile ini(PersistenceFile(p));
        ini.HoldInMemory();
        const std::string& section = p.Section();
        ini.WriteString(section, Name(), Shown(Text()));
        if (lookup_->Enabled() && lookup_->History()) {
            const TStringList& entries = *lookup_->DisplayList();
            const TStringList& values = *lookup_->ValueList();
            ini.WriteInteger(section, "LOOKUPCOUNT", entries.Count());
            for (int i = 0; i < entries.Count(); ++i) {
                ini.WriteString(section, "LOOKUPDISPL" + std::to_string(i + 1), entries.Strings(i));
                if (i < values.Count())
                    ini.WriteString(section, "LOOKUPVAL" + std::to_string(i + 1), values.Strings(i));
            }
        }
        ini.UpdateFile();
    });
}
