#include "fuzz/memo_fuzz_app.h"

#include "controls/memo/vez_memo.h"

#include <QApplication>

TVezMemo& FuzzMemo()
{
    static TVezMemo* memo = new TVezMemo(nullptr);
    return *memo;
}

// The toolkit keeps the fonts it has made in caches of its own for the life of the program.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libQt6\nleak:libharfbuzz\nleak:libfontconfig\nleak:libfreetype\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    FuzzMemo();
    return 0;
}
