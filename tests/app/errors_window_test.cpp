#include "errors_window_fixture.h"

#include "controls/memo/vez_memo.h"
#include "engine/app_params.h"
#include "engine/conversion_run.h"
#include "engine/fake_file_list.h"
#include "engine/fake_run_host.h"
#include "engine/run_state.h"
#include "engine/test_media.h"
#include "platform/gui/services/dialogs.h"
#include "scripted_file_dialogs.h"
#include "support/text_file_encoding.h"
#include "support/window_services.h"

#include <filesystem>
#include <fstream>
#include <stdlib.h>
#include <time.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view Bom = "\xEF\xBB\xBF";

// A run host whose error-window calls reach the window, as the main window forwards them.
class TErrorWindowHost : public FakeRunHost
{
public:
    explicit TErrorWindowHost(TFormErrors& form) : form_(form) {}
    IErrorLogSink& ErrorLog() override { return form_.ErrorLog(); }
    void SetErrorWindowCaption(const std::string& caption) override { form_.SetErrorWindowCaption(caption); }
    void ShowErrorWindow() override { form_.ShowErrorWindow(); }

private:
    TFormErrors& form_;
};

// Message boxes answered as told while the object lives; their texts are kept.
class TAnsweredBoxes : public IWindowServices
{
public:
    explicit TAnsweredBoxes(int answer) : answer_(answer), previous_(GetWindowServices())
    {
        SetWindowServices(this);
    }
    ~TAnsweredBoxes() override { SetWindowServices(previous_); }
    TAnsweredBoxes(const TAnsweredBoxes&) = delete;
    TAnsweredBoxes& operator=(const TAnsweredBoxes&) = delete;

    int ShowMsgBox(const std::string& text, const std::string&, TWindowHandle, unsigned) override
    {
        Texts.push_back(text);
        return answer_;
    }
    bool SetWindowTopmost(TWindowHandle, bool) override { return true; }

    std::vector<std::string> Texts;

private:
    int answer_;
    IWindowServices* previous_;
};

bool Holds(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The page without its tags: the text as it stands in the file, escapes and all.
std::string TextOfHtml(const std::string& html)
{
    std::string text;
    bool inTag = false;
    for (const char c : html) {
        if (c == '<' || c == '>')
            inTag = c == '<';
        else if (!inTag)
            text += c;
    }
    return text;
}

class ErrorsWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Dir = test_media::SetUpProgramFolder("qm_errors");
        ASSERT_FALSE(Dir.empty());
        Form = new TFormErrors(Templates.Owner, Templates.Looks);
    }
    void TearDown() override
    {
        Form->Free();
        fs::remove_all(Dir);
    }

    // Saves the log through the dialog, answered with the typed name and the filter.
    void SaveAs(const std::string& typedName, int filterIndex)
    {
        Dialogs.fileAnswers.push_back(TFileDialogAnswer{{typedName}, filterIndex});
        Form->actSaveLogExecute(nullptr);
    }
    // The author's lines of the log (wrapped rows joined), as the log saves them.
    std::vector<std::string> LogLines() const
    {
        Form->Memo()->Lines()->SaveToFile(Dir + "/lines.txt", TTextEncoding::Default);
        const std::string text = test_media::ReadAll(Dir + "/lines.txt");
        std::vector<std::string> lines;
        for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }
    void AddRecord(const std::string& inputFile)
    {
        AddErrorRecord(Form->ErrorLog(), "Unknown encoder 'libxvid'\nInvalid argument", inputFile,
                       Dir + "/out.avi", 1, "-c:v libxvid");
    }

    TTemplateLooks Templates;
    TScriptedFileDialogs Dialogs;
    TFormErrors* Form = nullptr;
    std::string Dir;
};

} // namespace

// The encoder failing on two files: their records fill the log, the caption counts them and the window
// shows itself, coloured as encoder output.
TEST_F(ErrorsWindow, FailedFilesOfARunFillTheLog)
{
    FakeFileList files;
    for (const std::string name : {"not a video.mkv", "broken & <odd>.mkv"}) {
        std::ofstream(Dir + "/" + name) << "no media here";
        files.Add(Dir + "/" + name);
    }
    RunOptions options;
    options.OutDirIsInDir = true;
    TErrorWindowHost host(*Form);
    TConversionRun run(host, files, DefaultEncoderSettings(0), options, DefaultBuilderEnvironment());
    run.Execute();

    EXPECT_EQ(Form->Caption(), "Errors (2)");
    EXPECT_TRUE(Form->Visible());
    const std::vector<std::string> lines = LogLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), ErrorRecordSeparator);
    EXPECT_TRUE(Holds(lines, "Error # 1"));
    EXPECT_TRUE(Holds(lines, "Error # 2"));
    EXPECT_TRUE(Holds(lines, "Input file: \"" + files.Files[1] + "\""));
    // More lines than the window holds, wrapped to its width: the last row ends inside the window.
    EXPECT_GT(lines.size(), 20u);

    Pump();
    const std::unique_ptr<TBitmap> picture = Render(Form);
    SaveScreenshot(*picture, "errors_window_records");
    const TRect log = {0, 0, picture->Width(), picture->Height() - 41};
    EXPECT_GT(CountPixels(*picture, log, 0x353535), 0) << "the separator is drawn as a comment";
    EXPECT_GT(CountPixels(*picture, log, 0xE1E1FF), 0) << "an error word has its background";
}

