#include "controls/toolbars/hook_service.h"

#include "platform/gui/windows/hooks.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace {

constexpr int HookTypeCount = 3;

// The thread's installed hooks and, per type, how many registrations need each.
struct THookInfo
{
    std::array<HHOOK, HookTypeCount> Handles{};
    std::array<int, HookTypeCount> Counts{};
};

// One user (registering object) of a procedure, with the hook types it holds a count for.
struct THookUserData
{
    const void* User;
    THookTypes InstalledHookTypes;
};

// One registered procedure; an entry without users waits for the end of the running walks to go.
struct THookProcData
{
    THookProc Proc;
    THookProcCodes Codes;
    std::vector<THookUserData> Users;
};

// What a thread keeps. While a walk runs nothing is freed or unhooked: a procedure that unregisters the last
// user would otherwise free the list, the record and the hook the walk still stands on. The outermost walk
// releases what became unused when it ends.
struct TThreadHooks
{
    std::unique_ptr<THookInfo> Info;
    std::unique_ptr<std::vector<std::unique_ptr<THookProcData>>> Procs;
    int WalkDepth = 0;
    bool ForceUnhook = false; // the thread's hooks go, whatever the counts, at the next release

    ~TThreadHooks()
    {
        WalkDepth = 0;
        ForceUnhook = true;
        ReleaseUnused();
    }
    void ReleaseUnused();
};

thread_local TThreadHooks threadHooks;

constexpr int WindowsHookOf[HookTypeCount] = {WH_CALLWNDPROC, WH_CBT, WH_GETMESSAGE};

THookType HookTypeOf(THookProcCode code)
{
    switch (code) {
    case hpPreDestroy:
        return htCBT;
    case hpGetMessage:
        return htGetMessage;
    default:
        return htCallWndProc;
    }
}

THookTypes HookTypesOfCodes(THookProcCodes codes)
{
    THookTypes types;
    for (THookProcCode code :
         {hpSendActivate, hpSendActivateApp, hpSendWindowPosChanged, hpPreDestroy, hpGetMessage})
        if (codes.Contains(code))
            types.Include(HookTypeOf(code));
    return types;
}

constexpr THookType AllTypes[] = {htCallWndProc, htCBT, htGetMessage};

LRESULT HookProcedure(THookType type, int code, WPARAM wParam, LPARAM lParam);

void InstallHooks(THookTypes types, THookTypes& installed)
{
    TThreadHooks& s = threadHooks;
    if (!s.Info)
        s.Info = std::make_unique<THookInfo>();
    for (THookType type : AllTypes)
        if (types.Contains(type) && !installed.Contains(type)) {
            ++s.Info->Counts[type];
            installed.Include(type);
        }
    for (THookType type : AllTypes)
        if (installed.Contains(type) && !s.Info->Handles[type])
            s.Info->Handles[type] =
                SetWindowsHookEx(WindowsHookOf[type], [type](int code, WPARAM wParam, LPARAM lParam) {
                    return HookProcedure(type, code, wParam, lParam);
                });
}

void UninstallHooks(THookTypes types)
{
    TThreadHooks& s = threadHooks;
    if (s.Info)
        for (THookType type : AllTypes)
            if (types.Contains(type))
                --s.Info->Counts[type];
    s.ReleaseUnused();
}

void TThreadHooks::ReleaseUnused()
{
    if (WalkDepth > 0)
        return;
    if (Info) {
        for (THookType type : AllTypes)
            if ((ForceUnhook || Info->Counts[type] == 0) && Info->Handles[type]) {
                UnhookWindowsHookEx(Info->Handles[type]);
                Info->Handles[type] = nullptr;
            }
        const bool unused =
            std::all_of(Info->Counts.begin(), Info->Counts.end(), [](int n) { return n == 0; });
        if (unused)
            Info.reset();
    }
    ForceUnhook = false;
    if (Procs) {
        std::erase_if(*Procs, [](const auto& data) { return data->Users.empty(); });
        if (Procs->empty())
            Procs.reset();
    }
}

THookProcData* FindProc(THookProc proc)
{
    TThreadHooks& s = threadHooks;
    if (!s.Procs)
        return nullptr;
    for (auto& data : *s.Procs)
        if (data->Proc == proc)
            return data.get();
    return nullptr;
}

