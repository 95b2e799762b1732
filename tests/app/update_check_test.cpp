#include "errors_window_fixture.h"

#include "app/check_update/form_check_update.h"
#include "app/model/update_check.h"
#include "https_test_server.h"
#include "manual_clock.h"
#include "platform/gui/standard/memo.h"
#include "platform/gui/standard/stdctrls_labels.h"
#include "platform/gui/windows/actions.h"
#include "platform/gui/windows/timers.h"
#include "recording_shell.h"

#include <chrono>
#include <thread>

namespace {

TEST(VersionComparison, ComparesNumberByNumber)
{
    using std::strong_ordering;
    struct Case
    {
        const char* a;
        const char* b;
        strong_ordering expected;
    };
    const Case cases[] = {
        {"1.10", "1.10", strong_ordering::equal},
        {"1.11", "1.10", strong_ordering::greater},
        {"2.0", "1.10", strong_ordering::greater},
        {"10.0", "1.10", strong_ordering::greater},
        {"1.9", "1.10", strong_ordering::less},
        {"1.10.0", "1.10", strong_ordering::equal},
        {"1.10.1", "1.10", strong_ordering::greater},
        {"01.010", "1.10", strong_ordering::equal},
        {" 1.10 ", "1.10", strong_ordering::equal},
        {"99999999999999999999.1", "1.10", strong_ordering::greater},
        {"0.99", "1", strong_ordering::less},
    };
    for (const Case& c : cases) {
        const auto order = CompareVersions(c.a, c.b);
        ASSERT_TRUE(order.has_value()) << c.a;
        EXPECT_TRUE(*order == c.expected) << c.a << " against " << c.b;
    }
    for (const char* notVersion : {"", "latest", "1..2", "1.", ".1", "v1.2", "1.2a", "1,10", "1 .2", "-1.0"})
        EXPECT_FALSE(CompareVersions(notVersion, "1.10").has_value()) << '"' << notVersion << '"';
}

TEST(VersionReply, IsJudgedAgainstTheProgramsVersion)
{
    struct Case
    {
        const char* reply;
        TUpdateVerdict verdict;
        const char* lastVersion;
    };
    const Case cases[] = {
        {"[VersionInfo]\r\nLastVersion=1.11\r\nReleaseDate=2026-05-01", TUpdateVerdict::UpdateAvailable,
         "1.11"},
        {"[versioninfo]\nlastversion=10.0", TUpdateVerdict::UpdateAvailable, "10.0"},
        {"[VersionInfo]\nLastVersion=1.10", TUpdateVerdict::NoUpdates, "1.10"},
        {"[VersionInfo]\nLastVersion=1.9", TUpdateVerdict::NoUpdates, "1.9"},
        {"[VersionInfo]\nLastVersion=soon", TUpdateVerdict::CannotCheck, ""},
        {"[VersionInfo]\nLastVersion=", TUpdateVerdict::CannotCheck, ""},
        {"LastVersion=2.0", TUpdateVerdict::CannotCheck, ""},
        {"<html><body>Moved</body></html>", TUpdateVerdict::CannotCheck, ""},
    };
    for (const Case& c : cases) {
        const TUpdateJudgement judgement = JudgeVersionReply(c.reply, "1.10");
        EXPECT_EQ(judgement.Verdict, c.verdict) << c.reply;
        EXPECT_EQ(judgement.File.LastVersion, c.lastVersion) << c.reply;
    }
    EXPECT_EQ(
        JudgeVersionReply("[VersionInfo]\nLastVersion=2.0\nReleaseDate= May 2026 ", "1.10").File.ReleaseDate,
        "May 2026");
    EXPECT_EQ(VersionReplyText(std::string("\r\n[VersionInfo]\nLastVersion=2.0\0garbage", 37)),
              "[VersionInfo]\nLastVersion=2.0");
    EXPECT_EQ(VersionReplyText("a\xff"), "a\xef\xbf\xbd");
}

// Runs the message loop until the condition holds; a test that waits longer than the deadline fails
// instead of hanging.
bool PumpUntil(const std::function<bool()>& condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        Pump();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

const std::string DownloadPage = "https://example.org/download";

class UpdateCheckWindow : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!Server.Ready())
            GTEST_SKIP() << "no openssl program to make the server's certificate";
        Source.VersionFileUrl = Server.Url("/ver.ini");
        Source.DownloadPageUrl = DownloadPage;
        Source.Options.ExtraCaCertificatesPem = Server.CaCertificatePem();
    }
    void TearDown() override
    {
        if (Form)
            Form->Free();
    }
    TFormCheckUpdate& Make()
    {
        Form = new TFormCheckUpdate(Templates.Owner, Templates.Looks, Source);
        Form->Show();
        Pump();
        return *Form;
    }
    // Check now, and the message loop run until the verdict is in.
    void CheckNow()
    {
        Form->CheckNowAction()->Execute();
        ASSERT_TRUE(PumpUntil([this] { return !Form->Checking(); })) << "no verdict in time";
    }
    // The box's lines, each ended by LF.
    std::string Status() const
    {
        std::string text;
        for (int i = 0; i < Form->StatusBox()->Lines()->Count(); ++i)
            text += Form->StatusBox()->Lines()->Strings(i) + "\n";
        return text;
    }
    // The first line of the box.
    std::string Message() const { return Form->StatusBox()->Lines()->Strings(0); }

    TManualClock Clock;
    TTemplateLooks Templates;
    THttpsTestServer Server;
    TUpdateCheckSource Source = ProgramUpdateCheckSource();
    TFormCheckUpdate* Form = nullptr;
};

