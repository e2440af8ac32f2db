#include "tools/tarvel-script/script_session.h"

#include "app/form_load.h"

namespace tarvel::script {

ScriptSession::ScriptSession() : form_(std::make_unique<Form>()) {
    for (std::size_t i = 0; i < kSurfaces.size(); ++i) {
        form_->picture(kSurfaces[i].kind).attach(&recordings_[i]);
    }
    form_->messageBox = &messageBox_;
    Form_Load(*form_);
}

const RecordingSurface& ScriptSession::recording(ControlKind kind) const {
    for (std::size_t i = 0; i < kSurfaces.size(); ++i) {
        if (kSurfaces[i].kind == kind) return recordings_[i];
    }
    return recordings_.back();  // the spectrum: Form::picture's fallback too
}

}  // namespace tarvel::script
