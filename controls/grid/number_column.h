#pragma once

#include "controls/grid/column.h"
#include "controls/grid/number_cell_edit.h"

#include <string>

// A column of numbers shown through a format: a text for the empty value, a FormatFloat mask, a text before
// and after. The main file list's number columns write their texts in OnGetDrawText instead.
class TGxCustomNumberColumn : public TGxCustomColumn
{
public:
    explicit TGxCustomNumberColumn(TComponent* owner);

    TGxNumberEditOptions EditOptions() const { return FEditOptions; }
    void SetEditOptions(TGxNumberEditOptions value) { FEditOptions = value; }
    // With HideWhenEmpty a cell holding exactly EmptyValue shows EmptyCaption.
    bool HideWhenEmpty() const { return FHideWhenEmpty; }
    void SetHideWhenEmpty(bool value) { SetAndRefresh(FHideWhenEmpty, value, gaBody); }
    // The editor's limits; the column itself never checks values against them.
    double Min() const { return FMin; }
    void SetMin(double value) { FMin = value; }
    double Max() const { return FMax; }
    void SetMax(double value) { FMax = value; }
    const std::string& FormatMask() const { return FFormatMask; }
    void SetFormatMask(const std::string& value) { SetAndRefresh(FFormatMask, value, gaBody); }
    const std::string& EmptyCaption() const { return FEmptyCaption; }
    void SetEmptyCaption(const std::string& value) { SetAndRefresh(FEmptyCaption, value, gaBody); }
    const std::string& TextAfter() const { return FTextAfter; }
    void SetTextAfter(const std::string& value) { SetAndRefresh(FTextAfter, value, gaBody); }
    const std::string& TextBefore() const { return FTextBefore; }
    void SetTextBefore(const std::string& value) { SetAndRefresh(FTextBefore, value, gaBody); }
    double EmptyValue() const { return FEmptyValue; }
    void SetEmptyValue(double value) { SetAndRefresh(FEmptyValue, value, gaBody); }

    void SetColumnType(TColumnType value) override;
    TColumnDisplayClass GetDisplayClass() const override;
    TColumnStyle GetColumnStyle() const override { return {csCanEdit, csFitToLargest, csTextFitHint}; }
    // The cell's number (its text is not read) formatted, then OnGetDrawText may change it.
    std::string GetDrawText(const TCellInfo& cell) override;
    // The digits; the signs with eoAllowSigns; the decimal separator with eoAllowFloat.
    bool IsKeyValid(char32_t key) const override;

    void Assign(const TPersistent* source) override;

private:
    std::string FormattedNumber(double value) const;

    TGxNumberEditOptions FEditOptions{eoAllowFloat};
    bool FHideWhenEmpty = false;
    double FMin = 0;
    double FMax = 0;
    std::string FFormatMask;
    std::string FEmptyCaption;
    std::string FTextAfter;
    std::string FTextBefore;
    double FEmptyValue = 0;
};

// The number column edited with the spin editor; its settings reach the editor when editing begins.
class TGxNumberColumn : public TGxCustomNumberColumn
{
public:
    explicit TGxNumberColumn(TComponent* owner);

    double Increment() const { return FIncrement; }
    void SetIncrement(double value) { FIncrement = value; }
    bool SpinButtons() const { return FSpinButtons; }
    void SetSpinButtons(bool value) { FSpinButtons = value; }
    // Decimals the editor shows.
    int Precision() const { return FPrecision; }
    void SetPrecision(int value) { FPrecision = value; }
    bool ShowButton() const { return FShowButton; }
    void SetShowButton(bool value) { FShowButton = value; }
    const std::string& ButtonCaption() const { return FButtonCaption; }
    void SetButtonCaption(const std::string& value) { FButtonCaption = value; }

    // A click on the editor's button; the column is the sender.
    TNotifyEvent OnButtonClick;
    virtual void DoButtonClick();

    TColumnEditorClass GetCellEditorClass() const override;
    void BeginEditing() override;
    void UpdateEdit() override;

    void Assign(const TPersistent* source) override;

private:
    double FIncrement = 1.0;
    bool FSpinButtons = true;
    int FPrecision = 0;
    bool FShowButton = false;
    std::string FButtonCaption;
};
