// What the progress window shows of a run: the calls the run makes through the run host, passed on by the
// main window.

#include "controls/edits/markup_label.h"
#include "controls/edits/progress_bar.h"
#include "controls/memo/memo_strings.h"
#include "controls/memo/vez_memo.h"
#include "engine/forms/form_progress.h"
#include "engine/forms/window_routines.h"
#include "platform/gui/standard/stdctrls_buttons.h"
#include "platform/gui/standard/stdctrls_labels.h"
#include "platform/gui/windows/actions.h"

#include <algorithm>

void TFormProgress::ShowProgressWindow()
{
    Show();
}

void TFormProgress::SetProgressCaption(const std::string& caption)
{
    SetCaption(caption);
}

void TFormProgress::SetAbortCaption(const std::string& caption)
{
    SetCtrlText(*actAbort, caption, false);
}

void TFormProgress::SetProgressBarVisible(bool visible)
{
    lblProgress->SetVisible(visible);
    pbFile->SetVisible(visible);
}

void TFormProgress::SetProgressPosition(int position)
{
    pbFile->SetPosition(position);
}

void TFormProgress::SetInputFileText(const std::string& text)
{
    SetCtrlText(*lblInputFile, text);
}

void TFormProgress::SetOutputFileMarkup(const std::string& markup)
{
    SetCtrlText(*lblOutputFile, markup);
}

void TFormProgress::SetStatusMarkup(const std::string& markup)
{
    SetCtrlText(*lblStatus, markup);
}

void TFormProgress::SetStatusColor(TColor color)
{
    lblStatus->Font()->SetColor(color);
}

bool TFormProgress::IsEncoderOutputHidden()
{
    return chHideEncoderOutput->Checked();
}

void TFormProgress::ShowMemoLines(const std::vector<std::string>& lines, size_t firstChanged)
{
    TVezMemoStrings& shown = *me->Lines();
    if (FMemoText)
        firstChanged = 0;
    FMemoText.reset();
    // A change scrolls the memo to its caret: the memo stays where it was (where the user scrolled to, or at
    // its end when it follows the output).
    const int topLine = me->TopLine();
    size_t held = static_cast<size_t>(shown.Count());
    const size_t kept = std::min(held, lines.size());
    // A rewritten line (the encoder's progress line) is replaced in place, and only when its text changed,
    // so that the memo repaints what changed and nothing else.
    for (size_t row = std::min(firstChanged, kept); row < kept; ++row) {
        const int index = static_cast<int>(row);
        if (shown.Get(index) != lines[row])
            shown.Put(index, lines[row]);
    }
    while (held > lines.size())
        shown.Delete(static_cast<int>(--held));
    for (size_t row = held; row < lines.size(); ++row)
        shown.Add(lines[row]);
    me->SetTopLine(std::min(topLine, std::max(0, shown.Count() - me->VisibleLineCount())));
}

void TFormProgress::ShowMemoText(const std::string& text)
{
    // The run repeats its "please wait" for every output line while the output is hidden.
    if (FMemoText == text)
        return;
    me->Lines()->SetText(text);
    FMemoText = text;
}

void TFormProgress::ScrollMemoToBottom()
{
    me->SetTopLine(std::max(0, me->Lines()->Count() - me->VisibleLineCount()));
}
