#include "tests/support/stacked_shoe.h"

#include <gtest/gtest.h>

#include <utility>

#include "engine/shoe.h"

namespace velmora::testing {

void StackShoe(Game& g, std::initializer_list<int> values) {
    BuildShoe(g);
    size_t next = 0;
    for (int value : values) {
        size_t found = next;
        while (found < g.Shoe.size() && g.Shoe[found].Card.Value != value) ++found;
        if (found == g.Shoe.size()) {
            ADD_FAILURE() << "the shoe holds no more cards of value " << value;
            return;
        }
        std::swap(g.Shoe[next], g.Shoe[found]);
        ++next;
    }
    g.CardsDealt = 0;
    g.RunningCount = 0;
    g.AceFiveCount = 0;
}

}  // namespace velmora::testing
