#pragma once

// The file list view on a plain test form with adding files beside it, over a temporary folder of files
// the tests create; the analysis is off unless a test turns it on.

#include "app/main/file_adding.h"
#include "app/main/file_list_view.h"
#include "controls/grid/column.h"
#include "controls/grid/data_grid.h"
#include "gui_driver.h"
#include "platform/gui/services/dialogs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <unistd.h>

class FileListFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "qm_filelist_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        form = ShowTestForm(900, 360);
        view = std::make_unique<TFileListView>(form, form);
        view->OnListChanged = [this] { ++listChanges; };
        TFileAddingCallbacks callbacks;
        callbacks.InitControls = [this] { ++initControls; };
        callbacks.UpdateInitialFolders = [this](const std::string& dir) { initialFolders.push_back(dir); };
        callbacks.ProcessMessages = [this] {
            ++pumps;
            if (duringPump)
                duringPump();
        };
        callbacks.ShowError = [this](const std::string& text) { errors.push_back(text); };
        callbacks.DragAcceptDirectories = [this] { return acceptFolders; };
        callbacks.ChooseFolder = [](const std::string& start) -> std::optional<std::string> {
            std::string folder = start;
            return SelectDirectory("", folder) ? std::optional(folder) : std::nullopt;
        };
        adding = std::make_unique<TFileAdding>(*view, form, callbacks);
        adding->AnalysisMode = [this] { return mode; };
    }
    void TearDown() override
    {
        adding.reset();
        view.reset();
        form->Free();
        std::filesystem::remove_all(folder);
    }

    // Creates a file (and its folders) under the temporary folder; answers its full name.
    std::string MakeFile(const std::string& relative, const std::string& content = "")
    {
        const std::filesystem::path path = std::filesystem::path(folder) / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path) << content;
        return path.string();
    }
    std::string Path(const std::string& relative) const
    {
        return (std::filesystem::path(folder) / relative).string();
    }
    TDataGrid& Grid() const { return *view->Grid(); }
    // The file names of the rows, top to bottom.
    std::vector<std::string> ShortNames() const
    {
        std::vector<std::string> names;
        for (int row = 0; row < view->RowCount(); ++row)
            names.push_back(view->GetNgShortFileName(row));
        return names;
    }
    std::string CellText(TGxCustomColumn* column, int row) const
    {
        return Grid().GetDrawText(column->Index(), row);
    }

    std::string folder;
    TForm* form = nullptr;
    std::unique_ptr<TFileListView> view;
    std::unique_ptr<TFileAdding> adding;
    TFileAnalysis mode = faNone;
    bool acceptFolders = true;
    int listChanges = 0, initControls = 0, pumps = 0;
    std::function<void()> duringPump;
    std::vector<std::string> initialFolders, errors;
};
