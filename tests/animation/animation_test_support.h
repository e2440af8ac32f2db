#pragma once
// Helpers shared by the animation tests: a surface that records what it is
// given, and paths switched on the way the editor leaves them.

#include <memory>
#include <vector>

#include "app/form.h"
#include "support/path_placement.h"
#include "support/recording_surface.h"
#include "support/started_form.h"

namespace tarvel::test_support {

using testing::placePath;
using testing::RecordingSurface;
using testing::Segment;
using testing::startedForm;

using testing::kSegmentsPerEye;

}  // namespace tarvel::test_support
