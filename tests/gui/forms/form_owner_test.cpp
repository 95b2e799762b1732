#include "platform/gui/core/exceptions.h"
#include "platform/gui/forms/application.h"
#include "window_test_support.h"

#include <QWindow>

#include <gtest/gtest.h>

namespace {

QWidget& WidgetOf(TCustomForm& form)
{
    return *form.Window().widget;
}

// The desktop window the form's window is transient for; nullptr for none.
QWindow* TransientParentOf(TCustomForm& form)
{
    QWindow* window = WidgetOf(form).windowHandle();
    return window ? window->transientParent() : nullptr;
}

// A shown main window and a shown secondary window that it owns.
class FormOwner : public testing::Test
{
protected:
    void SetUp() override
    {
        main_ = new TForm(Application);
        main_->Show();
        owned_ = new TForm(Application);
        owned_->SetOwnerForm(main_);
        owned_->Show();
    }
    void TearDown() override
    {
        if (owned_)
            owned_->Free();
        if (main_)
            main_->Free();
    }

    TForm* main_ = nullptr;
    TForm* owned_ = nullptr;
};

} // namespace

TEST_F(FormOwner, AnOwnedFormIsItsOwnersTransientUtilityWindow)
{
    EXPECT_EQ(owned_->OwnerForm(), main_);
    EXPECT_EQ(TransientParentOf(*owned_), WidgetOf(*main_).windowHandle());
    // A utility window has no task-bar entry of its own; it stays a window of its own, not a child.
    EXPECT_EQ(WidgetOf(*owned_).windowType(), Qt::Tool);
    EXPECT_TRUE(WidgetOf(*owned_).isWindow());
    EXPECT_TRUE(WidgetOf(*owned_).isVisible());
    EXPECT_EQ(WidgetOf(*main_).windowType(), Qt::Window);

    owned_->SetOwnerForm(nullptr);
    EXPECT_EQ(TransientParentOf(*owned_), nullptr);
    EXPECT_EQ(WidgetOf(*owned_).windowType(), Qt::Window);
    EXPECT_TRUE(WidgetOf(*owned_).isVisible());
}

TEST_F(FormOwner, StayingOnTopOfTheOwnerOnlyUnlessUnowned)
{
    owned_->SetFormStyle(fsStayOnTop);
    EXPECT_FALSE(WidgetOf(*owned_).windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(TransientParentOf(*owned_), WidgetOf(*main_).windowHandle());
    owned_->SetOwnerForm(nullptr);
    EXPECT_TRUE(WidgetOf(*owned_).windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    owned_->SetOwnerForm(main_);
    EXPECT_FALSE(WidgetOf(*owned_).windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(FormOwner, TheOwnersStateIsNotTheOwnedForms)
{
    // The progress window takes its Stop button while the main window is disabled.
    main_->SetEnabled(false);
    EXPECT_TRUE(WidgetOf(*owned_).isEnabled());
    main_->SetEnabled(true);
    // A window made anew (another border) keeps the forms it owns above it.
    main_->SetBorderStyle(bsSingle);
    EXPECT_EQ(TransientParentOf(*owned_), WidgetOf(*main_).windowHandle());
    owned_->SetBorderStyle(bsSizeToolWin);
    EXPECT_EQ(TransientParentOf(*owned_), WidgetOf(*main_).windowHandle());
}

TEST_F(FormOwner, AFreedOwnerLeavesTheOwnedFormAlone)
{
    main_->Free();
    main_ = nullptr;
    EXPECT_EQ(owned_->OwnerForm(), nullptr);
    ASSERT_TRUE(owned_->HandleAllocated());
    EXPECT_EQ(TransientParentOf(*owned_), nullptr);
    EXPECT_EQ(WidgetOf(*owned_).windowType(), Qt::Window);
    EXPECT_TRUE(WidgetOf(*owned_).isVisible());
}

TEST_F(FormOwner, OwnersBeforeWindowsAndNoCircles)
{
    auto* later = new TForm(Application);
    later->SetOwnerForm(owned_);
    EXPECT_FALSE(later->HandleAllocated());
    later->Show();
    EXPECT_EQ(TransientParentOf(*later), WidgetOf(*owned_).windowHandle());
    EXPECT_THROW(main_->SetOwnerForm(later), EInvalidOperation);
    EXPECT_THROW(main_->SetOwnerForm(main_), EInvalidOperation);
    EXPECT_EQ(main_->OwnerForm(), nullptr);
    later->Free();
}
