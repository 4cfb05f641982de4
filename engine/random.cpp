#include "engine/random.h"

namespace velmora {

void Xoshiro256::Reseed(uint64_t seed) {
    for (uint64_t& word : s_) {
        seed += 0x9e3779b97f4a7c15ull;
        uint64_t z = seed;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        word = z ^ (z >> 31);
    }
}

void Xoshiro256::Jump() {
    static constexpr uint64_t kJump[] = {0x180ec6d33cfd0aba, 0xd5a61266f0c9392c,
                                         0xa9582618e03fc9aa, 0x39abdc4529b1661c};
    uint64_t s0 = 0, s1 = 0, s2 = 0, s3 = 0;
    for (uint64_t word : kJump) {
        for (int b = 0; b < 64; ++b) {
            if (word & (uint64_t{1} << b)) {
                s0 ^= s_[0];
                s1 ^= s_[1];
                s2 ^= s_[2];
                s3 ^= s_[3];
            }
            Next();
        }
    }
    s_[0] = s0;
    s_[1] = s1;
    s_[2] = s2;
    s_[3] = s3;
}

}  // namespace velmora
