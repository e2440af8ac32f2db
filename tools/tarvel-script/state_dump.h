#pragma once
// The runner's four dumps, each one JSON object on one line (no newline).

#include <string>
#include <string_view>

#include "app/form.h"
#include "tools/tarvel-script/recording_surface.h"

namespace tarvel::script {

// Controls, shared flags and counters: what a user (and a test) can see.
std::string dumpState(const Form& form);

// The shared arrays over their used range.
std::string dumpArrays(const Form& form);

// The impulse diagram and the four pictures described in words, as a screen
// reader reads them out to a student.
std::string dumpWords(const Form& form);

// Every segment recorded on one surface since its last clear.
std::string dumpSurface(std::string_view name, const PictureBox& box,
                        const RecordingSurface& recording);

}  // namespace tarvel::script
