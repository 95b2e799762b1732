#include "main_window_fixture.h"

#include "gui_driver.h"

void MainWindow::SetUp()
{
    ProgramDir = Temp.MakeDir("program");
    ConfigHome = Temp.Path() + "/config";
    SetWindowServices(&Services);
}

void MainWindow::TearDown()
{
    if (Form) {
        Form->Free();
        Form = nullptr;
        Pump();
    }
    SetWindowServices(nullptr);
}

TFormMain* MainWindow::Start(std::vector<std::string> arguments)
{
    TMainStartup startup;
    startup.ExecutablePath = ProgramDir + "/quillmark";
    startup.Storage.ConfigHome = ConfigHome;
    startup.Arguments = std::move(arguments);
    Form = new TFormMain(nullptr, startup);
    Form->Show();
    Pump();
    return Form;
}

void MainWindow::CloseAndFree()
{
    Form->Close();
    Form->Free();
    Form = nullptr;
    Pump();
}
