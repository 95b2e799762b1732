#include "platform/gui/actions.h"

#include "platform/gui/control.h"
#include "platform/gui/exceptions.h"

#include <algorithm>

// --- TBasicAction ----------------------------------------------------------------------------------------

TBasicAction::TBasicAction(TComponent* owner) : TComponent(owner) {}

TBasicAction::~TBasicAction()
{
    Destroying();
    const std::vector<TBasicActionLink*> links = links_;
    for (TBasicActionLink* link : links)
        link->SetAction(nullptr);
}

bool TBasicAction::Execute()
{
    if (!OnExecute)
        return false;
    OnExecute(this);
    return true;
}

bool TBasicAction::Update()
{
    if (!OnUpdate)
        return false;
    OnUpdate(this);
    return true;
}

void TBasicAction::RegisterChanges(TBasicActionLink* link)
{
    if (std::find(links_.begin(), links_.end(), link) == links_.end())
        links_.push_back(link);
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* link)
{
    links_.erase(std::remove(links_.begin(), links_.end(), link), links_.end());
}

void TBasicAction::Change()
{
    if (OnChange)
        OnChange(this);
}

// --- TBasicActionLink ------------------------------------------------------------------------------------

TBasicActionLink::~TBasicActionLink()
{
    if (action_)
        action_->UnRegisterChanges(this);
}

void TBasicActionLink::SetAction(TBasicAction* action)
{
    if (action == action_)
        return;
    if (action_)
        action_->UnRegisterChanges(this);
    action_ = action;
    if (action_)
        action_->RegisterChanges(this);
}

bool TBasicActionLink::Execute(TComponent* component)
{
    if (!action_)
        return false;
    action_->SetActionComponent(component);
    bool done = false;
    try {
        done = action_->Execute();
    } catch (...) {
        if (action_)
            action_->SetActionComponent(nullptr);
        throw;
    }
    if (action_)
        action_->SetActionComponent(nullptr);
    return done;
}

bool TBasicActionLink::Update()
{
    return action_ && action_->Update();
}

void TBasicActionLink::Change()
{
    if (OnChange)
        OnChange(this);
}

// --- TContainedAction ------------------------------------------------------------------------------------

TContainedAction::~TContainedAction()
{
    SetActionList(nullptr);
}

void TContainedAction::SetActionList(TCustomActionList* list)
{
    if (list == actionList_)
        return;
    if (actionList_) {
        auto& actions = actionList_->actions_;
        actions.erase(std::remove(actions.begin(), actions.end(), this), actions.end());
    }
    actionList_ = list;
    if (list)
        list->actions_.push_back(this);
}

int TContainedAction::Index() const
{
    if (!actionList_)
        return -1;
    const auto& actions = actionList_->actions_;
    return static_cast<int>(std::find(actions.begin(), actions.end(), this) - actions.begin());
}

bool TContainedAction::Execute()
{
    if (actionList_ && actionList_->ExecuteAction(this))
        return true;
    return TBasicAction::Execute();
}

bool TContainedAction::Update()
{
    if (actionList_ && actionList_->UpdateAction(this))
        return true;
    return TBasicAction::Update();
}

// --- TCustomAction ---------------------------------------------------------------------------------------

template <typename T, typename Arg>
void TCustomAction::SetLinked(T& field, const T& value, bool (TBasicActionLink::*isLinked)() const,
                              void (TBasicActionLink::*set)(Arg))
{
    if (field == value)
        return;
    field = value;
    ForEachLink([&](TBasicActionLink& link) {
        if ((link.*isLinked)())
            (link.*set)(value);
    });
    Change();
}

void TCustomAction::SetCaption(const std::string& value)
{
    SetLinked(caption_, value, &TBasicActionLink::IsCaptionLinked, &TBasicActionLink::SetCaption);
}

void TCustomAction::SetHint(const std::string& value)
{
    SetLinked(hint_, value, &TBasicActionLink::IsHintLinked, &TBasicActionLink::SetHint);
}

void TCustomAction::SetShortCut(TShortCut value)
{
    SetLinked(shortCut_, value, &TBasicActionLink::IsShortCutLinked, &TBasicActionLink::SetShortCut);
}

void TCustomAction::SetEnabled(bool value)
{
    SetLinked(enabled_, value, &TBasicActionLink::IsEnabledLinked, &TBasicActionLink::SetEnabled);
}

void TCustomAction::SetChecked(bool value)
{
    if (value == checked_)
        return;
    checked_ = value;
    ForEachLink([&](TBasicActionLink& link) {
        if (link.IsCheckedLinked())
            link.SetChecked(value);
    });
    // One checked action per group.
    if (value && groupIndex_ != 0 && ActionList()) {
        for (int i = 0; i < ActionList()->ActionCount(); ++i) {
            auto* other = dynamic_cast<TCustomAction*>(ActionList()->Actions(i));
            if (other && other != this && other->groupIndex_ == groupIndex_)
                other->SetChecked(false);
        }
    }
    Change();
}

