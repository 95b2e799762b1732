#pragma once

#include "platform/gui/windows/actions.h"

class TBarCustomItem;

// The link of an item to its action: each property the item takes from the action is linked while the item
// still holds the action's value, and a change of the action reaches only the linked ones.
class TBarCustomItemActionLink : public TActionLink
{
public:
    explicit TBarCustomItemActionLink(TBarCustomItem* client);

    bool IsCaptionLinked() const override;
    bool IsCheckedLinked() const override;
    bool IsEnabledLinked() const override;
    bool IsHelpContextLinked() const override;
    bool IsHintLinked() const override;
    bool IsImageIndexLinked() const override;
    bool IsShortCutLinked() const override;
    bool IsVisibleLinked() const override;
    virtual bool IsOnExecuteLinked() const;
    virtual bool IsAutoCheckLinked() const;

    void SetCaption(const std::string& value) override;
    void SetChecked(bool value) override;
    void SetEnabled(bool value) override;
    void SetHelpContext(int value) override;
    void SetHint(const std::string& value) override;
    void SetImageIndex(int value) override;
    void SetShortCut(TShortCut value) override;
    void SetVisible(bool value) override;
    virtual void SetAutoCheck(bool value);
    virtual void SetOnExecute(const TNotifyEvent& value);

private:
    // The action when it is a TCustomAction, whose properties an item takes.
    TCustomAction* CustomAction() const;

    TBarCustomItem* FClient;
};

// An item's OnClick taken from an action: the action's OnExecute as it was then. An item knows it by this
// type, so that it can tell its own handler from the action's.
struct TActionExecuteCall
{
    TBasicAction* Action;
    TNotifyEvent Execute;
    void operator()(TObject* sender) const
    {
        if (Execute)
            Execute(sender);
    }
};
