#include "platform/system/boolean_text.h"
#include "support/errors.h"
#include "support/format_settings.h"

#include <gtest/gtest.h>

TEST(BooleanText, WordsAndNumbers)
{
    EXPECT_EQ(BoolToStr(true), "True");
    EXPECT_EQ(BoolToStr(false), "False");
    for (const char* text : {"True", "TRUE", "tRuE", "1", "-1", "2.5"})
        EXPECT_TRUE(StrToBool(text)) << text;
    for (const char* text : {"False", "false", "0", "0.0"})
        EXPECT_FALSE(StrToBool(text)) << text;
    for (const char* text : {"", "yes", "T", "true!", "0,5"})
        EXPECT_THROW(StrToBool(text), EConvertError) << text;

    TFormatSettings comma;
    comma.DecimalSeparator = ",";
    TFormatSettingsGuard guard(comma);
    EXPECT_TRUE(StrToBool("0,5"));
    bool value = true;
    EXPECT_FALSE(TryStrToBool("0.5", value));
    EXPECT_TRUE(value);
}
