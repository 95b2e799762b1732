#include "platform/gui/windows/actions.h"

#include "platform/gui/core/exceptions.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/windows/control.h"
#include "platform/gui/windows/message_views.h"

#include <algorithm>

namespace {

std::vector<TBasicAction*>& AllActions()
{
    static std::vector<TBasicAction*> actions;
    return actions;
}

template <typename T> void Forget(std::vector<T*>& list, T* item)
{
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

} // namespace

// --- TBasicAction ----------------------------------------------------------------------------------------

TBasicAction::TBasicAction(TComponent* owner) : TComponent(owner)
{
    AllActions().push_back(this);
}

TBasicAction::~TBasicAction()
{
    Destroying();
    Forget(AllActions(), this);
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
    Forget(links_, link);
}

void TBasicAction::Change()
{
    if (OnChange)
        OnChange(this);
    ForEachLink([](TBasicActionLink& link) { link.Change(); });
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
    if (actionList_)
        Forget(actionList_->actions_, this);
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

// --- TShortCutList ---------------------------------------------------------------------------------------

namespace {

TShortCut CheckedShortCut(const std::string& text)
{
    const TShortCut shortCut = TextToShortCut(text);
    if (shortCut == scNone)
        throw EConvertError("'" + text + "' is not a valid shortcut");
    return shortCut;
}

} // namespace

int TShortCutList::AddObject(const std::string& s, TObject* object)
{
    CheckedShortCut(s);
    return TStringList::AddObject(s, object);
}

void TShortCutList::InsertObject(int index, const std::string& s, TObject* object)
{
    CheckedShortCut(s);
    TStringList::InsertObject(index, s, object);
}

void TShortCutList::Put(int index, const std::string& s)
{
    CheckedShortCut(s);
    TStringList::Put(index, s);
}

TShortCut TShortCutList::ShortCuts(int index) const
{
    return TextToShortCut(Get(index));
}

int TShortCutList::IndexOfShortCut(TShortCut shortCut) const
{
    for (int i = 0; i < Count(); ++i)
        if (ShortCuts(i) == shortCut)
            return i;
    return -1;
}

// --- TCustomAction ---------------------------------------------------------------------------------------

template <typename T, typename Arg>
void TCustomAction::SetLinked(T& field, const T& value, bool (TBasicActionLink::*isLinked)() const,
                              void (TBasicActionLink::*set)(Arg))
{
    if (field == value)
        return;
    ForEachLink([&](TBasicActionLink& link) {
        if ((link.*isLinked)())
            (link.*set)(value);
    });
    field = value;
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
    ForEachLink([&](TBasicActionLink& link) {
        if (link.IsCheckedLinked())
            link.SetChecked(value);
    });
    checked_ = value;
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
    SetLinked(imageIndex_, value, &TBasicActionLink::IsImageIndexLinked, &TBasicActionLink::SetImageIndex);
}

void TCustomAction::SetHelpContext(int value)
{
    SetLinked(helpContext_, value, &TBasicActionLink::IsHelpContextLinked, &TBasicActionLink::SetHelpContext);
}

bool TCustomAction::HandlesShortCut(TShortCut shortCut) const
{
    return shortCut != scNone &&
           (shortCut == shortCut_ || secondaryShortCuts_.IndexOfShortCut(shortCut) >= 0);
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

void TCustomActionList::SetImages(TCustomImageList* images)
{
    if (images == images_)
        return;
    if (images_)
        images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_)
        images_->FreeNotification(this);
}

void TCustomActionList::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == images_)
        images_ = nullptr;
}

TCustomActionList::~TCustomActionList()
{
    Destroying();
    Forget(AllLists(), this);
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
    const TKeyView key(message);
    const TShortCut shortCut = ::ShortCut(key.Key(), key.Shift());
    if (shortCut == scNone)
        return false;
    const std::vector<TContainedAction*> actions = actions_;
    for (TContainedAction* contained : actions) {
        auto* action = dynamic_cast<TCustomAction*>(contained);
        if (!action || !action->HandlesShortCut(shortCut))
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
    // An update may free other actions: each is looked up again before it runs.
    const std::vector<TBasicAction*> actions = AllActions();
    for (TBasicAction* action : actions) {
        const auto& alive = AllActions();
        if (std::find(alive.begin(), alive.end(), action) == alive.end() || !action->HasClients())
            continue;
        auto* contained = dynamic_cast<TContainedAction*>(action);
        if (!contained || !contained->ActionList())
            action->Update();
    }
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
