#pragma once

#include "engine/forms/window_looks.h"
#include "platform/gui/forms/forms.h"

#include <string>

class TAction;
class TActionList;
class TKvpPanel;
class TKvpPngButton;
class TMemo;

// The tools information window: the report on the encoder executable and the MediaInfo library the program
// uses, in the monospace font, read-only, selectable as a whole. Created once at start by the main window
// (its owner); the main window's Tools info command fills and shows it.
class TFormToolsInfo : public TForm
{
public:
    // The report's labels are padded to this width.
    static constexpr int ReportLabelWidth = 18;

    TFormToolsInfo(TComponent* owner, const TWindowLooks& looks);

    // The Tools info command: the report for the tools the program would use now, shown.
    void ShowToolsReport();
    // Puts the report into the memo and shows the window without waiting.
    void ShowReport(const std::string& report);

    void SetLang();
    void actCloseExecute(TObject* sender);
    void actEscExecute(TObject* sender);
    void actSelectAllExecute(TObject* sender);

    TMemo* Memo() const { return me; }

private:
    TMemo* me = nullptr;
    TKvpPanel* pnBottom = nullptr;
    TKvpPngButton* btnClose = nullptr;
    TActionList* Actions = nullptr;
    TAction* actEsc = nullptr;
    TAction* actClose = nullptr;
    TAction* actSelectAll = nullptr;
};
