#include "platform/gui/forms/system_parameters.h"

#include "platform/gui/forms/screen.h"
#include "platform/gui/graphics/graphics.h"
#include "platform/gui/qt/qt_bridge.h"
#include "platform/gui/windows/system_metrics.h"
#include "platform/gui/windows/ui_state.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStyle>

namespace {

bool HaveWidgets()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

TLogFont LogFontOf(const QFont& font)
{
    TLogFont logFont;
    // Point sizes at 96 dots per inch, as every size in the layer.
    logFont.lfHeight = font.pixelSize() > 0 ? -font.pixelSize() : -((font.pointSize() * 96 + 36) / 72);
    logFont.lfWeight = font.bold() ? 700 : 400;
    logFont.lfItalic = font.italic();
    logFont.lfUnderline = font.underline();
    logFont.lfStrikeOut = font.strikeOut();
    logFont.lfFaceName = font.family().toStdString();
    return logFont;
}

TLogFont DesktopLogFont(const char* widgetClass)
{
    return LogFontOf(HaveWidgets() ? QApplication::font(widgetClass) : QFont());
}

void FillNonClientMetrics(TNonClientMetrics& metrics)
{
    metrics.iBorderWidth = 1;
    metrics.iScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
    metrics.iScrollHeight = GetSystemMetrics(SM_CYHSCROLL);
    metrics.iCaptionWidth = GetSystemMetrics(SM_CXSIZE);
    metrics.iCaptionHeight = GetSystemMetrics(SM_CYSIZE);
    metrics.iSmCaptionWidth = GetSystemMetrics(SM_CYSMCAPTION) - 2;
    metrics.iSmCaptionHeight = GetSystemMetrics(SM_CYSMCAPTION) - 2;
    metrics.iMenuWidth = GetSystemMetrics(SM_CYMENU) - 1;
    metrics.iMenuHeight = GetSystemMetrics(SM_CYMENU) - 1;
    const QFont title = HaveWidgets() ? QFontDatabase::systemFont(QFontDatabase::TitleFont) : QFont();
    metrics.lfCaptionFont = LogFontOf(title);
    metrics.lfSmCaptionFont = LogFontOf(title);
    metrics.lfMenuFont = DesktopLogFont("QMenu");
    metrics.lfStatusFont = DesktopLogFont("QStatusBar");
    metrics.lfMessageFont = DesktopLogFont("QMessageBox");
}

int MenuShowDelay()
{
    const int delay = HaveWidgets() ? QApplication::style()->styleHint(QStyle::SH_Menu_SubMenuPopupDelay) : 0;
    return delay > 0 ? delay : 400;
}

// Menus are drawn flat (the highlight in the menu-highlight colour, a thin frame) only when asked for.
bool flatMenus = false;

bool EffectEnabled(Qt::UIEffect effect)
{
    return HaveWidgets() && QApplication::isEffectEnabled(effect);
}

} // namespace

bool SystemParametersInfo(unsigned action, unsigned, void* data, unsigned)
{
    // The settings that may be changed: their value comes in data itself.
    switch (action) {
    case SPI_SETKEYBOARDCUES:
        SetKeyboardCues(data != nullptr);
        return true;
    case SPI_SETFLATMENU:
        flatMenus = data != nullptr;
        return true;
    case SPI_SETMENUANIMATION:
    case SPI_SETMENUFADE:
        if (!HaveWidgets())
            return false;
        // The toolkit shows no effect at all unless its general effects are on as well.
        if (data)
            QApplication::setEffectEnabled(Qt::UI_General, true);
        QApplication::setEffectEnabled(action == SPI_SETMENUFADE ? Qt::UI_FadeMenu : Qt::UI_AnimateMenu,
                                       data != nullptr);
        return true;
    default:
        break;
    }
    if (!data)
        return false;
    int* flag = static_cast<int*>(data);
    switch (action) {
    case SPI_GETMENUANIMATION:
        *flag = EffectEnabled(Qt::UI_AnimateMenu) ? 1 : 0;
        return true;
    case SPI_GETMENUFADE:
        *flag = EffectEnabled(Qt::UI_FadeMenu) ? 1 : 0;
        return true;
    case SPI_GETFLATMENU:
        *flag = flatMenus ? 1 : 0;
        return true;
    case SPI_GETGRADIENTCAPTIONS:
        *flag = 0;
        return true;
    case SPI_GETKEYBOARDCUES:
        *flag = KeyboardCues() ? 1 : 0;
        return true;
    case SPI_GETMENUSHOWDELAY:
        *flag = MenuShowDelay();
        return true;
    case SPI_GETWORKAREA:
        *static_cast<TRect*>(data) = Screen->WorkAreaRect();
        return true;
    case SPI_GETNONCLIENTMETRICS:
        FillNonClientMetrics(*static_cast<TNonClientMetrics*>(data));
        return true;
    default:
        return false;
    }
}

void SetFontFromLogFont(TFont& font, const TLogFont& logFont)
{
    font.SetName(logFont.lfFaceName);
    font.SetHeight(logFont.lfHeight);
    TFontStyles style;
    if (logFont.lfWeight >= 700)
        style.Include(fsBold);
    if (logFont.lfItalic)
        style.Include(fsItalic);
    if (logFont.lfUnderline)
        style.Include(fsUnderline);
    if (logFont.lfStrikeOut)
        style.Include(fsStrikeOut);
    font.SetStyle(style);
}