// Saving: the extension follows the filter, text is UTF-8 with its byte-order mark and CR LF, an empty log
// is the mark alone, and the HTML page escapes what the file names hold.
TEST_F(ErrorsWindow, SaveWritesTheFilterOfTheDialog)
{
    SaveAs(Dir + "/empty.log", 1);
    EXPECT_EQ(test_media::ReadAll(Dir + "/empty.log"), Bom);
    ASSERT_EQ(Dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(Dialogs.fileRequests[0].FileName, TFormErrors::DefaultLogFileName);
    EXPECT_EQ(Dialogs.fileRequests[0].Filter, "Log file|*.log|HTML file (*.html)|*.html");

    Form->ErrorLog().Add("first line");
    Form->ErrorLog().Add("");
    Form->ErrorLog().Add("Stream #0:1: Audio: mp2");
    SaveAs(Dir + "/typed.txt", 1);
    EXPECT_FALSE(fs::exists(Dir + "/typed.txt"));
    EXPECT_EQ(test_media::ReadAll(Dir + "/typed.log"),
              std::string(Bom) + "first line\r\n\r\nStream #0:1: Audio: mp2\r\n");

    AddRecord(Dir + "/<b> & \"c\".mkv");
    SaveAs(Dir + "/typed.txt", 2);
    const std::string html = test_media::ReadAll(Dir + "/typed.html");
    EXPECT_TRUE(html.starts_with(Bom));
    EXPECT_NE(TextOfHtml(html).find("Input file: &quot;" + Dir + "/&lt;b&gt; &amp; &quot;c&quot;.mkv&quot;"),
              std::string::npos)
        << html;
    EXPECT_EQ(html.find("<b>"), std::string::npos);
}

// A name the dialog confirmed but the filter changes names another file: that one is asked about, and
// kept when the user says No.
TEST_F(ErrorsWindow, SaveAsksBeforeReplacingTheFileOfTheChangedName)
{
    std::ofstream(Dir + "/x.log") << "kept";
    std::ofstream(Dir + "/x.html") << "kept";
    Form->ErrorLog().Add("a line");
    {
        TAnsweredBoxes no(IDNO);
        SaveAs(Dir + "/x.txt", 1);
        SaveAs(Dir + "/x", 2);
        EXPECT_EQ(no.Texts.size(), 2u);
        ASSERT_FALSE(no.Texts.empty());
        EXPECT_NE(no.Texts[0].find(Dir + "/x.log"), std::string::npos) << no.Texts[0];
    }
    EXPECT_EQ(test_media::ReadAll(Dir + "/x.log"), "kept");
    EXPECT_EQ(test_media::ReadAll(Dir + "/x.html"), "kept");
    EXPECT_FALSE(fs::exists(Dir + "/x.txt"));
    {
        TAnsweredBoxes yes(IDYES);
        SaveAs(Dir + "/x.txt", 1);
        SaveAs(Dir + "/x.html", 2); // the dialog asked about this very name: no second question
        EXPECT_EQ(yes.Texts.size(), 1u);
    }
    EXPECT_EQ(test_media::ReadAll(Dir + "/x.log"), std::string(Bom) + "a line\r\n");
    EXPECT_NE(test_media::ReadAll(Dir + "/x.html"), "kept");
}

// Clear log empties the view; Esc and Close hide the window, which shows again with its lines.
TEST_F(ErrorsWindow, ClearAndHide)
{
    AddRecord(Dir + "/a.mkv");
    Form->ShowErrorWindow();
    Pump();
    Press(Form->Memo(), "Esc");
    Pump();
    EXPECT_FALSE(Form->Visible());
    Form->ShowErrorWindow();
    Pump();
    EXPECT_TRUE(Form->Visible());
    EXPECT_TRUE(Holds(LogLines(), "Error # 1"));

    TWinControl* panel = Form->BottomPanel();
    ASSERT_EQ(panel->ControlCount(), 3);
    auto* clear = dynamic_cast<TWinControl*>(panel->Controls(0));
    auto* close = dynamic_cast<TWinControl*>(panel->Controls(2));
    EXPECT_EQ(clear->Caption(), "Clear log");
    Click(clear, {10, 10});
    Pump();
    EXPECT_EQ(Form->Memo()->Lines()->Count(), 0);
    Click(close, {10, 10});
    Pump();
    EXPECT_FALSE(Form->Visible());
}
