#include "core/Input.h"

namespace varnholt {

bool HitArea::containsX(const Layout &layout, int x) const
{
    return layout.Scale(left) <= x && x <= layout.Scale(right);
}

bool HitArea::containsY(const Layout &layout, int y) const
{
    return layout.Scale(top) <= y && y <= layout.Scale(bottom);
}

bool HitArea::contains(const Layout &layout, int x, int y) const
{
    return containsX(layout, x) && containsY(layout, y);
}

namespace {

std::optional<int> nudgeButtonAt(const Layout &layout, int x, int y)
{
    if (!kNudgeButtonAreas[0].containsY(layout, y))
        return std::nullopt;
    for (int reel = 0; reel < int(kNudgeButtonAreas.size()); ++reel)
        if (kNudgeButtonAreas[reel].containsX(layout, x))
            return reel;
    return std::nullopt; // between buttons
}

std::optional<InputAction> machineButtonAt(const Layout &layout, int x, int y)
{
    if (!kSpinButtonArea.containsX(layout, x))
        return std::nullopt;
    if (kBetOneButtonArea.containsY(layout, y))
        return InputAction::BetOne;
    if (kBetMaxButtonArea.containsY(layout, y))
        return InputAction::BetMax;
    if (kSpinButtonArea.containsY(layout, y))
        return InputAction::Spin;
    return std::nullopt;
}

void addStep(PressPlan &plan, InputAction action, int reel = -1)
{
    plan.steps[plan.count++] = {action, reel};
}

// Nudges are ignored while the machine is busy, so none can start inside a spin or another nudge.
bool nudgeOffered(const GameState &state)
{
    return state.NudgeAllowed && state.Nudges > 0 && !state.Busy;
}

const KeyBinding *bindingFor(int keyCode)
{
    for (const KeyBinding &binding : kKeyBindings)
        if (binding.keyCode == keyCode)
            return &binding;
    return nullptr;
}

} // namespace

bool onLogo(const Layout &layout, int x, int y)
{
    const int corner = layout.Scale(kLogoCorner);
    return corner <= x && x <= corner + kLogoWidth && corner <= y && y <= corner + kLogoHeight;
}

PressPlan planPress(const GameState &state, const Layout &layout, int x, int y)
{
    PressPlan plan;
    if (nudgeOffered(state))
        if (const auto reel = nudgeButtonAt(layout, x, y))
            addStep(plan, InputAction::NudgeReel, *reel);
    if (!state.Busy)
        if (const auto button = machineButtonAt(layout, x, y))
            addStep(plan, *button);
    if (!state.Busy && kCoinSlotArea.contains(layout, x, y))
        addStep(plan, InputAction::BetOne);
    addStep(plan, InputAction::CloseNudgeOfferIfOut);
    if (onLogo(layout, x, y))
        addStep(plan, InputAction::OpenGamesPage);
    return plan;
}

bool closeNudgeOfferIfOut(GameState &state)
{
    if (state.Nudges > 0)
        return false;
    state.NudgeAllowed = false;
    return true;
}

std::optional<InputAction> actionForKey(const GameState &state, int keyCode)
{
    const KeyBinding *binding = bindingFor(keyCode);
    if (state.Busy || !binding || binding->action == InputAction::NudgeReel)
        return std::nullopt;
    return binding->action;
}

PressPlan planKey(const GameState &state, int keyCode)
{
    PressPlan plan;
    const KeyBinding *binding = bindingFor(keyCode);
    if (!binding)
        return plan;
    if (binding->action != InputAction::NudgeReel) {
        if (const auto action = actionForKey(state, keyCode))
            addStep(plan, *action);
        return plan;
    }
    if (nudgeOffered(state))
        addStep(plan, InputAction::NudgeReel, binding->reel);
    addStep(plan, InputAction::CloseNudgeOfferIfOut);
    return plan;
}

} // namespace varnholt
