#pragma once

#include <cstdint>
#include <string>

// The file list as a conversion run sees it: rows with a check box, a full file name and a status cell.
// The main window's grid implements it; tests use a plain list.
class IFileList
{
public:
    virtual ~IFileList() = default;

    virtual int32_t RowCount() const = 0;
    // The row's check box (colActive).
    virtual bool IsChecked(int32_t row) const = 0;
    // The row's folder and file name joined by "/"; empty for a row index that is not valid.
    virtual std::string FullFileName(int32_t row) const = 0;
    // Shows the text in the row's status cell (colStatus).
    virtual void SetStatus(int32_t row, const std::string& text) = 0;
};

// The number of checked rows (0 for an empty list).
int32_t GetCheckedCount(const IFileList& files);
