#include "platform/system/mem_ini_file.h"

#include "platform/system/ini_document.h"

TMemIniFile::TMemIniFile(std::string fileName)
    : TCustomIniFile(std::move(fileName)),
      FDocument(std::make_shared<const TIniDocument>(TIniDocument::FromFile(FileName())))
{}
