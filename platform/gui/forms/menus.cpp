#include "platform/gui/forms/menus.h"

#include "platform/gui/core/exception_reporting.h"
#include "platform/gui/core/exceptions.h"
#include "platform/gui/core/free_watch.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/qt/bitmap_impl.h"
#include "platform/gui/windows/actions.h"
#include "platform/gui/windows/control.h"
#include "platform/gui/windows/message_views.h"
#include "support/utf8.h"

#include <QActionGroup>
#include <QMenu>

#include <algorithm>
#include <map>

// --- the action link ---------------------------------------------------------------------------------------

class TMenuActionLink : public TBasicActionLink
{
public:
    explicit TMenuActionLink(TMenuItem* item) : TBasicActionLink(item), item_(item) {}
    void SetCaption(const std::string& value) override { item_->SetCaption(value); }
    void SetChecked(bool value) override { item_->SetChecked(value); }
    void SetEnabled(bool value) override { item_->SetEnabled(value); }
    void SetHint(const std::string& value) override { item_->SetHint(value); }
    void SetShortCut(TShortCut value) override { item_->SetShortCut(value); }
    void SetVisible(bool value) override { item_->SetVisible(value); }

private:
    TMenuItem* item_;
};

// --- TMenuItem ---------------------------------------------------------------------------------------------

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem()
{
    Destroying();
    actionLink_.reset();
    while (!items_.empty()) {
        TMenuItem* item = items_.back();
        items_.pop_back();
        item->parent_ = nullptr;
        item->Free();
    }
    if (parent_)
        parent_->Remove(this);
}

void TMenuItem::SetChecked(bool value)
{
    if (checked_ == value)
        return;
    checked_ = value;
    if (value && radioItem_)
        UncheckRadioSiblings();
}

void TMenuItem::SetRadioItem(bool value)
{
    radioItem_ = value;
    if (radioItem_ && checked_)
        UncheckRadioSiblings();
}

void TMenuItem::SetGroupIndex(uint8_t value)
{
    groupIndex_ = value;
    if (radioItem_ && checked_)
        UncheckRadioSiblings();
}

void TMenuItem::UncheckRadioSiblings()
{
    if (!parent_)
        return;
    for (TMenuItem* sibling : parent_->items_)
        if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_)
            sibling->checked_ = false;
}

TBasicAction* TMenuItem::Action() const
{
    return actionLink_ ? actionLink_->Action() : nullptr;
}

void TMenuItem::SetAction(TBasicAction* action)
{
    if (!action) {
        actionLink_.reset();
        return;
    }
    if (!actionLink_) {
        actionLink_ = std::make_unique<TMenuActionLink>(this);
        actionLink_->OnChange = [this](TObject*) { ActionChange(Action()); };
    }
    actionLink_->SetAction(action);
    action->FreeNotification(this);
    ActionChange(action);
}

void TMenuItem::ActionChange(TBasicAction* sender)
{
    auto* action = dynamic_cast<TCustomAction*>(sender);
    if (!action)
        return;
    caption_ = action->Caption();
    SetChecked(action->Checked());
    enabled_ = action->Enabled();
    hint_ = action->Hint();
    imageIndex_ = action->ImageIndex();
    shortCut_ = action->ShortCut();
    visible_ = action->Visible();
}

void TMenuItem::InitiateAction()
{
    if (actionLink_)
        actionLink_->Update();
}

void TMenuItem::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && actionLink_ && component == actionLink_->Action())
        actionLink_.reset();
}

TMenuItem* TMenuItem::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError("Menu index out of bounds (" + std::to_string(index) + ")");
    return items_[static_cast<size_t>(index)];
}

int TMenuItem::MenuIndex() const
{
    return parent_ ? parent_->IndexOf(this) : -1;
}

