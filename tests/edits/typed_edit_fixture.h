#pragma once

// A shown form with typed edits for the typed edit's suites, typing through the real key path, and the two
// number formats the tests pin.

#include "controls/edits/typed_edit.h"
#include "gui_driver.h"
#include "platform/gui/graphics/platform_answers.h"
#include "platform/gui/graphics/theme.h"
#include "support/format_settings.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

// "." decimals with "," grouping, and the reverse.
inline TFormatSettings PointDecimals()
{
    TFormatSettings settings;
    settings.DecimalSeparator = ".";
    settings.ThousandSeparator = ",";
    return settings;
}

inline TFormatSettings CommaDecimals()
{
    TFormatSettings settings;
    settings.DecimalSeparator = ",";
    settings.ThousandSeparator = ".";
    return settings;
}

class TypedEdits : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm(400, 260);
        form->SetColor(clBtnFace);
        form->Font()->SetName("DejaVu Sans");
        form->Font()->SetSize(9);
        edit = NewEdit(20, 20);
        other = NewEdit(20, 60);
        Pump();
    }
    void TearDown() override
    {
        form->Free();
        SetThemesEnabled(true);
        SetPlatformAnswers(std::nullopt);
    }

    // An edit built as a window builds it: the setters between the loading marks, then Loaded.
    TVezEdit* NewEdit(int left, int top, const std::function<void(TVezEdit*)>& setUp = {},
                      TWinControl* parent = nullptr)
    {
        auto* e = new TVezEdit(form);
        e->BeginLoading();
        e->SetName("edit" + std::to_string(++count_));
        e->SetBounds(left, top, 160, 24);
        if (setUp)
            setUp(e);
        e->SetParent(parent ? parent : form);
        e->EndLoading();
        return e;
    }
    void Focus(TWinControl* control)
    {
        control->SetFocus();
        Pump();
    }
    // Types text key by key as a keyboard does (upper-case letters through the input method).
    static void Type(TWinControl* control, const std::string& text)
    {
        for (const char c : text) {
            if (c >= 'A' && c <= 'Z')
                Press(control, "=" + std::string(1, c));
            else if (c == ' ')
                Press(control, "Space");
            else
                Press(control, std::string(1, c));
        }
        Pump();
    }
    // The edit focused with its window text's caret at index.
    void CaretAt(TVezEdit* e, int index)
    {
        if (!e->Focused())
            Focus(e);
        e->SetSelStart(index);
        e->SetSelLength(0);
    }
    static std::string Shown(TVezEdit* e) { return static_cast<TControl*>(e)->Text(); }

    TForm* form = nullptr;
    TVezEdit* edit = nullptr;
    TVezEdit* other = nullptr;

private:
    int count_ = 0;
};
