#pragma once

// The entries of the share menu of the circuit editor and the information
// panel.
enum class ShareAction { Export, Import, Print };
