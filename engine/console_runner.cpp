#include "engine/console_runner.h"

#include "engine/app_params.h"
#include "platform/system/command_line.h"
#include "platform/system/process.h"
#include "support/utf8.h"

#include <chrono>
#include <filesystem>
#include <optional>

namespace {

using TClock = std::chrono::steady_clock;

constexpr size_t ReadBufferSize = ConsoleLineLimit + 1;

// The folder of this program's executable, or "/" when the system does not tell.
std::string ExecutableFolder()
{
    const std::string folder = std::filesystem::path(GetExecutablePath()).parent_path().string();
    return folder.empty() ? "/" : folder;
}

// The length of text without a multibyte character that is cut off at its end.
size_t CompleteUtf8Length(std::string_view text)
{
    for (size_t back = 1; back <= 4 && back <= text.size(); ++back) {
        const auto byte = static_cast<unsigned char>(text[text.size() - back]);
        if ((byte & 0xC0) == 0x80) {
            continue; // a continuation byte: its lead byte is further back
        }
        const size_t needed = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return needed > back ? text.size() - back : text.size();
    }
    return text.size();
}

class TConsoleRun;
TConsoleRun* InnermostRun = nullptr;

// One child from start to end, with the state of its output lines.
class TConsoleRun
{
public:
    TConsoleRun(TProcessStartInfo startInfo, std::vector<std::string>* outputList,
                const TConsoleObserver* observer)
        : FStartInfo(std::move(startInfo)), FOutput(outputList), FObserver(observer)
    {
        FLine.reserve(ConsoleLineLimit);
    }

    int Execute()
    {
        FChild.emplace(FStartInfo);
        FOuter = InnermostRun;
        InnermostRun = this;
        try {
            const int exitCode = ReadUntilEnd();
            InnermostRun = FOuter;
            return exitCode;
        } catch (...) {
            InnermostRun = FOuter;
            throw; // the child goes with FChild: terminated and reaped
        }
    }

    bool Write(std::string_view text) { return FChild && FChild->WriteInput(text); }

    bool Terminate()
    {
        if (!FChild || FChild->Ended()) {
            return false;
        }
        FChild->SignalTerminate();
        if (!FKillTime) { // asking again must not put the forced end off
            FKillTime = TClock::now() + std::chrono::milliseconds(TChildProcess::DefaultGraceMs);
        }
        return true;
    }

private:
    int ReadUntilEnd()
    {
        std::vector<char> buffer(ReadBufferSize);
        FLastNotice = TClock::now();
        for (;;) {
            const TOutputRead read = FChild->ReadOutput(buffer.data(), buffer.size(), ConsoleIdleTickMs);
            if (read.Kind == TOutputReadKind::End) {
                break;
            }
            HandleBytes(std::string_view(buffer.data(), read.Count));
            TickWhileQuiet();
        }
        AwaitEnd();
        if (!FLine.empty() || FNewLine) {
            FlushLine(); // an empty rest after a progress line must not replace it
        }
        return FChild->ExitCode();
    }

    void AwaitEnd()
    {
        const auto giveUp = TClock::now() + std::chrono::milliseconds(ConsoleEndWaitMs);
        while (!FChild->WaitForEnd(ConsoleIdleTickMs)) {
            if (TClock::now() >= giveUp) {
                FChild->Kill();
                FChild->WaitForEnd(-1);
                return;
            }
            TickWhileQuiet();
        }
    }

    void TickWhileQuiet()
    {
        if (FKillTime && TClock::now() >= *FKillTime) {
            FChild->Kill();
            FKillTime.reset();
        }
        if (TClock::now() - FLastNotice >= std::chrono::milliseconds(ConsoleIdleTickMs)) {
            FLastNotice = TClock::now();
            if (FObserver && FObserver->OnIdle) {
                FObserver->OnIdle(FChild->ProcessId());
            }
        }
    }

    void HandleBytes(std::string_view bytes)
    {
        for (const char c : bytes) {
            if (c == '\n') {
                if (!FAfterCr) {
                    FlushLine();
                }
                FNewLine = true;
            } else if (c == '\r') {
                FlushLine();
            } else {
                FLine += c;
                if (FLine.size() >= ConsoleLineLimit) {
                    FlushPiece();
                }
            }
            FAfterCr = c == '\r';
        }
    }

    // A full line buffer becomes a line of its own; the text after it starts a new one.
    void FlushPiece()
    {
        const size_t complete = CompleteUtf8Length(FLine);
        const std::string cutCharacter = FLine.substr(complete);
        FLine.resize(complete);
        FNewLine = true;
        FlushLine();
        FNewLine = true;
        FLine = cutCharacter;
    }

    void FlushLine()
    {
        const std::string line = SanitizeUtf8(FLine);
        FLine.clear();
        if (FOutput) {
            // The observer may have removed lines; with none left, a replacing line is added.
            if (FNewLine || FOutput->empty()) {
                FOutput->push_back(line);
            } else {
                FOutput->back() = line;
            }
        }
        FNewLine = false;
        FLastNotice = TClock::now();
        if (FObserver && FObserver->OnLine) {
            FObserver->OnLine(FChild->ProcessId(), line);
        }
    }

    TProcessStartInfo FStartInfo;
    std::vector<std::string>* FOutput;
    const TConsoleObserver* FObserver;
    std::optional<TChildProcess> FChild;
    TConsoleRun* FOuter = nullptr;
    std::string FLine;
    bool FNewLine = true; // the next line is added to the list, not put in place of its last line
    bool FAfterCr = false;
    TClock::time_point FLastNotice;
    std::optional<TClock::time_point> FKillTime;
};

} // namespace

int RunConsoleApp(const std::string& appPath, const std::string& params, std::vector<std::string>* outputList,
                  const TConsoleObserver* observer, const std::string& workDir)
{
    return RunConsoleApp(appPath, SplitCommandLine(params), outputList, observer, workDir);
}

int RunConsoleApp(const std::string& appPath, const std::vector<std::string>& arguments,
                  std::vector<std::string>* outputList, const TConsoleObserver* observer,
                  const std::string& workDir)
{
    TProcessStartInfo startInfo{appPath, arguments, workDir.empty() ? ExecutableFolder() : workDir};
    TConsoleRun run(std::move(startInfo), outputList, observer);
    return run.Execute();
}

bool WriteToConsoleApp(std::string_view cmd)
{
    return InnermostRun && InnermostRun->Write(cmd);
}

bool TerminateConsoleApp()
{
    return InnermostRun && InnermostRun->Terminate();
}
