#pragma once

#include "platform/system/ini_file.h"

// An INI file read once, as a whole, when the object is made (language files, tool version files). The
// encoding follows the byte-order mark (UTF-8, UTF-16 LE or BE); without one the file is UTF-8, or
// Windows-1252 when it is not valid UTF-8. Values read as they stand after "=", without the blanks around
// them: quotes are not removed and there is no length limit, unlike TIniFile.
class TMemIniFile : public TCustomIniFile
{
public:
    explicit TMemIniFile(std::string fileName);

protected:
    std::shared_ptr<const TIniDocument> Document() const override { return FDocument; }

private:
    std::shared_ptr<const TIniDocument> FDocument;
};
