#pragma once
// One run of a scenario: a fresh window model after start-up, with recording
// surfaces on its four picture boxes and a recording message box.

#include <array>
#include <memory>
#include <string_view>

#include "app/form.h"
#include "tools/tarvel-script/recording_message_box.h"
#include "tools/tarvel-script/recording_surface.h"

namespace tarvel::script {

struct NamedSurface {
    std::string_view name;
    ControlKind kind;
};

// The four drawing surfaces, in dump order.
inline constexpr std::array<NamedSurface, 4> kSurfaces{{
    {"picIndividual", ControlKind::PicIndividual},
    {"picCombo", ControlKind::PicCombo},
    {"picSumGraph", ControlKind::PicSumGraph},
    {"picSpectrum", ControlKind::PicSpectrum},
}};

class ScriptSession {
  public:
    // Creates the window and runs its start-up, as the program does.
    ScriptSession();

    Form& form() { return *form_; }
    const RecordingSurface& recording(ControlKind kind) const;

  private:
    std::array<RecordingSurface, kSurfaces.size()> recordings_;
    RecordingMessageBox messageBox_;
    std::unique_ptr<Form> form_;
};

}  // namespace tarvel::script
