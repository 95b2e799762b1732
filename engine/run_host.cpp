#include "engine/run_host.h"

#include "engine/file_list.h"

#include <algorithm>
#include <chrono>
#include <thread>

void PauseWithMessages(IRunHost& host, int ms, const std::function<void()>& tick)
{
    using TClock = std::chrono::steady_clock;
    constexpr auto Slice = std::chrono::milliseconds(10);
    const auto end = TClock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        host.ProcessMessages();
        if (tick)
            tick();
        const auto now = TClock::now();
        if (now >= end)
            return;
        std::this_thread::sleep_for(std::min<TClock::duration>(end - now, Slice));
    }
}

int32_t GetCheckedCount(const IFileList& files)
{
    int32_t count = 0;
    for (int32_t row = 0; row < files.RowCount(); ++row)
        count += files.IsChecked(row) ? 1 : 0;
    return count;
}
