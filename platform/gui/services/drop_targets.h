#pragma once

#include "platform/gui/services/data_object.h"
#include "platform/gui/windows/messages.h"

#include <functional>
#include <memory>

// Drags between windows and programs over the desktop's drag and drop. A window registered with a drop
// target hears of every drag that reaches it and decides the effect; a window that accepts files (and has
// no drop target) gets the dropped files as WM_DROPFILES. DoDragDrop drags a data object of the program's
// own until it is dropped or cancelled.
//
// The desktop's drag ends on Esc (cancelled) and on the release of the button (dropped), which is what a
// drop source answers; GiveFeedback hears every change of the effect the target offers.

class QMimeData;

// S_OK; DRAGDROP_E_INVALIDHWND for a window that does not exist, DRAGDROP_E_ALREADYREGISTERED when the
// window has a target already, E_INVALIDARG without a target.
HRESULT RegisterDragDrop(HWND window, std::shared_ptr<IDropTarget> target);
// S_OK, or DRAGDROP_E_NOTREGISTERED.
HRESULT RevokeDragDrop(HWND window);

// DRAGDROP_S_DROP with the effect the target performed, or DRAGDROP_S_CANCEL with DROPEFFECT_NONE;
// E_INVALIDARG without data, a source or an allowed effect.
HRESULT DoDragDrop(IDataObject* data, IDropSource* source, uint32_t okEffects, uint32_t& effect);

// How the desktop runs a drag of the given data: the effect the drop performed, DROPEFFECT_NONE when it was
// cancelled. feedback is to be told each effect the target offers. Tests put a drag of their own in place
// of the desktop's (nullptr goes back to it).
using TDesktopDragRunner = std::function<uint32_t(QMimeData& data, uint32_t okEffects,
                                                  const std::function<void(uint32_t)>& feedback)>;
void SetDesktopDragRunner(TDesktopDragRunner runner);
