#pragma once

#include <QString>

// Text from a file or a server is data. Tool tips and labels left to guess
// take anything that looks like markup ("<font size=7>", "<img src=...>") as
// rich text; given through here, such a text shows exactly as written, line
// breaks and blanks included. Text that cannot be taken for markup comes back
// unchanged. Not for widgets set to plain text, such as the program's message
// boxes (ui/dialogs): they would show the escaping. Lists, grids and editors
// show plain text anyway.
QString plaintext(const QString& text);
