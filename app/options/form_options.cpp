#include "app/options/form_options.h"

#include "app/kit/secondary_window_parts.h"
#include "app/kit/updating_controls.h"
#include "app/main/file_list_view.h"
#include "app/main/form_main.h"
#include "app/main/settings_panels_kit.h"
#include "controls/edits/combo_box.h"
#include "controls/grid/data_grid.h"
#include "controls/grid/font_combo_box6.h"
#include "controls/grid/spin_edit6.h"
#include "controls/pack/panel.h"
#include "controls/pack/png_button.h"
#include "engine/app_params.h"
#include "engine/app_strings.h"
#include "engine/encoder_settings.h"
#include "engine/forms/window_routines.h"
#include "engine/language_files.h"
#include "platform/gui/standard/group_box.h"
#include "platform/gui/standard/stdctrls_buttons.h"
#include "platform/gui/standard/stdctrls_labels.h"
#include "platform/gui/windows/actions.h"
#include "support/color_routines.h"
#include "support/files.h"

// The window's controls: building them, their texts, the values they show and the two lists that map to
// program-wide values. What a change does to the file list, the language and the launcher is in
// options_changes.cpp.

namespace {

constexpr int OptionsClientWidth = 518;
constexpr int OptionsClientHeight = 371;
constexpr int WindowFontHeight = -12;
constexpr int FontSizeMin = 6;
constexpr int FontSizeMax = 20;
constexpr int RowHeightMin = 12;
constexpr int RowHeightMax = 50;

// The default video encoder's list, and the file analysis modes in the list's order.
const char* const VideoCodecH264 = "H.264";
const char* const VideoCodecXvid = "Xvid";
constexpr int VideoCodecXvidItem = 1;
constexpr TFileAnalysis AnalysisOfItem[] = {faFull, faQuick, faNone};

TGxSpinEdit6* PlaceSpinEdit(TComponent* owner, TWinControl* parent, TRect bounds, int min, int max)
{
    auto* spin = PlaceSettingsControl<TGxSpinEdit6>(owner, parent, bounds);
    spin->SetPrecision(0);
    spin->SetNumericEditOptions({}); // whole numbers without a sign
    spin->SetMin(min);
    spin->SetMax(max);
    spin->SetIncrement(1);
    spin->SetValue(min);
    return spin;
}

// The header strip of a group of settings: the light panel looks with its caption in bold.
TKvpPanel* PlaceHeaderPanel(TComponent* owner, TWinControl* parent, TRect bounds, TLabel*& caption)
{
    auto* panel = PlaceSettingsPanel(owner, parent, alNone, bounds, SettingsPanelBackground);
    SetLightPanelLooks(*panel);
    caption = PlaceSettingsLabel(owner, panel, "", 8, 4);
    caption->Font()->SetStyle({fsBold});
    caption->Font()->SetColor(RGBToColor(50, 60, 80));
    return panel;
}

} // namespace

TFormOptions::TFormOptions(TComponent* owner, const TWindowLooks& looks, TOptionsWindowHost host)
    : TForm(owner), FHost(std::move(host))
{
    SetBorderStyle(bsDialog);
    SetUpSecondaryWindow(*this, OptionsClientWidth, OptionsClientHeight, 0, 0);
    SetColor(RGBToColor(238, 238, 238));
    Font()->SetHeight(WindowFontHeight);
    OnActivate = [this](TObject* sender) { FormActivate(sender); };

    Actions = new TActionList(this);
    actEsc = AddWindowAction(
        *Actions, [this](TObject* s) { actEscExecute(s); }, ShortCut(VK_ESCAPE, {}));
    // The main window's Options key closes the window again.
    actClose = AddWindowAction(
        *Actions, [this](TObject* s) { actCloseExecute(s); }, FHost.OptionsShortCut);

    pnBottom = AddBottomPanel(*this, looks);
    AddPanelButtons(*pnBottom, {{&btnOK, actClose}}, looks);
    BuildGeneralControls();
    BuildFileListControls();
    ApplyButtonLooks(*btnCreateShortcutOnDesktop, looks);
    for (TKvpPngButton* button : {btnOK, btnCreateShortcutOnDesktop})
        SetPngButtonFonts(*button, Font()->Name(), Font()->Size());

    SetLang();
    // The keyboard starts in the first setting when the window first shows.
    SetActiveControl(cbLanguage);
    Constraints()->SetMinWidth(Width());
    Constraints()->SetMaxWidth(Width());
    Constraints()->SetMinHeight(Height());
    Constraints()->SetMaxHeight(Height());
    InitCbLanguage();
    InitControls();
    WireEvents();
}

