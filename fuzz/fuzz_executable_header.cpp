// Reads arbitrary bytes as a PE and as an ELF file.
#include "support/elf_file.h"
#include "support/pe_file.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TMemoryStream stream;
    stream.WriteBuffer(data, static_cast<int64_t>(size));
    TPeFile pe;
    pe.ReadStreamInfo(stream);
    TElfFile elf;
    elf.ReadStreamInfo(stream);
    return 0;
}
