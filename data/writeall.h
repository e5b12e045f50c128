#pragma once

#include <string_view>

// Writes every byte to the descriptor, in as many writes as it takes: a write
// that a signal interrupted (EINTR) or that took only part of the bytes, as a
// pipe or a socket does when full, is followed by another for the rest.
// False when a write fails; errno then says why (EAGAIN from a full
// descriptor that does not block, ENOSPC from a full disk). How much was
// written before the failure is not told.
bool writeall(int fd, std::string_view bytes);