void TMenuItem::Add(TMenuItem* item)
{
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (!item)
        return;
    if (item->parent_)
        throw EInvalidOperation("Menu inserted twice");
    for (const TMenuItem* up = this; up; up = up->parent_)
        if (up == item)
            throw EInvalidOperation("A menu item cannot hold itself");
    if (index < 0 || index > Count())
        throw EListError("Menu index out of bounds (" + std::to_string(index) + ")");
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    if (item->radioItem_ && item->checked_)
        item->UncheckRadioSiblings();
}

void TMenuItem::Delete(int index)
{
    TMenuItem* item = Items(index);
    items_.erase(items_.begin() + index);
    item->parent_ = nullptr;
}

void TMenuItem::Remove(TMenuItem* item)
{
    const int index = IndexOf(item);
    if (index < 0)
        throw EListError("Menu item not found");
    Delete(index);
}

void TMenuItem::Clear()
{
    while (!items_.empty())
        items_.back()->Free();
}

int TMenuItem::IndexOf(const TMenuItem* item) const
{
    const auto found = std::find(items_.begin(), items_.end(), item);
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

TMenuItem* TMenuItem::Find(const std::string& caption) const
{
    const std::string wanted = StripHotkey(caption);
    for (TMenuItem* item : items_)
        if (SameTextIgnoreCase(StripHotkey(SplitMenuCaption(item->caption_, 0).Text), wanted))
            return item;
    return nullptr;
}

TMenu* TMenuItem::GetParentMenu() const
{
    const TMenuItem* root = this;
    while (root->parent_)
        root = root->parent_;
    return root->menu_;
}

void TMenuItem::Click()
{
    if (!enabled_)
        return;
    if (OnClick)
        OnClick(this);
    else if (actionLink_)
        actionLink_->Execute(this);
}

// --- TMenu -------------------------------------------------------------------------------------------------

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(this))
{
    items_->menu_ = this;
}

TMenu::~TMenu()
{
    Destroying();
    FreeAndNil(items_);
}

void TMenu::SetImages(TCustomImageList* images)
{
    images_ = images;
    if (images)
        images->FreeNotification(this);
}

void TMenu::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == images_)
        images_ = nullptr;
}

namespace {

TMenuItem* FindByShortCut(TMenuItem* parent, TShortCut shortCut)
{
    for (int i = 0; i < parent->Count(); ++i) {
        TMenuItem* item = parent->Items(i);
        if (item->ShortCut() == shortCut)
            return item;
        if (TMenuItem* found = FindByShortCut(item, shortCut))
            return found;
    }
    return nullptr;
}

} // namespace

TMenuItem* TMenu::FindItemByShortCut(TShortCut shortCut) const
{
    return shortCut == 0 ? nullptr : FindByShortCut(items_, shortCut);
}

bool TMenu::IsShortCut(const TMessage& message)
{
    const TKeyView key(message);
    const TShortCut shortCut = ::ShortCut(key.Key(), key.Shift());
    TMenuItem* item = FindItemByShortCut(shortCut);
    if (!item)
        return false;
    std::vector<TMenuItem*> chain; // the submenus from the top down, then the item
    for (TMenuItem* level = item; level && level != items_; level = level->Parent())
        chain.insert(chain.begin(), level);
    TFreeWatch watch;
    for (TMenuItem* level : chain) {
        watch.Watch(level);
        level->InitiateAction();
        if (!level->Enabled())
            return false;
    }
    for (TMenuItem* level : chain)
        if (watch.Alive(level))
            level->Click();
    return true;
}

// --- TPopupMenu --------------------------------------------------------------------------------------------

namespace {

// One showing of a popup menu: the desktop's menu built from the item tree, and which item each entry
// stands for. Submenus are built again each time they open, after their item's click has had the chance
// to fill them.
class TMenuShowing
{
public:
    explicit TMenuShowing(TMenu& menu) : menu_(menu) {}