TFormOptions::~TFormOptions() = default;

void TFormOptions::BuildGeneralControls()
{
    gbLanguage = PlaceSettingsControl<TGroupBox>(this, this, Bounds(8, 6, 246, 56));
    cbLanguage = PlaceSettingsCombo(this, gbLanguage, csDropDownList, Bounds(10, 22, 226, 23));
    // Without language files the list keeps the built-in language.
    SetComboItems(*cbLanguage, {"English"});
    cbLanguage->SetItemIndex(0);
    cbDefaultVideoCodec = PlaceSettingsCombo(this, this, csDropDownList, Bounds(270, 30, 240, 23));
    lblDefaultVideoCodec = PlaceSettingsLabel(this, this, "", 270, 11, cbDefaultVideoCodec);
    SetComboItems(*cbDefaultVideoCodec, {VideoCodecH264, VideoCodecXvid});
    btnCreateShortcutOnDesktop = PlaceSettingsButton(this, this, "", Bounds(8, 74, 246, 27));
}

void TFormOptions::BuildFileListControls()
{
    pnFileList = PlaceHeaderPanel(this, this, Bounds(0, 116, OptionsClientWidth, 22), lblFileListHeader);
    const int labelLeft = 16;
    const int editLeft = 116;
    cbFileListFont = PlaceSettingsControl<TGxFontComboBox6>(this, this, Bounds(editLeft, 152, 170, 23));
    edFileListFontSize = PlaceSpinEdit(this, this, Bounds(editLeft, 186, 64, 23), FontSizeMin, FontSizeMax);
    edFileListRowHeight =
        PlaceSpinEdit(this, this, Bounds(editLeft, 220, 64, 23), RowHeightMin, RowHeightMax);
    cbFileListFileAnalysis = PlaceSettingsCombo(this, this, csDropDownList, Bounds(editLeft, 254, 110, 23));
    SetComboItems(*cbFileListFileAnalysis, {"", "", ""});
    const std::pair<TLabel**, TWinControl*> labels[] = {{&lblFileListFontName, cbFileListFont},
                                                        {&lblFileListFontSize, edFileListFontSize},
                                                        {&lblFileListRowHeight, edFileListRowHeight},
                                                        {&lblFileListAnalysis, cbFileListFileAnalysis}};
    for (const auto& [label, control] : labels)
        *label = PlaceSettingsLabel(this, this, "", labelLeft, control->Top() + 3, control);
    BuildFileListChecks();
}

void TFormOptions::BuildFileListChecks()
{
    TCheckBox** checks[] = {&chFileListGridLines,         &chFileListFooter,
                            &chFileListRowIndicator,      &chFileListAllowRowMoving,
                            &chFileListAllowColumnMoving, &chFileListIconClickOpen};
    int top = 152;
    for (TCheckBox** check : checks) {
        *check = PlaceSettingsCheck(this, this, "", Bounds(300, top, 210, 19));
        top += 25;
    }
}

void TFormOptions::WireEvents()
{
    cbLanguage->OnChange = [this](TObject* s) { cbLanguageChange(s); };
    cbDefaultVideoCodec->OnChange = [this](TObject* s) { cbDefaultVideoCodecChange(s); };
    cbFileListFont->OnSelect = [this](TObject* s) { cbFileListFontSelect(s); };
    edFileListFontSize->OnChange = [this](TObject* s) { edFileListFontSizeChange(s); };
    edFileListRowHeight->OnChange = [this](TObject* s) { edFileListRowHeightChange(s); };
    for (const TGridOptionCheck& c : GridOptionChecks())
        c.Check->OnClick = [this](TObject* s) { chFileListGridOptionClick(s); };
    chFileListIconClickOpen->OnClick = [this](TObject* s) { chFileListIconClickOpenClick(s); };
    cbFileListFileAnalysis->OnChange = [this](TObject* s) { cbFileListFileAnalysisChange(s); };
    btnCreateShortcutOnDesktop->OnClick = [this](TObject* s) { btnCreateShortcutOnDesktopClick(s); };
}

