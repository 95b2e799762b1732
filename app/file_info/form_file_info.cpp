#include "app/file_info/form_file_info.h"

#include "app/kit/secondary_window_parts.h"
#include "controls/edits/combo_box.h"
#include "controls/grid/column_parts.h"
#include "controls/grid/columns.h"
#include "controls/grid/data_grid.h"
#include "controls/grid/header_panel.h"
#include "controls/grid/text_column.h"
#include "controls/pack/link_label.h"
#include "controls/pack/panel.h"
#include "controls/pack/png_button.h"
#include "engine/forms/window_routines.h"
#include "platform/gui/graphics/font_families.h"
#include "platform/gui/services/dialogs.h"
#include "platform/gui/standard/panels.h"
#include "platform/gui/standard/stdctrls_labels.h"
#include "platform/gui/windows/actions.h"
#include "support/text_routines.h"

// How the media information window is built: its areas from top to bottom, the stream list and the
// bottom panel with its buttons.

namespace {

using S = TFileInfoModuleStrings;

constexpr TColor FileInfoWindowColor = 0xE6E6E6; // RGB 230, 230, 230
constexpr TColor StreamGridLinesColor = 0xE9E9E9;
constexpr TColor VideoCodecColor = 0x0310FC; // RGB 252, 16, 3
constexpr TColor AudioCodecColor = 0x4B7D2B; // RGB 43, 125, 75
constexpr TColor HeaderPanelColor = 0xF4F4F4;

constexpr int FilePanelHeight = 54;
constexpr int GeneralPanelHeight = 132;
constexpr int StreamPanelsHeight = 298;
constexpr int InfoBottomPanelHeight = 36;
constexpr int HeaderHeight = 24;
constexpr int InfoRowHeight = 18;
constexpr int ChooserWidth = 40;
constexpr int LinkFontSize = 9;
constexpr int GridFontSize = 8;
constexpr int InfoButtonFontSize = 9;
constexpr int MaxWidthGrowth = 300;
const char* const LayoutFontName = "Segoe UI";

} // namespace

TFormFileInfo::TFormFileInfo(TComponent* owner, const TWindowLooks& looks) : TForm(owner)
{
    SetUpSecondaryWindow(*this, 693, 626, 0, 0);
    SetColor(FileInfoWindowColor);
    CreateActions();
    CreateBottomPanel(looks);
    CreateFilePanel();
    CreateGeneralPanel();
    CreateStreamPanels();
    CreateDataStreamGrid();
    Constraints()->SetMinWidth(Width());
    Constraints()->SetMinHeight(Height());
    Constraints()->SetMaxWidth(Width() + MaxWidthGrowth);

    dlgSave = new TSaveDialog(this);
    dlgSave->SetDefaultExt("txt");
    dlgSave->SetOptions({ofOverwritePrompt, ofHideReadOnly, ofEnableSizing});
    SetLang();
    ClearAll();
}

TFormFileInfo::~TFormFileInfo() = default;

void TFormFileInfo::CreateActions()
{
    Actions = new TActionList(this);
    actEsc = AddWindowAction(
        *Actions, [this](TObject* s) { actEscExecute(s); }, ShortCut(VK_ESCAPE, {}));
    actClose = AddWindowAction(*Actions, [this](TObject* s) { actCloseExecute(s); });
    actSave = AddWindowAction(*Actions, [this](TObject* s) { actSaveExecute(s); });
    actCopyToClipboard = AddWindowAction(*Actions, [this](TObject* s) { actCopyToClipboardExecute(s); });
}

// The buttons, right-aligned in the order Copy, Save, Close, with the template button's looks.
void TFormFileInfo::CreateBottomPanel(const TWindowLooks& looks)
{
    pnBottom = AddBottomPanel(*this, looks);
    pnBottom->SetHeight(InfoBottomPanelHeight);
    constexpr int buttonHeight = 27, gap = 6, margin = 8;
    const std::pair<TKvpPngButton**, TAction*> buttons[] = {
        {&btnClose, actClose}, {&btnSave, actSave}, {&btnCopy, actCopyToClipboard}};
    const int widths[] = {75, 97, 97};
    int right = pnBottom->ClientWidth() - margin;
    for (size_t i = 0; i < std::size(buttons); ++i) {
        auto* button = new TKvpPngButton(this);
        button->SetParent(pnBottom);
        button->SetBounds(right - widths[i], (InfoBottomPanelHeight - buttonHeight) / 2, widths[i],
                          buttonHeight);
        button->SetAnchors({akTop, akRight});
        button->SetAction(buttons[i].second);
        SetPngButtonFonts(*button, Font()->Name(), InfoButtonFontSize);
        ApplyButtonLooks(*button, looks);
        *buttons[i].first = button;
        right -= widths[i] + gap;
    }
}

TLabel* TFormFileInfo::AddLabel(TWinControl* parent, int left, int top, int width)
{
    auto* label = new TLabel(this);
    label->SetParent(parent);
    label->SetShowAccelChar(false); // names and codec texts may hold "&"
    label->SetAutoSize(false);
    label->SetBounds(left, top, width, InfoRowHeight - 2);
    label->SetTransparent(true);
    label->SetEllipsisPosition(epEndEllipsis);
    return label;
}

