#pragma once
// The one stream of uniform draws that drops, "Random", fading and the
// animation's symbols share. Mersenne Twister with a fixed seed, top 24 bits
// of each output divided by 2^24: every value is an exact float in [0, 1), the
// same on every platform and compiler. It is never reseeded.

#include <cstdint>
#include <random>
#include <vector>

namespace tarvel {

class UniformGenerator {
  public:
    static constexpr std::uint32_t kSeed = 20261208u;

    float next();

    // How many values have been handed out since start (queued ones included).
    std::uint64_t count() const { return count_; }

    // Test hook: the next draws return these exact values, in order, before
    // the stream resumes where it stood.
    void queue(float value);

  private:
    std::mt19937 engine_{kSeed};
    std::uint64_t count_ = 0;
    std::vector<float> queued_;
    std::size_t queuedNext_ = 0;
};

}  // namespace tarvel
