#pragma once

#include <cstdint>

// The paper a circuit card is laid out for.
enum class CardPage : uint8_t { A4, Letter };