void TFormFileInfo::CreateFilePanel()
{
    pnTop = new TPanel(this);
    pnTop->SetParent(this);
    pnTop->SetAlign(alTop);
    pnTop->SetHeight(FilePanelHeight);
    pnTop->SetBevelOuter(bvNone);
    pnTop->SetColor(FileInfoWindowColor);
    lblFileNameDesc = AddLabel(pnTop, 12, 9, 90);
    lblDirectoryDesc = AddLabel(pnTop, 12, 29, 90);
    const auto link = [this](int top) {
        auto* label = new TKvpLinkLabel(this);
        label->SetParent(pnTop);
        label->SetShowAccelChar(false);
        label->SetAutoSize(false);
        label->SetBounds(104, top, ClientWidth() - 116, InfoRowHeight);
        label->SetAnchors({akLeft, akTop, akRight});
        label->SetTransparent(true);
        label->SetEllipsisPosition(epPathEllipsis);
        SetLinkLabelFonts(*label, ResolveFontFamily(LayoutFontName), LinkFontSize);
        return label;
    };
    lblFileName = link(8);
    lblDirectory = link(28);
}

TGxHeaderPanel* TFormFileInfo::AddHeaderPanel(TWinControl* parent, TAlign align, int height)
{
    auto* panel = new TGxHeaderPanel(this);
    panel->SetParent(parent);
    panel->SetAlign(align);
    panel->SetHeight(height);
    panel->SetAdaptiveColors(false);
    panel->SetHeaderStyle(psFlat);
    panel->SetHeaderSize(HeaderHeight);
    panel->SetHeaderColor(HeaderPanelColor);
    panel->SetBorderColor(0xC8C8C8);
    panel->SetColor(FileInfoWindowColor);
    return panel;
}

void TFormFileInfo::AddInfoRows(TWinControl* parent, std::vector<TInfoRow>& rows,
                                std::initializer_list<std::string TFileInfoModuleStrings::*> descriptions,
                                int descLeft, int valueLeft, int valueWidth)
{
    int top = HeaderHeight + 6;
    for (auto description : descriptions) {
        TInfoRow row{description, AddLabel(parent, descLeft, top, valueLeft - descLeft - 4),
                     AddLabel(parent, valueLeft, top, valueWidth)};
        rows.push_back(row);
        top += InfoRowHeight;
    }
}

void TFormFileInfo::CreateGeneralPanel()
{
    pnGeneralInfo = AddHeaderPanel(this, alTop, GeneralPanelHeight);
    pnGeneralInfo->SetTop(FilePanelHeight);
    AddInfoRows(pnGeneralInfo, FGeneralRows,
                {&S::lblFileSize, &S::lblDuration, &S::lblOverallBitrate, &S::lblFormat}, 12, 112, 230);
    AddInfoRows(pnGeneralInfo, FGeneralRows,
                {&S::lblEncodedApplication, &S::lblNumberOfDataStreams, &S::lblNumberOfVideoStreams,
                 &S::lblNumberOfAudioStreams},
                356, 532, 150);
}

void TFormFileInfo::CreateStreamPanels()
{
    pnStreams = new TPanel(this);
    pnStreams->SetParent(this);
    pnStreams->SetAlign(alTop);
    pnStreams->SetTop(FilePanelHeight + GeneralPanelHeight);
    pnStreams->SetHeight(StreamPanelsHeight);
    pnStreams->SetBevelOuter(bvNone);
    pnStreams->SetColor(FileInfoWindowColor);
    const int half = pnStreams->ClientWidth() / 2;
    pnVideoStream = AddHeaderPanel(pnStreams, alLeft, StreamPanelsHeight);
    pnVideoStream->SetWidth(half);
    pnAudioStream = AddHeaderPanel(pnStreams, alClient, StreamPanelsHeight);
    pnStreams->OnResize = [this](TObject*) { pnVideoStream->SetWidth(pnStreams->ClientWidth() / 2); };

    AddInfoRows(pnVideoStream, FVideoRows,
                {&S::lblVideoCodec, &S::lblVideoProfile, &S::lblVideoBitrate, &S::lblResolution,
                 &S::lblDisplayAspectRatio, &S::lblFPS, &S::lblScanType, &S::lblPixelFormat,
                 &S::lblBitsPerPixel, &S::lblVideoFrames, &S::lblVideoStreamSize, &S::lblVideoEncodedLibrary,
                 &S::lblVideoStreamIndex},
                12, 122, half - 130);
    AddInfoRows(pnAudioStream, FAudioRows,
                {&S::lblAudioCodec, &S::lblAudioProfile, &S::lblAudioBitrate, &S::lblChannels,
                 &S::lblSamplingRate, &S::lblBitsPerSample, &S::lblAudioFrames, &S::lblVideoDelay,
                 &S::lblAudioLanguage, &S::lblAudioStreamSize, &S::lblAudioEncodedLibrary,
                 &S::lblAudioStreamIndex},
                12, 122, half - 130);
    lblVideoCodec = FVideoRows.front().ValueLabel;
    lblAudioCodec = FAudioRows.front().ValueLabel;
    lblVideoCodec->Font()->SetColor(VideoCodecColor);
    lblAudioCodec->Font()->SetColor(AudioCodecColor);

    const auto chooser = [this](TGxHeaderPanel* panel, void (TFormFileInfo::*changed)(TObject*)) {
        auto* combo = new TVezComboBox(this);
        combo->SetParent(panel);
        combo->SetStyle(csDropDownList);
        combo->SetDropDownCount(16);
        combo->SetBounds(panel->ClientWidth() - ChooserWidth - 4, 1, ChooserWidth, HeaderHeight - 2);
        combo->SetAnchors({akTop, akRight});
        combo->OnChange = [this, changed](TObject* sender) { (this->*changed)(sender); };
        return combo;
    };
    cbVideoStreamNo = chooser(pnVideoStream, &TFormFileInfo::cbVideoStreamNoChange);
    cbAudioStreamNo = chooser(pnAudioStream, &TFormFileInfo::cbAudioStreamNoChange);
}

