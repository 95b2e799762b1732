#pragma once

// Pictures decoded by the toolkit's readers, for the layer's own sources only.

#include <QImage>

#include <string>
#include <string_view>

// The picture in bytes, in format (nullptr: the format the bytes announce; bytes not in a given format do
// not decode). Raises EInvalidGraphic, naming kind, for bytes that do not decode and, before any pixel is
// decoded, for a picture that declares a size beyond the readers' limits.
QImage ReadImage(std::string_view bytes, const char* format, const std::string& kind);
