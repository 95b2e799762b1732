#pragma once

// The error log's memo on a shown form, as the log shows it (wrapped to its width, coloured by the log's
// styler, DejaVu Sans Mono), and the lines of an encoder error record to fill it with.

#include "controls/memo/encoder_log_styler.h"
#include "controls/memo/vez_memo.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/forms/forms.h"

#include <string>
#include <vector>

// The lines of an encoder error record, a long parameter line among them.
inline const std::vector<std::string>& RecordLines()
{
    static const std::vector<std::string> lines = {
        "//------------------------------------------------------------",
        "Error # 12",
        "Input file: \"/home/user/Videos/holiday clip 2023 (family).mkv\"",
        "Parameters: -i \"/home/user/Videos/holiday clip.mkv\" -c:v libxvid -b:v 1500k -r 25 -vtag XVID "
        "-threads 4 -vf scale=1280:720,setsar=1 -c:a libmp3lame -b:a 128k -ar 44100 -ac 2 -y \"out.avi\"",
        "  Stream #0:0(eng): Video: h264 (High), yuv420p(progressive), 1920x1080 [SAR 1:1 DAR 16:9], 25 fps",
        "  Stream #0:1(eng): Audio: aac (LC), 48000 Hz, stereo, fltp (default)",
        "Unknown encoder 'libxvid'",
        "Error while opening encoder for output stream #0:0 - maybe incorrect parameters",
    };
    return lines;
}

class TLogMemoWindow
{
public:
    static constexpr int Width = 807;
    static constexpr int Height = 409;

    explicit TLogMemoWindow(bool readOnly)
    {
        form_ = new TForm(Application);
        form_->SetBounds(0, 0, Width + 13, Height + 51);
        auto* styler = new TVezPascalMemoStyler(form_);
        SetUpEncoderLogStyler(*styler);
        memo_ = new TVezMemo(form_);
        memo_->SetParent(form_);
        memo_->SetBounds(0, 0, Width, Height);
        memo_->SetReadOnly(readOnly);
        memo_->Gutter()->SetVisible(false);
        memo_->SetSyntaxStyles(styler);
        TFont font;
        font.SetName("DejaVu Sans Mono");
        font.SetSize(9);
        memo_->SetFont(&font);
        memo_->SetWordWrap(wwClientWidth);
        memo_->Lines()->Clear();
        form_->Show();
        Application->ProcessMessages();
    }
    ~TLogMemoWindow() { form_->Free(); }
    TLogMemoWindow(const TLogMemoWindow&) = delete;
    TLogMemoWindow& operator=(const TLogMemoWindow&) = delete;

    TVezMemo& Memo() { return *memo_; }

private:
    TForm* form_;
    TVezMemo* memo_;
};