void TFormFileInfo::CreateDataStreamGrid()
{
    pnDataStreams = AddHeaderPanel(this, alClient, 0);
    ng = new TDataGrid(this);
    ng->SetName("ng");
    ng->SetParent(pnDataStreams);
    ng->SetAlign(alClient);
    ng->SetReadOnly(true);
    ng->SetOptions({goGrid, goHeader, goSelectFullRow, goDisableColumnMoving});
    ng->SetBorderStyle(bsNone);
    ng->SetRowSize(18);
    ng->SetHeaderSize(20);
    ng->SetGridLinesColor(StreamGridLinesColor);
    ng->SetAppearanceOptions({aoHideFocus});
    ng->SetKV_DoNotDrawFocusRect(true);

    colStreamNo = new TGxTextColumn(this);
    colStreamNo->SetWidth(110);
    colStreamNo->SetAlignment(taCenter);
    colStreamNo->Header()->SetAlignment(taCenter);
    ng->Columns()->AddColumn(colStreamNo);
    colStreamInfo = new TGxTextColumn(this);
    colStreamInfo->SetWidth(256);
    colStreamInfo->SetPadding(4);
    colStreamInfo->SetOptions(colStreamInfo->Options() + coAutoSize);
    ng->Columns()->AddColumn(colStreamInfo);
    colStreamInfo->Header()->SetColor(colStreamNo->Header()->Color());
    colStreamInfo->Header()->SetFont(colStreamNo->Header()->Font());
    SetGridFont(*ng, ResolveFontFamily(LayoutFontName), GridFontSize);

    ng->OnCellFormating = [this](TObject*, int col, int row, TColor& textColor, TFontStyles&, TCellState) {
        ngCellFormating(col, row, textColor);
    };
    ng->OnDrawCellBackground = [this](TObject*, int col, int row, const TRect& rect, TCellState,
                                      bool& defaultDrawing) {
        ngDrawCellBackground(col, row, rect, defaultDrawing);
    };
}

void TFormFileInfo::TakeSelectionColors(const TDataGrid& fileList)
{
    ng->SetSelectionColor(fileList.SelectionColor());
    ng->SetHighlightedTextColor(fileList.HighlightedTextColor());
}

void TFormFileInfo::SetLang()
{
    const TFileInfoModuleStrings& texts = AppStrings->FileInfo;
    SetCaption(texts.Caption);
    colStreamNo->Header()->SetCaption(texts.ColumnTitle_Stream);
    colStreamInfo->Header()->SetCaption(texts.ColumnTitle_Details);
    pnDataStreams->SetCaption(RemoveTrailingChar(texts.lblDataStreams, U':') + "   (FFmpeg)");
    pnGeneralInfo->SetCaption(texts.gbGeneralInfo);
    pnVideoStream->SetCaption(texts.gbVideoStream);
    pnAudioStream->SetCaption(texts.gbAudioStream);
    lblFileNameDesc->SetCaption(texts.lblFileName);
    lblDirectoryDesc->SetCaption(texts.lblDirectory);
    for (const auto* rows : {&FGeneralRows, &FVideoRows, &FAudioRows})
        for (const TInfoRow& row : *rows)
            row.DescLabel->SetCaption(texts.*row.Description);
    SetCtrlText(*actClose, texts.actClose, true);
    SetCtrlText(*actSave, texts.actSave, true);
    SetCtrlText(*actCopyToClipboard, texts.actCopy, true);
    // The action serves only its button, which shows the shorter text; every change of the action puts
    // the action's caption on the button again, so the action carries it.
    actCopyToClipboard->SetCaption(texts.btnCopy);
    dlgSave->SetFilter(texts.dlgSaveFilter + "|*.txt");
    ng->Repaint();
}
