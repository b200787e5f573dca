// The simulator's random numbers: a small generator whose sequence is the same on every machine for
// a given seed (the standard library's distributions are not), so a seed always gives the same run.
#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>

class SimRandom {
public:
    explicit SimRandom(std::uint64_t seed) : state_(seed ^ 0x5EA7E12F00D5EEDULL) {}

    std::uint64_t next() {  // splitmix64
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double uniform() { return double(next() >> 11) * 0x1.0p-53; }
    // Uniform in [lo, hi).
    double between(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    // An integer in [0, n).
    int below(int n) { return int(uniform() * n); }
    // Standard normal (Box-Muller).
    double normal() {
        if (haveSpare_) {
            haveSpare_ = false;
            return spare_;
        }
        double u = uniform();
        while (u <= 0)
            u = uniform();
        const double v = uniform();
        const double r = std::sqrt(-2.0 * std::log(u));
        spare_ = r * std::sin(2.0 * std::numbers::pi * v);
        haveSpare_ = true;
        return r * std::cos(2.0 * std::numbers::pi * v);
    }

private:
    std::uint64_t state_;
    double spare_ = 0;
    bool haveSpare_ = false;
};
