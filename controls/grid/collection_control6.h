#pragma once

#include "controls/grid/control6.h"

#include <cstdint>
#include <string>

// The base of the 6-series container controls: with an Alpha other than 255 the control shows its parent
// through itself (it paints the parent's picture first and repaints whenever it moves).
class TGxCollectionControl6 : public TGxStyledControl6
{
public:
    explicit TGxCollectionControl6(TComponent* owner);

    uint8_t Alpha() const { return alpha_; }
    // Leaving 255 creates the window again (the see-through style needs a new window); going back does not.
    void SetAlpha(uint8_t value);
    std::string ControlName() const { return ClassName(); }
    std::string Version() const { return "6.3.2"; }
    // From another collection control Alpha is copied; anything else as the platform assigns.
    void Assign(const TPersistent* source) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void Dispatch(TMessage& message) override;

private:
    bool SeeThrough() const { return alpha_ != 255; }

    uint8_t alpha_ = 255;
};
