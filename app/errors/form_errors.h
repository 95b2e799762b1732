#pragma once

#include "engine/error_records.h"
#include "engine/forms/window_looks.h"
#include "platform/gui/forms/forms.h"

#include <string>

class TAction;
class TActionList;
class TKvpPanel;
class TKvpPngButton;
class TPopupMenu;
class TSaveDialog;
class TVezMemo;
class TVezPascalMemoStyler;

// The error log window: the records a conversion run writes when the encoder fails on a file, in a
// read-only, word-wrapped memo coloured for encoder output. The user clears the log, saves it as UTF-8
// text or as HTML, and closes the window. Created once at start by the main window (its owner), hidden
// and shown again and again, never modal. The run reaches it through the main window's run host, whose
// three error-window calls forward to ErrorLog, SetErrorWindowCaption and ShowErrorWindow.
class TFormErrors : public TForm
{
public:
    // The name a save offers first.
    static constexpr const char* DefaultLogFileName = "Quillconv_Errors.log";

    TFormErrors(TComponent* owner, const TWindowLooks& looks);
    ~TFormErrors() override;

    // Where the run writes its records: the memo's lines.
    IErrorLogSink& ErrorLog() { return FLog; }
    // The run's caption: the window's name, with the error count after a run with errors.
    void SetErrorWindowCaption(const std::string& caption) { SetCaption(caption); }
    void ShowErrorWindow() { Show(); }

    // Applies the string table's texts (at creation and after a language change).
    void SetLang();

    // The commands of the window's buttons and keys.
    void actClearLogExecute(TObject* sender);
    void actSaveLogExecute(TObject* sender);
    void actCloseExecute(TObject* sender);
    void actEscExecute(TObject* sender);

    TVezMemo* Memo() const { return me; }
    TKvpPanel* BottomPanel() const { return pnBottom; }

private:
    // The memo's lines as the run's log.
    class TMemoLog : public IErrorLogSink
    {
    public:
        explicit TMemoLog(TFormErrors& form) : form_(form) {}
        void Clear() override;
        void Add(const std::string& line) override;

    private:
        TFormErrors& form_;
    };

    void CreateMemo();
    void FormShow(TObject* sender);
    // Writes the log to fileName: UTF-8 text for the first filter, HTML for the second.
    void SaveLog(const std::string& fileName, int filterIndex);

    TMemoLog FLog{*this};
    TVezMemo* me = nullptr;
    TVezPascalMemoStyler* StylerLight = nullptr;
    TPopupMenu* popFake = nullptr; // empty: a right click on the log shows no menu
    TKvpPanel* pnBottom = nullptr;
    TKvpPngButton* btnClearLog = nullptr;
    TKvpPngButton* btnSaveLog = nullptr;
    TKvpPngButton* btnClose = nullptr;
    TActionList* Actions = nullptr;
    TAction* actEsc = nullptr;
    TAction* actClose = nullptr;
    TAction* actSaveLog = nullptr;
    TAction* actClearLog = nullptr;
    TSaveDialog* dlgSaveLog = nullptr;
};
