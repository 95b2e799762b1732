#pragma once

#include "controls/memo/pascal_styler.h"

// The styler of the program's error log: the Pascal preset recoloured for the encoder's output, with eight
// elements of its own (stream numbers, "video:" and "audio:", quoted names, symbols, error words and the
// encoder's option names).
void SetUpEncoderLogStyler(TVezPascalMemoStyler& styler);
