#pragma once

#include "support/streams.h"

#include <cstdint>
#include <string>

// Reader of the identification and header of an ELF file: class (32 or 64-bit), file type and machine, with
// a short description such as "ELF shared object x86-64". The reader never changes a file.

// "executable", "shared object", else "type" and the number.
std::string GetElfFileTypeName(uint16_t fileType);
// "x86-64", "AArch64", "i386", "ARM", else "machine" and the number.
std::string GetElfMachineName(uint16_t machine);

class TElfFile
{
public:
    const std::string& FileName() const { return FFileName; }
    // Only stores the name; ReadFileInfo reads the file.
    void SetFileName(const std::string& fileName) { FFileName = fileName; }

    // Reads the named file's header. A missing, short or foreign file leaves IsValidElfFile false; a file
    // that exists but cannot be opened raises EFOpenError.
    void ReadFileInfo();
    // The same reading over bytes open as a stream.
    void ReadStreamInfo(TStream& stream);

    bool IsValidElfFile() const { return FIsValidElfFile; }
    // 32 or 64; 0 when unknown.
    uint8_t Bits() const { return FBits; }
    bool IsBigEndian() const { return FIsBigEndian; }
    uint16_t FileType() const { return FFileType; }
    uint16_t Machine() const { return FMachine; }
    // Such as "ELF shared object x86-64"; empty for a file that is not valid.
    const std::string& InfoStr() const { return FInfoStr; }

private:
    std::string FFileName;
    bool FIsValidElfFile = false;
    uint8_t FBits = 0;
    bool FIsBigEndian = false;
    uint16_t FFileType = 0;
    uint16_t FMachine = 0;
    std::string FInfoStr;
};
