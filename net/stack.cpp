#include "net/stack.h"

void TStack::Push(const std::string& name) {
    if (count >= kRoom)
        return;
    items[static_cast<size_t>(count)] = name;
    ++count;
}

void TStack::Pop(std::string& name) {
    if (IsEmpty())
        return;
    --count;
    name = items[static_cast<size_t>(count)];
}
