#pragma once

// How a cell's text that does not fit is shown: cut, ended with an ellipsis, shortened inside a path, or
// wrapped onto further lines.
enum TWrapKind
{
    wkNone,
    wkEllipsis,
    wkPathEllipsis,
    wkWordWrap
};
