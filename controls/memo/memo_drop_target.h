#pragma once

#include "platform/gui/services/data_object.h"

#include <string>
#include <vector>

class TVezCustomMemo;

// Drops from other programs (and OLE drags of the memo's own selection): a generic drop target over the
// layer's format walker, and the memo's drop target.

// A drop target for text, rich text and files. Ctrl copies, else the drop moves, within the effects the
// source allows; data that carries files is only ever copied, so that its source never deletes files that
// the target merely read.
class TAMDropTarget : public IDropTarget
{
public:
    HRESULT DragEnter(IDataObject* data, uint32_t keyState, TPoint pt, uint32_t& effect) override;
    HRESULT DragOver(uint32_t keyState, TPoint pt, uint32_t& effect) override;
    HRESULT DragLeave() override;
    HRESULT Drop(IDataObject* data, uint32_t keyState, TPoint pt, uint32_t& effect) override;

protected:
    virtual bool WantsFiles() { return true; }
    virtual bool WantsText() { return true; }
    // pt in screen coordinates.
    virtual void DropText(TPoint, const std::string&) {}
    virtual void DropRTF(TPoint, const std::string&) {}
    virtual void DropFiles(TPoint, const std::vector<std::string>&) {}
    virtual void DragMouseMove(TPoint, bool& allow) { allow = true; }
    virtual void DragMouseEnter(TPoint pt) = 0;
    // The drag left the window or ended in a drop.
    virtual void DragMouseLeave() {}
    // The keys held at the drop being handed over.
    uint32_t DropKeyState() const { return FDropKeyState; }

private:
    uint32_t EffectFromKeys(uint32_t keyState, uint32_t allowed) const;

    bool FOk = false;       // the data on offer is acceptable
    bool FHasFiles = false; // it carries files
    uint32_t FDropKeyState = 0;
};

// The drop target of one memo: text goes in where it is dropped, the first dropped file replaces the text,
// as the memo's OleDropTarget and its events allow.
class TVezMemoDropTarget : public TAMDropTarget
{
public:
    explicit TVezMemoDropTarget(TVezCustomMemo& memo) : FVezMemo(memo) {}

protected:
    bool WantsFiles() override;
    bool WantsText() override;
    void DropText(TPoint pt, const std::string& s) override;
    void DropFiles(TPoint pt, const std::vector<std::string>& files) override;
    void DragMouseMove(TPoint pt, bool& allow) override;
    void DragMouseEnter(TPoint pt) override;
    void DragMouseLeave() override;

private:
    TVezCustomMemo& FVezMemo;
};