// The code a hook's event stands for; false for events nobody registers for.
bool EventCode(THookType type, int code, WPARAM wParam, LPARAM lParam, THookProcCode& procCode, HWND& wnd,
               WPARAM& procWParam, LPARAM& procLParam)
{
    switch (type) {
    case htCallWndProc: {
        if (code != HC_ACTION)
            return false;
        const auto* sent = reinterpret_cast<const TCWPStruct*>(lParam);
        if (sent->message == WM_ACTIVATE)
            procCode = hpSendActivate;
        else if (sent->message == WM_ACTIVATEAPP)
            procCode = hpSendActivateApp;
        else if (sent->message == WM_WINDOWPOSCHANGED)
            procCode = hpSendWindowPosChanged;
        else
            return false;
        wnd = sent->hwnd;
        procWParam = sent->wParam;
        procLParam = sent->lParam;
        return true;
    }
    case htCBT:
        if (code != HCBT_DESTROYWND)
            return false;
        procCode = hpPreDestroy;
        wnd = reinterpret_cast<HWND>(wParam);
        procWParam = 0;
        procLParam = 0;
        return true;
    case htGetMessage:
        if (code != HC_ACTION)
            return false;
        procCode = hpGetMessage;
        wnd = nullptr;
        procWParam = wParam;
        procLParam = lParam;
        return true;
    }
    return false;
}

// Calls every registered procedure for the event, in list order, each inside its own guard, then hands the
// event on to the older hooks of the kind.
LRESULT HookProcedure(THookType type, int code, WPARAM wParam, LPARAM lParam)
{
    TThreadHooks& s = threadHooks;
    // Read before any procedure runs; the hook stays in until the outermost walk ends.
    const HHOOK next = s.Info ? s.Info->Handles[type] : nullptr;
    ++s.WalkDepth;
    THookProcCode procCode;
    HWND wnd = nullptr;
    WPARAM procWParam = 0;
    LPARAM procLParam = 0;
    if (s.Procs && EventCode(type, code, wParam, lParam, procCode, wnd, procWParam, procLParam)) {
        const size_t count = s.Procs->size();
        for (size_t i = 0; i < count && i < s.Procs->size(); ++i) {
            const THookProcData& data = *(*s.Procs)[i];
            if (data.Users.empty() || !data.Codes.Contains(procCode))
                continue;
            const THookProc proc = data.Proc;
            try {
                proc(procCode, wnd, procWParam, procLParam);
            } catch (...) {
                // A procedure's failure stays with it: the other procedures and the older hooks still run.
            }
        }
    }
    LRESULT result = 0;
    try {
        result = CallNextHookEx(next, code, wParam, lParam);
    } catch (...) {
        --s.WalkDepth;
        s.ReleaseUnused();
        throw;
    }
    --s.WalkDepth;
    s.ReleaseUnused();
    return result;
}

} // namespace

void RegisterHookProc(const void* user, THookProc proc, THookProcCodes codes)
{
    TThreadHooks& s = threadHooks;
    if (!s.Procs)
        s.Procs = std::make_unique<std::vector<std::unique_ptr<THookProcData>>>();
    THookProcData* data = FindProc(proc);
    if (!data) {
        s.Procs->push_back(std::make_unique<THookProcData>(THookProcData{proc, codes, {}}));
        data = s.Procs->back().get();
    }
    auto it = std::find_if(data->Users.begin(), data->Users.end(),
                           [user](const THookUserData& u) { return u.User == user; });
    if (it == data->Users.end()) {
        data->Users.push_back({user, {}});
        it = data->Users.end() - 1;
    }
    InstallHooks(HookTypesOfCodes(codes), it->InstalledHookTypes);
}

void UnregisterHookProc(const void* user, THookProc proc)
{
    THookProcData* data = FindProc(proc);
    if (!data)
        return;
    auto it = std::find_if(data->Users.begin(), data->Users.end(),
                           [user](const THookUserData& u) { return u.User == user; });
    if (it == data->Users.end())
        return;
    const THookTypes installed = it->InstalledHookTypes;
    data->Users.erase(it);
    UninstallHooks(installed);
}

void UninstallThreadHooks()
{
    TThreadHooks& s = threadHooks;
    s.ForceUnhook = true;
    s.ReleaseUnused();
}

bool HookInstalled(THookType type)
{
    return threadHooks.Info && threadHooks.Info->Handles[type] != nullptr;
}

int HookUserCount(THookType type)
{
    return threadHooks.Info ? threadHooks.Info->Counts[type] : 0;
}

bool HookStateAllocated()
{
    return threadHooks.Info || threadHooks.Procs;
}
