#pragma once
// The two random generators of the game.
//
// `LcgRandom` is the table's classic 32-bit linear congruential generator, seeded
// from the time of day at every shuffle. It is kept exactly so a shuffle can be
// reproduced from a clock reading. `Xoshiro256` shuffles the analysis: seeded once
// per run and never reseeded, so millions of fast shuffles neither repeat a shoe
// nor run through the period of a 32-bit generator.

#include <cstdint>

namespace velmora {

struct TimeOfDay {
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Millisecond = 0;
};

class LcgRandom {
public:
    // seed := ((hour x 60 + minute) x 60 + second) x 1000 + millisecond.
    void SeedFromClock(const TimeOfDay& now) {
        Seed = static_cast<uint32_t>(((now.Hour * 60 + now.Minute) * 60 + now.Second) * 1000 +
                                     now.Millisecond);
    }

    // An integer in 0..n-1: the next seed scaled by n (unsigned 64-bit product).
    uint32_t Random(uint32_t n) {
        Seed = Seed * 134775813u + 1u;
        return static_cast<uint32_t>((static_cast<uint64_t>(Seed) * n) >> 32);
    }

    uint32_t Seed = 0;
};

class Xoshiro256 {
public:
    explicit Xoshiro256(uint64_t seed = 0) { Reseed(seed); }

    // The four state words come from SplitMix64, so any seed (even 0) is fine.
    void Reseed(uint64_t seed);

    uint64_t Next() {
        const uint64_t result = Rotl(s_[1] * 5, 7) * 9;
        const uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = Rotl(s_[3], 45);
        return result;
    }

    // Unbiased integer in 0..n-1 (Lemire's multiply-and-reject on 64 bits); n > 0.
    uint32_t Below(uint32_t n) {
        unsigned __int128 m = static_cast<unsigned __int128>(Next()) * n;
        if (static_cast<uint64_t>(m) < n) [[unlikely]] {
            const uint64_t threshold = (0ull - n) % n;
            while (static_cast<uint64_t>(m) < threshold)
                m = static_cast<unsigned __int128>(Next()) * n;
        }
        return static_cast<uint32_t>(m >> 64);
    }

private:
    static uint64_t Rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    uint64_t s_[4];
};

}  // namespace velmora
