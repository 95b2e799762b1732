#include "controls/toolbars/accessibility.h"

namespace {

class TNoAccessibility : public IBarAccessibility
{
public:
    void NotifyWinEvent(uint32_t, HWND, int, int) override {}
    TBarBaseAccObject* ObjectForView(TBarView&) override { return nullptr; }
    TBarBaseAccObject* ObjectForViewer(TBarItemViewer&) override { return nullptr; }
    void ClientIsDestroying(TBarBaseAccObject*) override {}
    void Select(TBarBaseAccObject*, bool) override {}
    bool AnswerGetObject(TBarView&, TMessage&) override { return false; }
};

TNoAccessibility none;
IBarAccessibility* services = &none;

} // namespace

IBarAccessibility& BarAccessibility()
{
    return *services;
}

void SetBarAccessibility(IBarAccessibility* value)
{
    services = value ? value : &none;
}
