#pragma once

#include <QString>

// The session bus's address, or empty: $DBUS_SESSION_BUS_ADDRESS, else
// $XDG_RUNTIME_DIR/bus when that socket exists. The usual places only:
// libdbus's own fallback would launch a new bus, which is not ours to start.
QString sessionbusaddress();
