#include "user_action.h"

#include <array>

#include "animation/timer_tick.h"
#include "app/user_actions.h"

namespace tarvel::robustness {
namespace {

constexpr std::array<const char*, 3> kSymbolTimes{"0.5", "1.0", "2.0"};
constexpr std::array<const char*, 3> kEyeSurfaces{"individual", "combo", "sum"};
constexpr std::array<ControlKind, 3> kEyeKinds{ControlKind::PicIndividual, ControlKind::PicCombo,
                                               ControlKind::PicSumGraph};

int uniformInt(std::mt19937_64& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

// Half-twip steps, so that drops also hit the rounding ties.
float uniformTwips(std::mt19937_64& random, int low, int high) {
    return static_cast<float>(uniformInt(random, 2 * low, 2 * high)) / 2.0f;
}

}  // namespace

std::string UserAction::scenarioLine() const {
    switch (kind) {
        case Kind::Click:
            return "click " + std::to_string(index);
        case Kind::Key:
            return "key " + std::to_string(index) + " #" + std::to_string(code);
        case Kind::Drag: {
            char text[96];
            std::snprintf(text, sizeof text, "drag %d %.1f %.1f", index, static_cast<double>(x),
                          static_cast<double>(y));
            return text;
        }
        case Kind::Random:
            return "random";
        case Kind::Start:
            return "start";
        case Kind::Reset:
            return "reset";
        case Kind::Tick:
            return "tick";
        case Kind::Fade:
            return "fade " + std::to_string(index);
        case Kind::Symbol:
            return std::string("symbol ") + kSymbolTimes[static_cast<std::size_t>(index)];
        case Kind::Linear:
            return "linear";
        case Kind::Memory:
            return "memory";
        case Kind::Range:
            return "range " + std::to_string(index);
        case Kind::Clear:
            return std::string("clear ") + kEyeSurfaces[static_cast<std::size_t>(index)];
    }
    return "";
}

UserAction randomAction(std::mt19937_64& random) {
    using K = UserAction::Kind;
    // Weighted towards the edits and ticks that change the most state.
    static constexpr std::array<K, 20> kWeighted{
        K::Click, K::Click, K::Click,  K::Key,    K::Key,    K::Key,    K::Drag,
        K::Drag,  K::Drag,  K::Tick,   K::Tick,   K::Tick,   K::Random, K::Fade,
        K::Start, K::Reset, K::Symbol, K::Linear, K::Memory, K::Range};
    UserAction action;
    action.kind = kWeighted[static_cast<std::size_t>(uniformInt(random, 0, 19))];
    if (uniformInt(random, 0, 49) == 0) action.kind = K::Clear;
    switch (action.kind) {
        case K::Click:
            action.index = uniformInt(random, 0, 7);
            break;
        case K::Key:
            action.index = uniformInt(random, 0, 7);
            // Mostly the editing keys, but every code from 0 to 255 now and then.
            action.code = uniformInt(random, 0, 3) == 0
                              ? uniformInt(random, 0, 255)
                              : std::array<int, 8>{117, 85, 100, 68, 108, 76, 114, 82}
                                    [static_cast<std::size_t>(uniformInt(random, 0, 7))];
            break;
        case K::Drag:
            action.index = uniformInt(random, 0, 7);
            action.x = uniformTwips(random, -3000, 17295);
            action.y = uniformTwips(random, -3000, 13515);
            break;
        case K::Fade:
            action.index = uniformInt(random, 0, 5);
            break;
        case K::Symbol:
            action.index = uniformInt(random, 0, 2);
            break;
        case K::Range:
            action.index = uniformInt(random, 0, 20);
            break;
        case K::Clear:
            action.index = uniformInt(random, 0, 2);
            break;
        default:
            break;
    }
    return action;
}

void perform(Form& form, const UserAction& action) {
    using K = UserAction::Kind;
    switch (action.kind) {
        case K::Click:
            clickMarker(form, action.index);
            break;
        case K::Key:
            keyOnMarker(form, action.index, action.code);
            break;
        case K::Drag:
            dragMarker(form, action.index, action.x, action.y);
            break;
        case K::Random:
            clickRandom(form);
            break;
        case K::Start:
            clickGo(form, 0);
            break;
        case K::Reset:
            clickGo(form, 1);
            break;
        case K::Tick:
            Timer1_Timer(form);
            break;
        case K::Fade:
            setFadeValue(form, action.index);
            break;
        case K::Symbol:
            chooseSymbol(form, action.index);
            break;
        case K::Linear:
            clickLinear(form);
            break;
        case K::Memory:
            clickMemory(form);
            break;
        case K::Range:
            setRangeValue(form, action.index);
            break;
        case K::Clear:
            clickEyeSurface(form, kEyeKinds[static_cast<std::size_t>(action.index)]);
            break;
    }
}

}  // namespace tarvel::robustness