TEST_F(UpdateCheckWindow, ShowsTheVerdictOnTheServersReply)
{
    struct Case
    {
        const char* name;
        THttpsTestServer::Route route;
        std::string status; // the box's text, lines joined by LF
        TStatusColors TFormCheckUpdate::*colors;
        const char* latest;
        bool download;
    };
    const std::string failed = "Can not connect to the server.\nPlease try again in a few minutes.\n";
    const std::string cannot =
        "Unable to retrieve version information.\nPlease try again in a few minutes.\n";
    const std::string none = "No updates available.\nYou have the latest version.\n";
    // Comment lines past the size limit: the keys behind them are never read.
    const std::string padding(20000, ';');
    const Case cases[] = {
        {"newer",
         {200, "[VersionInfo]\r\nLastVersion=2.0\r\nReleaseDate=2026-05-01\r\n"},
         "A new version is available.\n\nLatest version: 2.0\nRelease date: 2026-05-01\n",
         &TFormCheckUpdate::StatusUpdateAvailable,
         "2.0",
         true},
        {"equal",
         {200, "[VersionInfo]\r\nLastVersion=1.10\r\n"},
         none,
         &TFormCheckUpdate::StatusNoUpdates,
         "1.10",
         false},
        {"older",
         {200, "[VersionInfo]\nLastVersion=1.9\n"},
         none,
         &TFormCheckUpdate::StatusNoUpdates,
         "1.9",
         false},
        {"not a version",
         {200, "[VersionInfo]\nLastVersion=<b>soon</b>\n"},
         cannot,
         &TFormCheckUpdate::StatusFailed,
         "",
         false},
        {"error page",
         {404, "[VersionInfo]\nLastVersion=9.0\n"},
         failed,
         &TFormCheckUpdate::StatusFailed,
         "",
         false},
        {"empty", {200, ""}, failed, &TFormCheckUpdate::StatusFailed, "", false},
        {"oversize",
         {200, padding + "\n[VersionInfo]\nLastVersion=9.0\n"},
         cannot,
         &TFormCheckUpdate::StatusFailed,
         "",
         false},
    };
    TFormCheckUpdate& form = Make();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Server.Routes["/ver.ini"] = c.route;
        CheckNow();
        EXPECT_EQ(Status(), c.status);
        const TStatusColors expected = form.*c.colors;
        EXPECT_EQ(form.StatusBox()->Color(), expected.Background);
        EXPECT_EQ(form.StatusBox()->Font()->Color(), expected.Font);
        EXPECT_EQ(form.LatestVersionLabel()->Caption(), c.latest);
        EXPECT_EQ(form.DownloadAction()->Visible(), c.download);
        EXPECT_TRUE(form.CheckNowAction()->Enabled());
        if (std::string(c.name) == "newer") {
            SaveScreenshot(*Render(&form), "check_update_window");
            TRecordingShell shell;
            form.DownloadAction()->Execute();
            EXPECT_EQ(shell.Calls, std::vector<std::string>{"open " + DownloadPage});
        }
    }
}

