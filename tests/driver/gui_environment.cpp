#include <QApplication>
#include <QFont>

#include <gtest/gtest.h>

// Painting, fonts and images need an application object; the suites run on the offscreen platform.
namespace {

class GuiEnvironment : public testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "test_gui";
        static char* argv[] = {name, nullptr};
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!QApplication::instance())
            app_ = new QApplication(argc, argv);
        QApplication::setFont(QFont("DejaVu Sans", 9));
    }
    void TearDown() override
    {
        delete app_;
        app_ = nullptr;
    }

private:
    QApplication* app_ = nullptr;
};

const auto* const registered = testing::AddGlobalTestEnvironment(new GuiEnvironment);

} // namespace
