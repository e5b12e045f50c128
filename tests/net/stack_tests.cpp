#include "net/stack.h"

#include <gtest/gtest.h>

TEST(TStack, popsInReverseOrderAndKeepsOnlyTwentyNames) {
    TStack stack;
    EXPECT_TRUE(stack.IsEmpty());
    for (int i = 1; i <= 25; ++i)
        stack.Push("c" + std::to_string(i));
    EXPECT_EQ(stack.count, 20);
    EXPECT_TRUE(stack.items[20].empty()); // the spare slot is never filled

    std::string name;
    stack.Pop(name);
    EXPECT_EQ(name, "c20");
    for (int i = 19; i >= 1; --i)
        stack.Pop(name);
    EXPECT_EQ(name, "c1");
    EXPECT_TRUE(stack.IsEmpty());

    // Popping an empty stack leaves the name as it was.
    name = "unchanged";
    stack.Pop(name);
    EXPECT_EQ(name, "unchanged");
    EXPECT_EQ(stack.count, 0);
}