void TCustomAction::SetVisible(bool value)
{
    SetLinked(visible_, value, &TBasicActionLink::IsVisibleLinked, &TBasicActionLink::SetVisible);
}

void TCustomAction::SetGroupIndex(int value)
{
    groupIndex_ = value;
    if (checked_)
        SetChecked(true);
}

void TCustomAction::SetImageIndex(int value)
{
    if (value == imageIndex_)
        return;
    imageIndex_ = value;
    Change();
}

bool TCustomAction::Execute()
{
    if (!enabled_)
        return false;
    if (autoCheck_)
        SetChecked(!checked_);
    return TContainedAction::Execute();
}

bool TCustomAction::DoHint(std::string& hint)
{
    bool canShow = true;
    if (OnHint)
        OnHint(hint, canShow);
    return canShow;
}

// --- TCustomActionList -----------------------------------------------------------------------------------

namespace {

std::vector<TCustomActionList*>& AllLists()
{
    static std::vector<TCustomActionList*> lists;
    return lists;
}

} // namespace

TCustomActionList::TCustomActionList(TComponent* owner) : TComponent(owner)
{
    AllLists().push_back(this);
}

TCustomActionList::~TCustomActionList()
{
    Destroying();
    auto& lists = AllLists();
    lists.erase(std::remove(lists.begin(), lists.end(), this), lists.end());
    const std::vector<TContainedAction*> actions = actions_;
    for (TContainedAction* action : actions)
        action->SetActionList(nullptr);
}

const std::vector<TCustomActionList*>& TCustomActionList::Lists()
{
    return AllLists();
}

TContainedAction* TCustomActionList::Actions(int index) const
{
    if (index < 0 || index >= ActionCount())
        ThrowListIndexError(index);
    return actions_[static_cast<size_t>(index)];
}

bool TCustomActionList::IsShortCut(const TMessage& message)
{
    if (state_ != asNormal)
        return false;
    const TShortCut shortCut =
        ::ShortCut(static_cast<uint16_t>(message.WParam), KeyDataToShiftState(message.LParam));
    if (shortCut == scNone)
        return false;
    const std::vector<TContainedAction*> actions = actions_;
    for (TContainedAction* contained : actions) {
        auto* action = dynamic_cast<TCustomAction*>(contained);
        if (!action || action->ShortCut() != shortCut)
            continue;
        // The state may be stale; bring it up to date before deciding.
        action->Update();
        return action->Enabled() && action->Execute();
    }
    return false;
}

bool TCustomActionList::ExecuteAction(TBasicAction* action)
{
    bool handled = false;
    if (OnExecute)
        OnExecute(action, handled);
    return handled;
}

bool TCustomActionList::UpdateAction(TBasicAction* action)
{
    bool handled = false;
    if (OnUpdate)
        OnUpdate(action, handled);
    return handled;
}

void TCustomActionList::UpdateActions()
{
    if (state_ != asNormal)
        return;
    const std::vector<TContainedAction*> actions = actions_;
    for (TContainedAction* action : actions)
        action->Update();
}

void TCustomActionList::SetState(TActionListState state)
{
    if (state == state_)
        return;
    state_ = state;
    if (state == asSuspendedEnabled)
        for (TContainedAction* contained : actions_)
            if (auto* action = dynamic_cast<TCustomAction*>(contained))
                action->SetEnabled(true);
}

void UpdateAllActions()
{
    const std::vector<TCustomActionList*> lists = AllLists();
    for (TCustomActionList* list : lists)
        list->UpdateActions();
}

// --- TControlActionLink ----------------------------------------------------------------------------------

TControlActionLink::TControlActionLink(TControl* client) : TBasicActionLink(client), control_(client) {}

bool TControlActionLink::IsCaptionLinked() const
{
    return dynamic_cast<TCustomAction*>(action_) != nullptr;
}

bool TControlActionLink::IsEnabledLinked() const
{
    return dynamic_cast<TCustomAction*>(action_) != nullptr;
}

bool TControlActionLink::IsHintLinked() const
{
    return dynamic_cast<TCustomAction*>(action_) != nullptr;
}

bool TControlActionLink::IsVisibleLinked() const
{
    return dynamic_cast<TCustomAction*>(action_) != nullptr;
}

void TControlActionLink::SetCaption(const std::string& value)
{
    control_->SetCaption(value);
}

void TControlActionLink::SetEnabled(bool value)
{
    control_->SetEnabled(value);
}

void TControlActionLink::SetHint(const std::string& value)
{
    control_->SetHint(value);
}

void TControlActionLink::SetVisible(bool value)
{
    control_->SetVisible(value);
}
