#pragma once

#include "engine/file_list.h"

#include <string>
#include <vector>

// A file list of plain rows that keeps the status texts the run writes.
class FakeFileList : public IFileList
{
public:
    int32_t RowCount() const override { return static_cast<int32_t>(Files.size()); }
    bool IsChecked(int32_t row) const override { return Checked[row]; }
    std::string FullFileName(int32_t row) const override { return Files[row]; }
    void SetStatus(int32_t row, const std::string& text) override { Statuses[row] = text; }

    void Add(const std::string& file, bool checked = true)
    {
        Files.push_back(file);
        Checked.push_back(checked);
        Statuses.emplace_back();
    }

    std::vector<std::string> Files;
    std::vector<bool> Checked;
    std::vector<std::string> Statuses;
};
