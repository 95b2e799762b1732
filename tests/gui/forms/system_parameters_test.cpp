#include "platform/gui/forms/screen.h"
#include "platform/gui/forms/system_parameters.h"
#include "platform/gui/graphics/graphics.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>

namespace {

TEST(SystemParameters, MenuAndCaptionSettingsSuitTheDesktop)
{
    struct Case
    {
        unsigned action;
        int expected;
    };
    const Case cases[] = {
        {SPI_GETMENUANIMATION, QApplication::isEffectEnabled(Qt::UI_AnimateMenu) ? 1 : 0},
        {SPI_GETMENUFADE, QApplication::isEffectEnabled(Qt::UI_FadeMenu) ? 1 : 0},
        {SPI_GETFLATMENU, 0},
        {SPI_GETGRADIENTCAPTIONS, 0},
        {SPI_GETKEYBOARDCUES, 1},
    };
    for (const Case& c : cases) {
        int value = -5;
        EXPECT_TRUE(SystemParametersInfo(c.action, 0, &value, 0)) << c.action;
        EXPECT_EQ(value, c.expected) << c.action;
    }
    int delay = 0;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETMENUSHOWDELAY, 0, &delay, 0));
    EXPECT_GT(delay, 0);

    // A setting not kept here, or no place for the answer, fails and changes nothing.
    int untouched = -5;
    EXPECT_FALSE(SystemParametersInfo(0x1016, 0, &untouched, 0));
    EXPECT_EQ(untouched, -5);
    EXPECT_FALSE(SystemParametersInfo(SPI_GETFLATMENU, 0, nullptr, 0));
}

// Puts the menu effects and flat menus back as they were: the settings are the whole program's, and a menu
// that opens with an effect shows only once the effect has run, later than the next test expects it.
class TMenuSettingsKept
{
public:
    TMenuSettingsKept() { SystemParametersInfo(SPI_GETFLATMENU, 0, &flat_, 0); }
    ~TMenuSettingsKept()
    {
        QApplication::setEffectEnabled(Qt::UI_AnimateMenu, animate_);
        QApplication::setEffectEnabled(Qt::UI_FadeMenu, fade_);
        QApplication::setEffectEnabled(Qt::UI_General, general_);
        SystemParametersInfo(SPI_SETFLATMENU, 0, flat_ ? reinterpret_cast<void*>(1) : nullptr, 0);
    }
    TMenuSettingsKept(const TMenuSettingsKept&) = delete;
    TMenuSettingsKept& operator=(const TMenuSettingsKept&) = delete;

private:
    const bool general_ = QApplication::isEffectEnabled(Qt::UI_General);
    const bool animate_ = QApplication::isEffectEnabled(Qt::UI_AnimateMenu);
    const bool fade_ = QApplication::isEffectEnabled(Qt::UI_FadeMenu);
    int flat_ = 0;
};

TEST(SystemParameters, MenuEffectsAndFlatMenusSwitchOnAndOff)
{
    const TMenuSettingsKept kept;
    for (const unsigned set : {SPI_SETMENUANIMATION, SPI_SETMENUFADE, SPI_SETFLATMENU}) {
        const unsigned get = set - 1;
        int value = -5;
        ASSERT_TRUE(SystemParametersInfo(set, 0, reinterpret_cast<void*>(1), 0));
        ASSERT_TRUE(SystemParametersInfo(get, 0, &value, 0));
        EXPECT_EQ(value, 1) << get;
        ASSERT_TRUE(SystemParametersInfo(set, 0, nullptr, 0));
        ASSERT_TRUE(SystemParametersInfo(get, 0, &value, 0));
        EXPECT_EQ(value, 0) << get;
    }
}

TEST(SystemParameters, WorkAreaAndTheDesktopFonts)
{
    TRect area;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &area, 0));
    EXPECT_EQ(area, Screen->WorkAreaRect());
    EXPECT_GT(area.Width(), 0);

    TNonClientMetrics metrics;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0));
    EXPECT_EQ(metrics.lfMenuFont.lfFaceName, QApplication::font("QMenu").family().toStdString());
    EXPECT_LT(metrics.lfMenuFont.lfHeight, 0);
    EXPECT_FALSE(metrics.lfSmCaptionFont.lfFaceName.empty());
    EXPECT_GT(metrics.iScrollWidth, 0);

    TLogFont bold = metrics.lfMenuFont;
    bold.lfWeight = 700;
    bold.lfItalic = true;
    TFont font;
    SetFontFromLogFont(font, bold);
    EXPECT_EQ(font.Name(), bold.lfFaceName);
    EXPECT_EQ(font.Height(), bold.lfHeight);
    EXPECT_TRUE(font.Style().Contains(fsBold));
    EXPECT_TRUE(font.Style().Contains(fsItalic));
    EXPECT_FALSE(font.Style().Contains(fsUnderline));
}

} // namespace
