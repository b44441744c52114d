#include "framework/Poignee.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// A handle kind whose null is 0 and whose releases are recorded in order.
std::vector<int> liberees;
struct RegleEssai
{
    static int Nulle() { return 0; }
    static void Liberer(int valeur) { liberees.push_back(valeur); }
};
using CEssai = CPoignee<int, RegleEssai>;
} // namespace

TEST(Poignee, ChaqueValeurEstLibereeUneSeuleFois)
{
    liberees.clear();
    {
        CEssai a(1);
        CEssai b(std::move(a));
        CEssai c(2);
        c = std::move(b); // c's old value goes, b's moves in
        CEssai& meme = c;
        c = std::move(meme);
        EXPECT_FALSE(a.EstValide());
        EXPECT_EQ(c.Get(), 1) << "a move to itself keeps the value";
        *c.Adresse() = 3; // the value an API writes through the pointer replaces a released one
        c.Liberer();
        c.Liberer();
        CEssai d(4);
    }
    EXPECT_EQ(liberees, (std::vector<int>{2, 1, 3, 4}));
}
