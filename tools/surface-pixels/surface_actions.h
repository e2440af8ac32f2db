#pragma once
// The lines of actions.txt applied to the core as the page's events apply
// them: each line raises the same user actions, with the same values, that
// the page's script forwards for the DOM events the browser test sends.

#include <istream>
#include <string>

#include "app/form.h"

namespace tarvel::tools {

// Applies every line; on a line it cannot read it stops and returns
// "line N: ..." (empty when all went well).
std::string applyActions(Form& form, std::istream& lines);

}  // namespace tarvel::tools
