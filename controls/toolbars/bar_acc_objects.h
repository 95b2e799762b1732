#pragma once

#include "platform/gui/windows/accessibility.h"

// The objects accessibility clients see of menus and toolbars: one for a view (a menu bar, toolbar or popup
// menu) and one for each item viewer in it. A view keeps its object while it lives; clients may keep objects
// longer, and an object whose view or viewer went answers nothing more.

class TBarItemViewer;
class TBarView;

class TBarBaseAccObject : public IAccessibleObject
{
public:
    // The view or viewer goes.
    virtual void ClientIsDestroying() = 0;
};

class TBarViewAccObject : public TBarBaseAccObject, public std::enable_shared_from_this<TBarViewAccObject>
{
public:
    explicit TBarViewAccObject(TBarView* view) : FView(view) {}
    void ClientIsDestroying() override { FView = nullptr; }

    bool Valid() const override { return FView != nullptr; }
    HWND Window() const override;
    std::shared_ptr<IAccessibleObject> Parent() override;
    int ChildCount() override;
    std::shared_ptr<IAccessibleObject> Child(int index) override;
    std::string Name() override;
    std::string Value() override { return {}; }
    int Role() override;
    uint32_t State() override { return 0; }
    std::string KeyboardShortcut() override;
    std::string DefaultAction() override { return {}; }
    bool DoDefaultAction() override { return false; }
    bool Select() override { return false; }
    TRect Location() override;
    std::shared_ptr<IAccessibleObject> HitTest(TPoint screenPos) override;
    std::shared_ptr<IAccessibleObject> FocusedChild() override { return nullptr; }
    std::shared_ptr<IAccessibleObject> Navigate(int direction) override;

private:
    TBarView* FView;
};

class TBarItemViewerAccObject : public TBarBaseAccObject,
                                public std::enable_shared_from_this<TBarItemViewerAccObject>
{
public:
    explicit TBarItemViewerAccObject(TBarItemViewer* viewer) : FViewer(viewer) {}
    void ClientIsDestroying() override { FViewer = nullptr; }
    // The selection a client asked for, run later from the queue of posted clicks: selects the entry and,
    // with execute, runs it (outside a menu loop through the toolbar's loop).
    void HandleAccSelect(bool execute);

    bool Valid() const override { return FViewer != nullptr; }
    HWND Window() const override;
    std::shared_ptr<IAccessibleObject> Parent() override;
    int ChildCount() override;
    std::shared_ptr<IAccessibleObject> Child(int index) override;
    std::string Name() override;
    std::string Value() override;
    int Role() override;
    uint32_t State() override;
    std::string KeyboardShortcut() override;
    std::string DefaultAction() override;
    bool DoDefaultAction() override;
    bool Select() override;
    TRect Location() override;
    std::shared_ptr<IAccessibleObject> HitTest(TPoint screenPos) override;
    std::shared_ptr<IAccessibleObject> FocusedChild() override;
    std::shared_ptr<IAccessibleObject> Navigate(int direction) override;

private:
    // The item is enabled and selectable.
    bool IsItemAvailable() const;
    // The view's window shows and takes input: enabled up its parents and, outside a menu loop, active.
    bool IsWindowAvailable() const;
    bool CanExecute() const;
    bool SubmenuOpen() const;

    TBarItemViewer* FViewer;
};
