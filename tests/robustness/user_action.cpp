#include "user_action.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <memory>

#include "animation/timer_tick.h"
#include "app/user_actions.h"

namespace tarvel::robustness {
namespace {

constexpr std::array<const char*, 3> kSymbolTimes{"0.5", "1.0", "2.0"};
// The last is no eye diagram, as the page's surface 3 is not.
constexpr std::array<const char*, 4> kSurfaceNames{"individual", "combo", "sum", "spectrum"};
constexpr std::array<ControlKind, 4> kSurfaceKinds{ControlKind::PicIndividual,
                                                   ControlKind::PicCombo, ControlKind::PicSumGraph,
                                                   ControlKind::PicSpectrum};
constexpr int kLastCharacterCode = 255;
constexpr int kMinInt = std::numeric_limits<int>::min();
constexpr int kMaxInt = std::numeric_limits<int>::max();

int uniformInt(std::mt19937_64& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

// Half-twip steps, so that drops also hit the rounding ties.
float uniformTwips(std::mt19937_64& random, int low, int high) {
    return static_cast<float>(uniformInt(random, 2 * low, 2 * high)) / 2.0f;
}

// Just beyond either end of low..high, or at an end of int's range, as a
// view or a page could hand the core.
int outside(std::mt19937_64& random, int low, int high) {
    return std::array<int, 4>{low - 1, high + 1, kMinInt,
                              kMaxInt}[static_cast<std::size_t>(uniformInt(random, 0, 3))];
}

// One value in eight lies outside low..high.
int mostlyWithin(std::mt19937_64& random, int low, int high) {
    return uniformInt(random, 0, 7) != 0 ? uniformInt(random, low, high)
                                         : outside(random, low, high);
}

// One coordinate in eight is not finite, or far beyond any window.
float mostlyTwips(std::mt19937_64& random, int low, int high) {
    if (uniformInt(random, 0, 7) != 0) return uniformTwips(random, low, high);
    constexpr float kInf = std::numeric_limits<float>::infinity();
    constexpr float kMax = std::numeric_limits<float>::max();
    return std::array<float, 6>{std::numeric_limits<float>::quiet_NaN(),
                                kInf,
                                -kInf,
                                kMax,
                                -kMax,
                                1e9f}[static_cast<std::size_t>(uniformInt(random, 0, 5))];
}

bool within(int value, int low, int high) {
    return value >= low && value <= high;
}

// The bars' limits, as the window sets them up.
const Form& freshForm() {
    static const std::unique_ptr<Form> form = std::make_unique<Form>();
    return *form;
}

// The runner refuses what the core would refuse, so a replay keeps it as a note.
std::string refused(const std::string& line) {
    return "# " + line + ": refused, nothing runs";
}

// The runner refuses a bar value the core would clamp; a replay takes the clamped one.
std::string barLine(const char* command, int value, const ScrollBar& bar) {
    const std::string line = std::string(command) + " " + std::to_string(value);
    const int clamped = std::clamp(value, bar.min, bar.max);
    if (clamped == value) return line;
    return "# " + line + ", taken as " + std::to_string(clamped) + "\n" + command + " " +
           std::to_string(clamped);
}

}  // namespace

std::string UserAction::scenarioLine() const {
    const bool markerOk = within(index, 0, kPathCount - 1);
    switch (kind) {
        case Kind::Click: {
            const std::string line = "click " + std::to_string(index);
            return markerOk ? line : refused(line);
        }
        case Kind::Key: {
            const std::string line = "key " + std::to_string(index) + " #" + std::to_string(code);
            return markerOk && within(code, 0, kLastCharacterCode) ? line : refused(line);
        }
        case Kind::Drag: {
            char text[160];
            std::snprintf(text, sizeof text, "drag %d %.1f %.1f", index, static_cast<double>(x),
                          static_cast<double>(y));
            return markerOk && std::isfinite(x) && std::isfinite(y) ? text : refused(text);
        }
        case Kind::Random:
            return "random";
        case Kind::Start:
            return index == kGoStart ? "start" : refused("go " + std::to_string(index));
        case Kind::Reset:
            return "reset";
        case Kind::Tick:
            return "tick";
        case Kind::Fade:
            return barLine("fade", index, freshForm().hscFade);
        case Kind::Symbol: {
            const int last = static_cast<int>(kSymbolTimes.size()) - 1;
            if (!within(index, 0, last)) return refused("symbol #" + std::to_string(index));
            return std::string("symbol ") + kSymbolTimes[static_cast<std::size_t>(index)];
        }
        case Kind::Linear:
            return "linear";
        case Kind::Memory:
            return "memory";
        case Kind::Range:
            return barLine("range", index, freshForm().vscSpectrumRange);
        case Kind::Clear: {
            const std::string line =
                std::string("clear ") + kSurfaceNames[static_cast<std::size_t>(index)];
            return kSurfaceKinds[static_cast<std::size_t>(index)] == ControlKind::PicSpectrum
                       ? refused(line)
                       : line;
        }
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
            action.index = mostlyWithin(random, 0, kPathCount - 1);
            break;
        case K::Key:
            action.index = mostlyWithin(random, 0, kPathCount - 1);
            // Mostly the editing keys, but every code from 0 to 255 now and then.
            action.code = uniformInt(random, 0, 3) == 0
                              ? mostlyWithin(random, 0, kLastCharacterCode)
                              : std::array<int, 8>{117, 85, 100, 68, 108, 76, 114, 82}
                                    [static_cast<std::size_t>(uniformInt(random, 0, 7))];
            break;
        case K::Drag:
            action.index = mostlyWithin(random, 0, kPathCount - 1);
            action.x = mostlyTwips(random, -3000, 17295);
            action.y = mostlyTwips(random, -3000, 13515);
            break;
        case K::Start:
            // Now and then a button that is not there.
            action.index =
                uniformInt(random, 0, 7) == 0 ? outside(random, 0, kGoCount - 1) : kGoStart;
            break;
        case K::Fade:
            action.index = mostlyWithin(random, freshForm().hscFade.min, freshForm().hscFade.max);
            break;
        case K::Symbol:
            action.index = mostlyWithin(random, 0, static_cast<int>(kSymbolTimes.size()) - 1);
            break;
        case K::Range: {
            const ScrollBar& bar = freshForm().vscSpectrumRange;
            action.index = mostlyWithin(random, bar.min, bar.max);
            break;
        }
        case K::Clear:
            action.index = uniformInt(random, 0, static_cast<int>(kSurfaceKinds.size()) - 1);
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
            clickGo(form, action.index);
            break;
        case K::Reset:
            clickGo(form, kGoReset);
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
            clickEyeSurface(form, kSurfaceKinds[static_cast<std::size_t>(action.index)]);
            break;
    }
}

}  // namespace tarvel::robustness
