#include "text/IntegerText.h"

#include <gtest/gtest.h>

namespace tabulex::text {
namespace {

TEST(ParseIntegerTest, Cases) {
    struct Case {
        const char* Text;
        std::optional<int> Expected;
    } cases[] = {{"12", 12},
                 {" 12", 12},
                 {"-3", -3},
                 {"+4", 4},
                 {"$1F", 31},
                 {"0x10", 16},
                 {"12 ", std::nullopt},
                 {"", std::nullopt},
                 {"-", std::nullopt},
                 {"12a", std::nullopt},
                 {"2147483647", 2147483647},
                 {"2147483648", std::nullopt},
                 {"-2147483648", -2147483647 - 1}};
    for (const Case& c : cases) EXPECT_EQ(ParseInteger(c.Text), c.Expected) << c.Text;
}

}  // namespace
}  // namespace tabulex::text