TEST_F(UpdateCheckWindow, AsksNoServerWithoutASecureAddress)
{
    THttpsTestServer plain(THttpsTestServer::Scheme::Http);
    plain.Routes["/ver.ini"] = {200, "[VersionInfo]\nLastVersion=2.0\n"};
    for (const std::string& address : {std::string(), plain.Url("/ver.ini")}) {
        SCOPED_TRACE(address);
        Source.VersionFileUrl = address;
        if (Form)
            Form->Free();
        TFormCheckUpdate& form = Make();
        form.CheckNowAction()->Execute();
        EXPECT_FALSE(form.Checking());
        EXPECT_EQ(Message(), "Can not connect to the server.");
        EXPECT_EQ(form.StatusBox()->Color(), form.StatusFailed.Background);
    }
    Pump();
    EXPECT_EQ(plain.RequestsSeen(), 0);
}

TEST_F(UpdateCheckWindow, RefusesAServerItCannotTrust)
{
    Source.Options.ExtraCaCertificatesPem.clear();
    Server.Routes["/ver.ini"] = {200, "[VersionInfo]\nLastVersion=2.0\n"};
    Make();
    CheckNow();
    EXPECT_EQ(Message(), "Can not connect to the server.");
    EXPECT_FALSE(Form->DownloadAction()->Visible());
}

TEST_F(UpdateCheckWindow, StaysResponsiveWhileTheServerIsSilentAndGivesUpInTime)
{
    Server.Routes["/ver.ini"] = {200, "", true};
    TFormCheckUpdate& form = Make();
    int ticks = 0;
    TTimer ticker(nullptr);
    ticker.SetInterval(100);
    ticker.OnTimer = [&](TObject*) { ++ticks; };
    ticker.UpdateTimer();

    form.CheckNowAction()->Execute();
    // The command returned at once: the check waits in the background.
    EXPECT_TRUE(form.Checking());
    EXPECT_FALSE(form.CheckNowAction()->Enabled());
    EXPECT_EQ(Message(), "Checking available updates.");
    ASSERT_TRUE(PumpUntil([&] { return Server.RequestsSeen() == 1; }));
    Clock.Advance(14000);
    EXPECT_EQ(ticks, 140);
    Press(&form, "Esc");
    Pump();
    EXPECT_FALSE(form.Visible()) << "the window takes keys while it waits";
    EXPECT_TRUE(form.Checking());

    Clock.Advance(1000);
    EXPECT_FALSE(form.Checking());
    EXPECT_EQ(Message(), "Can not connect to the server.");
    EXPECT_TRUE(form.CheckNowAction()->Enabled());
}

TEST_F(UpdateCheckWindow, TheTimerStartsTheCheckOnce)
{
    Server.Routes["/ver.ini"] = {200, "[VersionInfo]\nLastVersion=1.10\n"};
    TFormCheckUpdate& form = Make();
    form.tmCheckUpdate->SetEnabled(true);
    Clock.Advance(999);
    EXPECT_FALSE(form.Checking());
    Clock.Advance(1);
    EXPECT_TRUE(form.Checking());
    EXPECT_FALSE(form.tmCheckUpdate->Enabled());
    ASSERT_TRUE(PumpUntil([&] { return !form.Checking(); }));
    EXPECT_EQ(Message(), "No updates available.");
    EXPECT_EQ(Server.RequestsSeen(), 1);

    // Clearing drops the status and a check under way.
    Server.Routes["/ver.ini"].Silent = true;
    form.CheckNowAction()->Execute();
    form.ClearStatus();
    EXPECT_FALSE(form.Checking());
    EXPECT_EQ(Status(), "");
    EXPECT_TRUE(form.CheckNowAction()->Enabled());
}

} // namespace
