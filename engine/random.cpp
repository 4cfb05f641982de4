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

}  // namespace velmora
