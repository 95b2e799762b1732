#pragma once

#include "platform/gui/core/classes.h"
#include "platform/gui/core/strings.h"
#include "platform/gui/windows/keys.h"
#include "platform/gui/windows/messages.h"

#include <memory>
#include <string>
#include <vector>

// Actions: one command (caption, hint, shortcut, enabled and checked state, what it does) shared by the
// controls and menu items linked to it. A linked control takes the action's values whenever they change; an
// action list gathers actions, dispatches their shortcuts and asks each to update its state when the
// program is idle.

class TBasicActionLink;
class TControl;
class TCustomActionList;
class TCustomImageList;

class TBasicAction : public TComponent
{
public:
    explicit TBasicAction(TComponent* owner);
    ~TBasicAction() override;

    // Runs OnExecute (after the action list's OnExecute had its say); true when something handled it.
    virtual bool Execute();
    // Runs OnUpdate; true when something handled it.
    virtual bool Update();
    TComponent* ActionComponent() const { return actionComponent_; }
    void SetActionComponent(TComponent* component) { actionComponent_ = component; }

    void RegisterChanges(TBasicActionLink* link);
    void UnRegisterChanges(TBasicActionLink* link);
    // Whether a control or menu item is linked to the action.
    bool HasClients() const { return !links_.empty(); }

    TNotifyEvent OnExecute;
    TNotifyEvent OnUpdate;
    TNotifyEvent OnChange;

protected:
    // OnChange, then each link's Change (its client brings itself up to date).
    void Change();
    // Each link gets the call for the property that changed.
    template <typename F> void ForEachLink(F&& call)
    {
        const std::vector<TBasicActionLink*> links = links_;
        for (TBasicActionLink* link : links)
            call(*link);
    }

private:
    std::vector<TBasicActionLink*> links_;
    TComponent* actionComponent_ = nullptr;
};

class TBasicActionLink : public TObject
{
public:
    explicit TBasicActionLink(TObject* client) : client_(client) {}
    ~TBasicActionLink() override;
    TBasicAction* Action() const { return action_; }
    void SetAction(TBasicAction* action);
    virtual bool Execute(TComponent* component = nullptr);
    virtual bool Update();
    TObject* Client() const { return client_; }

    // What the client takes from the action; a client overrides the setters it has.
    virtual bool IsCaptionLinked() const { return action_ != nullptr; }
    virtual bool IsCheckedLinked() const { return action_ != nullptr; }
    virtual bool IsEnabledLinked() const { return action_ != nullptr; }
    virtual bool IsHelpContextLinked() const { return action_ != nullptr; }
    virtual bool IsHintLinked() const { return action_ != nullptr; }
    virtual bool IsImageIndexLinked() const { return action_ != nullptr; }
    virtual bool IsShortCutLinked() const { return action_ != nullptr; }
    virtual bool IsVisibleLinked() const { return action_ != nullptr; }
    virtual void SetCaption(const std::string&) {}
    virtual void SetChecked(bool) {}
    virtual void SetEnabled(bool) {}
    virtual void SetHelpContext(int) {}
    virtual void SetHint(const std::string&) {}
    virtual void SetImageIndex(int) {}
    virtual void SetShortCut(TShortCut) {}
    virtual void SetVisible(bool) {}

    TNotifyEvent OnChange;

protected:
    virtual void Change();
    TBasicAction* action_ = nullptr;

private:
    friend class TBasicAction;
    TObject* client_;
};

using TActionLink = TBasicActionLink;

// Shortcut texts ("Ctrl+F5", "Shift+Del"); a text that names no shortcut is refused and the list stays as it
// was.
class TShortCutList : public TStringList
{
public:
    int AddObject(const std::string& s, TObject* object) override;
    void InsertObject(int index, const std::string& s, TObject* object) override;
    void Put(int index, const std::string& s) override;
    TShortCut ShortCuts(int index) const;
    int IndexOfShortCut(TShortCut shortCut) const;
};

class TContainedAction : public TBasicAction
{
public:
    explicit TContainedAction(TComponent* owner) : TBasicAction(owner) {}
    ~TContainedAction() override;
    TCustomActionList* ActionList() const { return actionList_; }
    void SetActionList(TCustomActionList* list);
    int Index() const;
    const std::string& Category() const { return category_; }
    void SetCategory(const std::string& category) { category_ = category; }
    bool Execute() override;
    bool Update() override;

private:
    TCustomActionList* actionList_ = nullptr;
    std::string category_;
};

