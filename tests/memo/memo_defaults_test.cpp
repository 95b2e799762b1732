#include "controls/memo/vez_memo.h"
#include "gui_driver.h"

#include <gtest/gtest.h>

TEST(MemoDefaults, NewMemoHasOneEmptyLine)
{
    TForm* form = ShowTestForm(400, 300);
    auto* memo = new TVezMemo(form);
    EXPECT_EQ(memo->Lines()->Count(), 1);
    form->Free();
}
