#pragma once

#include "net/httptransport.h"

// The transport every download uses: the module beside the executable,
// loaded by the first call from whichever thread makes it. Null when the
// module is missing or does not match this program; downloads then fail.
const HttpTransport* httpTransport();

// Makes later downloads use `transport` instead (null: as if the module were
// missing) until restoreHttpTransport(). For tests.
void replaceHttpTransport(const HttpTransport* transport);
void restoreHttpTransport();
