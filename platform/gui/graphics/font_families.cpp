#include "platform/gui/graphics/font_families.h"

#include "support/utf8.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <algorithm>
#include <mutex>
#include <set>

namespace {

// Faces of the classic platform that are fixed-pitch: a layout naming one wants a monospace font here.
bool IsKnownMonospaceFace(const std::string& family)
{
    static const char* const faces[] = {"Courier New", "Courier",  "Consolas",      "Lucida Console",
                                        "FixedSys",    "Terminal", "Cascadia Mono", "Cascadia Code"};
    return std::any_of(std::begin(faces), std::end(faces),
                       [&](const char* face) { return SameTextIgnoreCase(face, family); });
}

std::string FirstMonospaceFamily()
{
    for (const char* candidate : {"DejaVu Sans Mono", "Liberation Mono", "Noto Sans Mono", "Ubuntu Mono"})
        if (IsFontInstalled(candidate))
            return candidate;
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family().toStdString();
}

} // namespace

std::string DefaultFontName()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return QGuiApplication::font().family().toStdString();
    return "DejaVu Sans";
}

std::vector<std::string> InstalledFontFamilies()
{
    std::vector<std::string> families;
    for (const QString& family : QFontDatabase::families())
        families.push_back(family.toStdString());
    return families;
}

// A family is installed when the font database lists it under that name (letter case aside). The database's
// own test also asks the font configuration for aliases, about a millisecond for each name it lacks, and
// layouts name many faces this system lacks.
bool IsFontInstalled(const std::string& family)
{
    static std::mutex lock;
    static std::set<std::string> installed;
    std::lock_guard guard(lock);
    if (installed.empty())
        for (const std::string& name : InstalledFontFamilies())
            installed.insert(Utf8LowerCase(name));
    return installed.count(Utf8LowerCase(family)) > 0;
}

std::string ResolveFontFamily(const std::string& family, bool fixedPitch)
{
    if (!family.empty() && IsFontInstalled(family))
        return family;
    if (fixedPitch || IsKnownMonospaceFace(family))
        return FirstMonospaceFamily();
    return DefaultFontName();
}
