#pragma once

#include "platform/gui/services/text_drag_source.h"

// The memo's exchange of rich text by drag and drop, for the layer's text drag and format walker.

// The number of the clipboard format "Rich Text Format": 0 until the formats of a drop were first walked.
inline TClipboardFormat RTFClipboardFormat = 0;
// While this is off (and nothing turns it on), rich text is neither served by a drag nor read from a drop.
inline bool RTFDragDropEnabled = false;