void TFormOptions::SetLang()
{
    const TOptionsModuleStrings& texts = AppStrings->Options;
    SetCaption(texts.Caption);
    SetCtrlText(*actClose, AppStrings->Main.Close, true);
    const std::pair<TControl*, const std::string*> captions[] = {
        {gbLanguage, &texts.gbLanguage},
        {lblFileListHeader, &texts.pnFileList},
        {lblFileListFontName, &texts.lblFileListFontName},
        {lblFileListFontSize, &texts.lblFileListFontSize},
        {lblFileListRowHeight, &texts.lblFileListRowHeight},
        {chFileListGridLines, &texts.chFileListGridLines},
        {chFileListFooter, &texts.chFileListFooter},
        {chFileListRowIndicator, &texts.chFileListRowIndicator},
        {chFileListAllowRowMoving, &texts.chFileListAllowRowMoving},
        {chFileListAllowColumnMoving, &texts.chFileListAllowColumnMoving},
        {chFileListIconClickOpen, &texts.chFileListIconClickOpen},
        {lblDefaultVideoCodec, &texts.lblDefaultVideoCodec},
        {btnCreateShortcutOnDesktop, &texts.btnCreateShortcutOnDesktop},
        {lblFileListAnalysis, &texts.lblFileAnalysis}};
    for (const auto& [control, text] : captions)
        SetCtrlText(*control, *text);
    TUpdatingControlsScope updating;
    const int selected = cbFileListFileAnalysis->ItemIndex();
    SetComboItems(*cbFileListFileAnalysis,
                  {texts.FileAnalysis_Full, texts.FileAnalysis_Quick, texts.FileAnalysis_None});
    cbFileListFileAnalysis->SetItemIndex(selected);
}

void TFormOptions::InitCbLanguage()
{
    if (!DirExists(AppParams.LangDir) || !LangIniList)
        return;
    TUpdatingControlsScope updating;
    std::vector<std::string> names;
    for (int i = 0; i < LangIniList->Count(); ++i)
        names.push_back(LangIniList->GetItem(i).LangName_Native);
    SetComboItems(*cbLanguage, names);
    const TLangIniListItem* current = LangIniList->GetItemByShortFileName(AppParams.LanguageIni);
    int index = 0;
    for (int i = 0; current && i < LangIniList->Count(); ++i)
        if (&LangIniList->GetItem(i) == current)
            index = i;
    if (index < cbLanguage->Items()->Count())
        cbLanguage->SetItemIndex(index);
}

void TFormOptions::InitControls()
{
    TUpdatingControlsScope updating;
    const TDataGrid& grid = *FHost.FileList.Grid();
    cbFileListFont->SetText(grid.Font()->Name());
    edFileListFontSize->SetValue(grid.Font()->Size());
    edFileListRowHeight->SetValue(grid.RowSize());
    for (const TGridOptionCheck& c : GridOptionChecks())
        c.Check->SetChecked(grid.Options().Contains(c.Option) != c.Inverted);
    chFileListIconClickOpen->SetChecked(AppParams.OpenFileAfterIconClick);
    cbDefaultVideoCodec->SetItemIndex(DefaultVideoCodecIndex != ItemIndex::AviCodecXvid ? 0
                                                                                        : VideoCodecXvidItem);
    int analysis = 0;
    for (int i = 0; i < static_cast<int>(std::size(AnalysisOfItem)); ++i)
        if (AnalysisOfItem[i] == AppParams.FileAnalysis)
            analysis = i;
    cbFileListFileAnalysis->SetItemIndex(analysis);
}

void TFormOptions::cbDefaultVideoCodecChange(TObject*)
{
    if (UpdatingControls)
        return;
    DefaultVideoCodecIndex = cbDefaultVideoCodec->ItemIndex() == VideoCodecXvidItem ? ItemIndex::AviCodecXvid
                                                                                    : ItemIndex::AviCodecH264;
}

void TFormOptions::cbFileListFileAnalysisChange(TObject*)
{
    const int item = cbFileListFileAnalysis->ItemIndex();
    if (UpdatingControls || item < 0 || item >= static_cast<int>(std::size(AnalysisOfItem)))
        return;
    AppParams.FileAnalysis = AnalysisOfItem[item];
}

void TFormOptions::FormActivate(TObject*)
{
    InitControls();
}

void TFormOptions::actCloseExecute(TObject*)
{
    Close();
}

void TFormOptions::actEscExecute(TObject*)
{
    Close();
}
