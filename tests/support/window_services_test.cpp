#include "support/window_services.h"

#include <gtest/gtest.h>

namespace {

class FakeWindowServices : public IWindowServices
{
public:
    int ShowMsgBox(const std::string& text, const std::string& caption, TWindowHandle owner,
                   unsigned flags) override
    {
        shown.push_back({text, caption, owner, flags});
        return answer;
    }
    bool SetWindowTopmost(TWindowHandle window, bool topmost) override
    {
        topmostCalls.push_back({window, topmost});
        return true;
    }

    struct Box
    {
        std::string text, caption;
        TWindowHandle owner;
        unsigned flags;
    };
    std::vector<Box> shown;
    std::vector<std::pair<TWindowHandle, bool>> topmostCalls;
    int answer = IDNO;
};

class InstalledWindowServices : public testing::Test
{
protected:
    void SetUp() override { SetWindowServices(&fake); }
    void TearDown() override { SetWindowServices(nullptr); }

    FakeWindowServices fake;
    int owner = 0;
};

TEST_F(InstalledWindowServices, BoxesReachTheProviderWithTheirFlags)
{
    EXPECT_EQ(ShowMsgBox("text", "caption", &owner, MB_OKCANCEL | MB_TOPMOST), IDNO);
    ShowWarningBox("Directory \"x\" does not exists!", "Warning", &owner);
    EXPECT_EQ(ShowQuestionBox("Overwrite?", "Question", nullptr, MB_YESNO | MB_DEFBUTTON2), IDNO);

    ASSERT_EQ(fake.shown.size(), 3u);
    EXPECT_EQ(fake.shown[0].flags, MB_OKCANCEL | MB_TOPMOST);
    EXPECT_EQ(fake.shown[0].owner, &owner);
    EXPECT_EQ(fake.shown[1].flags, MB_OK | MB_ICONWARNING);
    EXPECT_EQ(fake.shown[1].text, "Directory \"x\" does not exists!");
    EXPECT_EQ(fake.shown[1].caption, "Warning");
    EXPECT_EQ(fake.shown[2].flags, MB_YESNO | MB_DEFBUTTON2 | MB_ICONQUESTION);
}

TEST_F(InstalledWindowServices, TopmostSwitchReachesTheProvider)
{
    EXPECT_TRUE(SetWindowTopmost(&owner, false));
    ASSERT_EQ(fake.topmostCalls.size(), 1u);
    EXPECT_EQ(fake.topmostCalls[0], (std::pair<TWindowHandle, bool>{&owner, false}));
}

TEST(WindowServicesAbsent, BoxesGoToStandardErrorAndAnswerWithTheDefaultButton)
{
    testing::internal::CaptureStderr();
    EXPECT_EQ(ShowQuestionBox("Overwrite?", "Question", nullptr, MB_YESNO | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Question: Overwrite?\n");
    EXPECT_FALSE(SetWindowTopmost(nullptr, true));

    const std::pair<unsigned, int> cases[] = {
        {MB_OK, IDOK},
        {MB_OKCANCEL | MB_ICONERROR, IDOK},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, IDRETRY},
        {MB_CANCELTRYCONTINUE | MB_DEFBUTTON3, IDCONTINUE},
        {MB_RETRYCANCEL | MB_DEFBUTTON4, IDRETRY}, // no fourth button: the first
    };
    for (const auto& [flags, answer] : cases)
        EXPECT_EQ(DefaultMsgBoxAnswer(flags), answer) << std::hex << flags;
}

} // namespace
