#pragma once

#include "controls/memo/pascal_styler.h"

// The styler of the program's error log: the Pascal preset recoloured for the encoder's output, with eight
// elements of its own (stream numbers, "video:" and "audio:", quoted names, symbols, error words and the
// encoder's option names).
void SetUpEncoderLogStyler(TVezPascalMemoStyler& styler);

class TVezMemo;

// The error log's memo: read-only, text only on the clipboard, nothing dropped in, no gutter, active line,
// folding, completion, right margin or scroll hint; selection in the system's highlight colours, a single
// border in medium grey, addresses in light blue, coloured by the styler and wrapped at its width.
void SetUpEncoderLogMemo(TVezMemo& memo, TVezPascalMemoStyler& styler);
