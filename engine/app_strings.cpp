#include "engine/app_strings.h"

#include "platform/system/mem_ini_file.h"

#include <filesystem>

std::unique_ptr<TAppStrings> AppStrings;

TAppStrings::TAppStrings()
{
    SetEN();
}

void TAppStrings::SetEN()
{
    for (const TAppStringField& field : AppStringFields())
        field.Text(*this) = field.English;
    LanguageName = "English";
}

void TAppStrings::LoadFromFile(const std::string& fileName)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error))
        return;
    const TMemIniFile ini(fileName);
    LanguageName = ini.ReadString(std::string(LangInfoSection), std::string(LangNameInEnglishKey), "");
    for (const TAppStringField& field : AppStringFields()) {
        std::string& text = field.Text(*this);
        text = ini.ReadString(std::string(field.Section), std::string(field.Key), text);
    }
    // The output folder's caption is shown with a colon of its own.
    std::erase(Main.OutputDir, ':');
}
