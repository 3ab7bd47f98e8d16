#include "core/Input.h"

namespace varnholt {

namespace {

// Each button of the column beside the reels starts the action of its name.
InputAction actionOf(MachineButton button)
{
    switch (button) {
    case MachineButton::BetOne:
        return InputAction::BetOne;
    case MachineButton::BetMax:
        return InputAction::BetMax;
    case MachineButton::Spin:
        break;
    }
    return InputAction::Spin;
}

void addStep(PressPlan &plan, InputAction action, int reel = -1)
{
    plan.steps[plan.count++] = {action, reel};
}

const KeyBinding *bindingFor(int keyCode)
{
    for (const KeyBinding &binding : kKeyBindings)
        if (binding.keyCode == keyCode)
            return &binding;
    return nullptr;
}

} // namespace

bool canNudge(const GameState &state) { return state.NudgeAllowed && state.Nudges > 0; }

PressPlan planPress(const GameState &state, PlayPhase phase, const Layout &layout, int x, int y)
{
    PressPlan plan;
    const bool busy = busyIn(phase);
    if (!busy && canNudge(state))
        if (const auto reel = nudgeButtonAt(layout, x, y))
            addStep(plan, InputAction::NudgeReel, *reel);
    if (!busy)
        if (const auto button = machineButtonAt(layout, x, y))
            addStep(plan, actionOf(*button));
    if (!busy && kCoinSlotArea.contains(layout, x, y))
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

std::optional<InputAction> actionForKey(PlayPhase phase, int keyCode)
{
    const KeyBinding *binding = bindingFor(keyCode);
    if (busyIn(phase) || !binding || binding->action == InputAction::NudgeReel)
        return std::nullopt;
    return binding->action;
}

PressPlan planKey(const GameState &state, PlayPhase phase, int keyCode)
{
    PressPlan plan;
    const KeyBinding *binding = bindingFor(keyCode);
    if (!binding)
        return plan;
    if (binding->action != InputAction::NudgeReel) {
        if (const auto action = actionForKey(phase, keyCode))
            addStep(plan, *action);
        return plan;
    }
    if (!busyIn(phase) && canNudge(state))
        addStep(plan, InputAction::NudgeReel, binding->reel);
    addStep(plan, InputAction::CloseNudgeOfferIfOut);
    return plan;
}

} // namespace varnholt
