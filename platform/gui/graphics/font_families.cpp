#include "platform/gui/graphics/font_families.h"

#include "support/utf8.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <algorithm>
#include <map>
#include <mutex>

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

bool IsFontInstalled(const std::string& family)
{
    static std::mutex lock;
    static std::map<std::string, bool> known;
    const std::string key = Utf8LowerCase(family);
    std::lock_guard guard(lock);
    if (const auto found = known.find(key); found != known.end())
        return found->second;
    const bool installed = QFontDatabase::hasFamily(QString::fromStdString(family));
    known[key] = installed;
    return installed;
}

std::string ResolveFontFamily(const std::string& family, bool fixedPitch)
{
    if (!family.empty() && IsFontInstalled(family))
        return family;
    if (fixedPitch || IsKnownMonospaceFace(family))
        return FirstMonospaceFamily();
    return DefaultFontName();
}
