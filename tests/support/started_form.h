#pragma once
// A window model after start-up, as every core test begins.

#include <memory>

#include "app/form.h"
#include "app/form_load.h"

namespace tarvel::testing {

inline std::unique_ptr<Form> startedForm() {
    auto form = std::make_unique<Form>();
    Form_Load(*form);
    return form;
}

}  // namespace tarvel::testing
