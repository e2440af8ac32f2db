#include "app/uniform_generator.h"

namespace tarvel {

float UniformGenerator::next() {
    ++count_;
    if (queuedNext_ < queued_.size()) {
        const float value = queued_[queuedNext_++];
        if (queuedNext_ == queued_.size()) {
            queued_.clear();  // keeps its capacity: later draws allocate nothing
            queuedNext_ = 0;
        }
        return value;
    }
    const std::uint32_t top24 = static_cast<std::uint32_t>(engine_()) >> 8;
    return static_cast<float>(top24) * (1.0f / 16777216.0f);
}

void UniformGenerator::queue(float value) {
    queued_.push_back(value);
}

}  // namespace tarvel
