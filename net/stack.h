#pragma once

#include <array>
#include <cstdint>
#include <string>

// The circuit names still to be looked at: last in, first out, at most 20.
struct TStack {
    static constexpr int32_t kRoom = 20;

    int32_t count = 0;
    std::array<std::string, kRoom + 1> items{}; // the 21st slot is never filled

    bool IsEmpty() const { return count == 0; }

    // A name beyond the room of 20 is dropped without a word.
    void Push(const std::string& name);

    // Leaves `name` as it was when the stack is empty. The popped slot keeps
    // its text.
    void Pop(std::string& name);
};