class TCustomAction : public TContainedAction
{
public:
    explicit TCustomAction(TComponent* owner) : TContainedAction(owner) {}

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value);
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut value);
    // Further shortcuts that run the action as ShortCut does; they are not shown beside the caption.
    TShortCutList& SecondaryShortCuts() { return secondaryShortCuts_; }
    const TShortCutList& SecondaryShortCuts() const { return secondaryShortCuts_; }
    bool HandlesShortCut(TShortCut shortCut) const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    bool Checked() const { return checked_; }
    void SetChecked(bool value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    // Execute flips Checked first.
    bool AutoCheck() const { return autoCheck_; }
    void SetAutoCheck(bool value) { autoCheck_ = value; }
    // Actions of one group (non-zero) are checked one at a time.
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int value);
    // A disabled action does nothing; answers whether it ran.
    bool Execute() override;
    // Asks the OnHint handler about the hint text; true when it may be shown.
    bool DoHint(std::string& hint);

    std::function<void(std::string& hint, bool& canShow)> OnHint;

private:
    // Hands a changed property to the links that take it (while they still hold the old value), then
    // stores it.
    template <typename T, typename Arg>
    void SetLinked(T& field, const T& value, bool (TBasicActionLink::*isLinked)() const,
                   void (TBasicActionLink::*set)(Arg));

    std::string caption_;
    std::string hint_;
    TShortCut shortCut_ = 0;
    TShortCutList secondaryShortCuts_;
    bool enabled_ = true;
    bool checked_ = false;
    bool visible_ = true;
    bool autoCheck_ = false;
    int groupIndex_ = 0;
    int imageIndex_ = -1;
    int helpContext_ = 0;
};

class TAction : public TCustomAction
{
public:
    explicit TAction(TComponent* owner) : TCustomAction(owner) {}
};

using TActionEvent = std::function<void(TBasicAction* action, bool& handled)>;

enum TActionListState
{
    asNormal,
    asSuspended,
    asSuspendedEnabled
};

class TCustomActionList : public TComponent
{
public:
    explicit TCustomActionList(TComponent* owner);
    ~TCustomActionList() override;
    int ActionCount() const { return static_cast<int>(actions_.size()); }
    TContainedAction* Actions(int index) const;
    // Runs the enabled action whose shortcut or secondary shortcut the key message (WM_KEYDOWN/CN_KEYDOWN)
    // gives; true if one ran.
    bool IsShortCut(const TMessage& message);
    // The list's OnExecute/OnUpdate may handle an action's execution or update first.
    bool ExecuteAction(TBasicAction* action);
    bool UpdateAction(TBasicAction* action);
    // Updates every action (idle time).
    void UpdateActions();
    TActionListState State() const { return state_; }
    void SetState(TActionListState state);
    // The images the actions' ImageIndex names (not owned; nullptr for none).
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* images);

    TActionEvent OnExecute;
    TActionEvent OnUpdate;
    TNotifyEvent OnChange;

    // All lists that exist, for the idle update and shortcut dispatch.
    static const std::vector<TCustomActionList*>& Lists();

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TContainedAction;
    std::vector<TContainedAction*> actions_;
    TActionListState state_ = asNormal;
    TCustomImageList* images_ = nullptr;
};

class TActionList : public TCustomActionList
{
public:
    explicit TActionList(TComponent* owner) : TCustomActionList(owner) {}
};

// The link of a control to its action: caption, hint, enabled, visible (and click through Execute).
class TControlActionLink : public TBasicActionLink
{
public:
    explicit TControlActionLink(TControl* client);
    bool IsCaptionLinked() const override;
    bool IsEnabledLinked() const override;
    bool IsHintLinked() const override;
    bool IsVisibleLinked() const override;
    void SetCaption(const std::string& value) override;
    void SetEnabled(bool value) override;
    void SetHint(const std::string& value) override;
    void SetVisible(bool value) override;

private:
    TControl* control_;
};

// Runs the idle-time update of every action in every list and of the actions outside lists that have
// clients.
void UpdateAllActions();
