#include "platform/gui/core/locale_compare.h"

#include <QCollator>
#include <QLocale>
#include <QString>

#include <memory>

namespace {

// One collator per case rule for the chosen locale, made again when the locale changes.
struct TCollators
{
    std::string localeName;
    QCollator caseSensitive;
    QCollator caseInsensitive;

    explicit TCollators(const std::string& name)
        : localeName(name), caseSensitive(Locale(name)), caseInsensitive(Locale(name))
    {
        caseSensitive.setCaseSensitivity(Qt::CaseSensitive);
        caseInsensitive.setCaseSensitivity(Qt::CaseInsensitive);
    }

    static QLocale Locale(const std::string& name)
    {
        return name.empty() ? QLocale::system() : QLocale(QString::fromStdString(name));
    }
};

std::string& ChosenLocale()
{
    static std::string name;
    return name;
}

TCollators& Collators()
{
    static std::unique_ptr<TCollators> collators;
    if (!collators || collators->localeName != ChosenLocale())
        collators = std::make_unique<TCollators>(ChosenLocale());
    return *collators;
}

int Compare(const QCollator& collator, std::string_view a, std::string_view b)
{
    const int result = collator.compare(QString::fromUtf8(a.data(), static_cast<qsizetype>(a.size())),
                                        QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size())));
    return result < 0 ? -1 : result > 0 ? 1 : 0;
}

} // namespace

int LocaleCompareStr(std::string_view a, std::string_view b)
{
    return Compare(Collators().caseSensitive, a, b);
}

int LocaleCompareText(std::string_view a, std::string_view b)
{
    return Compare(Collators().caseInsensitive, a, b);
}

void SetCollationLocale(const std::string& name)
{
    ChosenLocale() = name;
}
