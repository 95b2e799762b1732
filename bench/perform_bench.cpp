// Message dispatch against direct calls: a million Perform calls on a control, each handled by the
// control's message handler, against a million calls of a virtual function that does the same work. The
// direct calls stay virtual calls: the pointer they go through comes from outside the optimiser's sight and
// could lead to either of two classes, so none can be inlined into the loop. Prints Perform time / direct
// time at the end.

#include "platform/gui/windows/messages.h"
#include "platform/gui/windows/win_control.h"

#include "ratio_reporter.h"

namespace {

constexpr int Calls = 1000000;
constexpr uint32_t CountMessage = WM_USER + 1;

// A control that adds up the steps it is given, by message or by a direct call.
class TCounting : public TCustomControl
{
public:
    using TCustomControl::TCustomControl;
    virtual void Count(WPARAM step) { total_ += step; }
    uint64_t Total() const { return total_; }

protected:
    void Dispatch(TMessage& message) override
    {
        if (message.Msg == CountMessage) {
            Count(message.WParam);
            message.Result = 1;
            return;
        }
        TCustomControl::Dispatch(message);
    }

private:
    uint64_t total_ = 0;
};

// A second handler of the direct call, so that a TCounting pointer may lead to either class.
class TCountingTwice : public TCounting
{
public:
    using TCounting::TCounting;
    void Count(WPARAM step) override { TCounting::Count(2 * step); }
};

// Hides from the optimiser which object a pointer leads to.
template <typename T> T* Opaque(T* pointer)
{
    asm volatile("" : "+r"(pointer));
    return pointer;
}

void BM_Perform(benchmark::State& state)
{
    TCounting control(nullptr);
    TControl* target = &control;
    benchmark::DoNotOptimize(target);
    for (auto _ : state)
        for (int i = 0; i < Calls; ++i)
            target->Perform(CountMessage, 1, 0);
    benchmark::DoNotOptimize(control.Total());
}

void BM_DirectCall(benchmark::State& state)
{
    TCounting control(nullptr);
    TCountingTwice other(nullptr);
    // The argument picks the object (0: the plain counter), so the optimiser cannot know which it is.
    TCounting* target = Opaque(state.range(0) == 0 ? &control : &other);
    for (auto _ : state)
        for (int i = 0; i < Calls; ++i)
            Opaque(target)->Count(1);
    benchmark::DoNotOptimize(target->Total());
}

BENCHMARK(BM_Perform)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DirectCall)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksWithRatios(
        argc, argv, {{"A million calls", "BM_Perform", "Perform", "BM_DirectCall", "direct", ""}});
}
