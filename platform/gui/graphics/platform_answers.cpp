#include "platform/gui/graphics/platform_answers.h"

#include "platform/gui/graphics/theme.h"

namespace {

std::optional<TPlatformAnswers>& Override()
{
    static std::optional<TPlatformAnswers> answers;
    return answers;
}

} // namespace

bool TPlatformAnswers::VisualStylesEnabled() const
{
    return VisualStyles.value_or(ThemesEnabled());
}

const TPlatformAnswers& PlatformAnswers()
{
    static const TPlatformAnswers desktop;
    return Override() ? *Override() : desktop;
}

void SetPlatformAnswers(std::optional<TPlatformAnswers> answers)
{
    Override() = std::move(answers);
}
