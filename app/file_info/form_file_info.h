#pragma once

#include "engine/app_strings.h"
#include "engine/forms/window_looks.h"
#include "engine/media_info_records.h"
#include "platform/gui/forms/forms.h"

#include <string>
#include <vector>

class TAction;
class TActionList;
class TDataGrid;
class TGxHeaderPanel;
class TGxTextColumn;
class TKvpLinkLabel;
class TKvpPanel;
class TKvpPngButton;
class TLabel;
class TPanel;
class TSaveDialog;
class TVezComboBox;

// The media information window: what the encoder's report and the MediaInfo library know about one file
// of the file list. General facts, one chosen video stream and one chosen audio stream, the encoder's list
// of streams, and a text report the user copies or saves beside the media file. Created once at start by
// the main window (its owner), which fills it with UpdateList while it is shown and the selected file
// changes; hidden on Esc and shown again and again, never modal.
//
// The window keeps no record: what it shows lives in its labels and grid, and a stream choice, a copy and
// a save analyse the file again under the name its link labels show.
class TFormFileInfo : public TForm
{
public:
    TFormFileInfo(TComponent* owner, const TWindowLooks& looks);
    ~TFormFileInfo() override;

    // Shows the record with the audio and video streams of those numbers (counted from 1; a negative
    // number counts as 1). A number without a described stream leaves that stream's values empty.
    void UpdateList(const TVideoFileInfo& vfi, int AudioStreamNo, int VideoStreamNo);
    // Empties every value, the stream list and the choosers; Copy and Save are disabled until the next fill.
    void ClearAll();
    // The report on the shown file, analysed afresh.
    std::string GetInfoAsText();
    // Applies the string table's texts (at creation and after a language change).
    void SetLang();
    // The stream list's selection colours follow those of the main window's file list.
    void TakeSelectionColors(const TDataGrid& fileList);

    // The shown file's full name, rebuilt from the link labels ("/" when nothing is shown).
    std::string ShownFileName() const;
    // The value shown beside a description of the three blocks (&TFileInfoModuleStrings::lblDuration, ...).
    std::string ShownValue(std::string TFileInfoModuleStrings::*description) const;

    // The commands of the window's buttons and keys, and the stream choosers' changes.
    void actCopyToClipboardExecute(TObject* sender);
    void actSaveExecute(TObject* sender);
    void actCloseExecute(TObject* sender);
    void actEscExecute(TObject* sender);
    void cbAudioStreamNoChange(TObject* sender);
    void cbVideoStreamNoChange(TObject* sender);

    TKvpLinkLabel* FileNameLink() const { return lblFileName; }
    TKvpLinkLabel* DirectoryLink() const { return lblDirectory; }
    TVezComboBox* VideoStreamChooser() const { return cbVideoStreamNo; }
    TVezComboBox* AudioStreamChooser() const { return cbAudioStreamNo; }
    TDataGrid* StreamGrid() const { return ng; }
    TAction* CopyAction() const { return actCopyToClipboard; }
    TAction* SaveAction() const { return actSave; }
    TLabel* VideoCodecLabel() const { return lblVideoCodec; }
    TLabel* AudioCodecLabel() const { return lblAudioCodec; }

private:
    // A description label and the value label beside it.
    struct TInfoRow
    {
        std::string TFileInfoModuleStrings::*Description;
        TLabel* DescLabel = nullptr;
        TLabel* ValueLabel = nullptr;
    };

    void CreateActions();
    void CreateFilePanel();
    void CreateGeneralPanel();
    void CreateStreamPanels();
    void CreateDataStreamGrid();
    void CreateBottomPanel(const TWindowLooks& looks);
    TGxHeaderPanel* AddHeaderPanel(TWinControl* parent, TAlign align, int height);
    TLabel* AddLabel(TWinControl* parent, int left, int top, int width);
    // Rows of labels in a column of the panel, one per description.
    void AddInfoRows(TWinControl* parent, std::vector<TInfoRow>& rows,
                     std::initializer_list<std::string TFileInfoModuleStrings::*> descriptions, int descLeft,
                     int valueLeft, int valueWidth);
    void FillStreamChooser(TVezComboBox& chooser, size_t streamCount, int streamNo);
    void ShowFileName(const std::string& fileName);
    // The texts into the rows' value labels, in the rows' order (one text per row).
    static void ShowValues(const std::vector<TInfoRow>& rows,
                           std::initializer_list<const std::string*> values);
    void ShowGeneralInfo(const TVideoFileInfo& vfi);
    void ShowVideoStream(const TVideoFileInfo& vfi, int VideoStreamNo);
    void ShowAudioStream(const TVideoFileInfo& vfi, int AudioStreamNo);
    void ShowDataStreams(const TVideoFileInfo& vfi);
    void StreamChosen();
    TVideoFileInfo AnalyseShownFile() const;
    void ngCellFormating(int ACol, int ARow, TColor& TextColor);
    void ngDrawCellBackground(int ACol, int ARow, const TRect& CellRect, bool& DefaultDrawing);
    // The Details text of a row of the stream list; empty for a row or column outside it.
    std::string DetailsText(int ACol, int ARow) const;

    std::vector<TInfoRow> FGeneralRows;
    std::vector<TInfoRow> FVideoRows;
    std::vector<TInfoRow> FAudioRows;

    TPanel* pnTop = nullptr;
    TLabel* lblFileNameDesc = nullptr;
    TKvpLinkLabel* lblFileName = nullptr;
    TLabel* lblDirectoryDesc = nullptr;
    TKvpLinkLabel* lblDirectory = nullptr;
    TGxHeaderPanel* pnGeneralInfo = nullptr;
    TPanel* pnStreams = nullptr; // the band of the video and audio stream panels
    TGxHeaderPanel* pnVideoStream = nullptr;
    TGxHeaderPanel* pnAudioStream = nullptr;
    TVezComboBox* cbVideoStreamNo = nullptr;
    TVezComboBox* cbAudioStreamNo = nullptr;
    TLabel* lblVideoCodec = nullptr;
    TLabel* lblAudioCodec = nullptr;
    TGxHeaderPanel* pnDataStreams = nullptr;
    TDataGrid* ng = nullptr;
    TGxTextColumn* colStreamNo = nullptr;
    TGxTextColumn* colStreamInfo = nullptr;
    TKvpPanel* pnBottom = nullptr;
    TKvpPngButton* btnCopy = nullptr;
    TKvpPngButton* btnSave = nullptr;
    TKvpPngButton* btnClose = nullptr;
    TActionList* Actions = nullptr;
    TAction* actEsc = nullptr;
    TAction* actClose = nullptr;
    TAction* actSave = nullptr;
    TAction* actCopyToClipboard = nullptr;
    TSaveDialog* dlgSave = nullptr;
};
