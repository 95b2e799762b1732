#pragma once

#include "platform/gui/services/global_memory.h"
#include "platform/gui/windows/messages.h"
#include "support/basic_types.h"

#include <string>
#include <vector>

// Files dropped from the file manager. A window that accepts files (DragAcceptFiles) gets WM_DROPFILES
// with a drop handle in WParam; DragQueryFile reads the names from it and DragFinish releases it (the
// handle is released after the message anyway). The same block, a file list with its header, is the
// CF_HDROP format of a data object.

using HDROP = HGLOBAL;

// The header of a file list; the names follow at byte offset pFiles, each ending in a zero, the list
// ending in an empty name. Names are UTF-8 here unless fWide says UTF-16.
struct DROPFILES
{
    uint32_t pFiles = sizeof(DROPFILES);
    int32_t x = 0; // the drop point in the window's client coordinates
    int32_t y = 0;
    int32_t fNC = 0; // the drop point lies outside the client area
    int32_t fWide = 0;
};

// A file list; nullptr when the memory cannot be had.
HDROP MakeDropFiles(const std::vector<std::string>& fileNames, TPoint point = {}, bool nonClient = false);
// The names of a file list; none for a block that is not one.
std::vector<std::string> DropFileNames(HGLOBAL block);
std::vector<std::string> DropFileNamesOfBytes(const std::string& bytes);

constexpr unsigned DragQueryFileCount = 0xFFFFFFFF;
// With index DragQueryFileCount, the number of files. Otherwise the length in bytes of file index's name,
// copied into buffer when one is given: at most size - 1 bytes, cut at a whole character, and a zero. 0 for
// an index beyond the list.
unsigned DragQueryFile(HDROP drop, unsigned index, char* buffer, unsigned size);
// The name of file index; "" beyond the list.
std::string DragQueryFileName(HDROP drop, unsigned index);
// The drop point in client coordinates; true when it lies in the client area.
bool DragQueryPoint(HDROP drop, TPoint& point);
void DragFinish(HDROP drop);

// Lets the window take files dropped on it (WM_DROPFILES), or stops it.
void DragAcceptFiles(HWND window, bool accept);
