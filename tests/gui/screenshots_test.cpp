#include "gui_driver.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

// A picture that cannot be written fails the test that saves it, instead of going missing unnoticed.
TEST(Screenshots, APictureThatCannotBeWrittenFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(SaveScreenshot(TBitmap(), "empty_picture"), "could not be saved");
    EXPECT_NONFATAL_FAILURE(SaveScreenshot(TBitmap(4, 4), "no_such_folder/picture"), "could not be saved");
}