    void Fill(QMenu* target, TMenuItem* parent)
    {
        std::map<int, QActionGroup*> radioGroups;
        for (int i = 0; i < parent->Count(); ++i) {
            TMenuItem* item = parent->Items(i);
            if (!item->Visible())
                continue;
            if (item->IsLine()) {
                target->addSeparator();
                continue;
            }
            watch_.Watch(item);
            QAction* action = item->Count() > 0 ? AddSubmenu(target, item) : target->addAction(QString());
            Describe(action, item);
            if (item->RadioItem()) {
                QActionGroup*& group = radioGroups[item->GroupIndex()];
                if (!group)
                    group = new QActionGroup(target);
                group->addAction(action);
            }
            items_[action] = item;
        }
    }

    // The item behind the entry the user chose, when it still exists.
    TMenuItem* Chosen(QAction* action) const
    {
        const auto found = items_.find(action);
        return found != items_.end() && watch_.Alive(found->second) ? found->second : nullptr;
    }

private:
    QAction* AddSubmenu(QMenu* target, TMenuItem* item)
    {
        QMenu* submenu = target->addMenu(QString());
        Fill(submenu, item);
        QObject::connect(submenu, &QMenu::aboutToShow, submenu, [this, submenu, item] {
            if (!watch_.Alive(item))
                return;
            GuardedCall(item, [&] {
                item->Click();
                for (int i = 0; watch_.Alive(item) && i < item->Count(); ++i)
                    item->Items(i)->InitiateAction();
            });
            submenu->clear();
            if (watch_.Alive(item))
                Fill(submenu, item);
        });
        return submenu->menuAction();
    }

    void Describe(QAction* action, TMenuItem* item) const
    {
        const TMenuCaptionParts parts = SplitMenuCaption(item->Caption(), item->ShortCut());
        QString text = QString::fromStdString(parts.Text);
        if (!parts.ShortCutText.empty())
            text += '\t' + QString::fromStdString(parts.ShortCutText);
        action->setText(text);
        action->setEnabled(item->Enabled());
        action->setStatusTip(QString::fromStdString(item->Hint()));
        if (item->Checked() || item->RadioItem()) {
            action->setCheckable(true);
            action->setChecked(item->Checked());
        }
        if (item->Default()) {
            QFont font = action->font();
            font.setBold(true);
            action->setFont(font);
        }
        TCustomImageList* images = menu_.Images();
        if (images && item->ImageIndex() >= 0 && item->ImageIndex() < images->Count()) {
            TBitmap image;
            images->GetBitmap(item->ImageIndex(), &image);
            action->setIcon(QIcon(QPixmap::fromImage(image.Internal().image)));
        }
    }

    TMenu& menu_;
    TFreeWatch watch_;
    std::map<QAction*, TMenuItem*> items_;
};

} // namespace

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::SetPopupComponent(TComponent* component)
{
    popupComponent_ = component;
    if (component)
        component->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation)
{
    TMenu::Notification(component, operation);
    if (operation == opRemove && component == popupComponent_)
        popupComponent_ = nullptr;
}

void TPopupMenu::DoPopup(TObject* sender)
{
    if (OnPopup)
        OnPopup(sender);
}

void TPopupMenu::Popup(int x, int y)
{
    SetPopupPoint(TPoint{x, y});
    DoPopup(this);
    for (int i = 0; i < Items()->Count(); ++i)
        Items()->Items(i)->InitiateAction();
    QMenu menu;
    TMenuShowing showing(*this);
    showing.Fill(&menu, Items());
    if (menu.actions().isEmpty())
        return;
    const int width = menu.sizeHint().width();
    const int left = alignment_ == paRight ? x - width : alignment_ == paCenter ? x - width / 2 : x;
    if (TMenuItem* item = showing.Chosen(menu.exec(QPoint(left, y))))
        item->Click();
}

void TPopupMenu::PopupFor(TComponent* component, int x, int y)
{
    SetPopupComponent(component);
    Popup(x, y);
}

TMenuCaptionParts SplitMenuCaption(const std::string& caption, TShortCut shortCut)
{
    const size_t tab = caption.find('\t');
    if (tab != std::string::npos)
        return {caption.substr(0, tab), caption.substr(tab + 1)};
    return {caption, ShortCutToText(shortCut)};
}
