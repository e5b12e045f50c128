#pragma once

#include <string>

// True when a window could be shown at all: a display server to reach, or a
// platform that draws on a screen of its own (a framebuffer, VNC). Without
// one, Qt would abort at start, and on the offscreen and minimal platforms a
// message box would wait for an answer no one can give.
//   ("", ":0", "")            -> true
//   ("xcb", "", "wayland-0")  -> false
//   ("offscreen", ":0", "")   -> false
//   ("linuxfb", "", "")       -> true
bool canshowwindows(const std::string& platform, const std::string& display,
                    const std::string& waylandDisplay);

// Tells a user who started the program from the menu why it did not open: the
// data folder (without its separator; "" when there was none to name) could
// not be used for `reason`, the runtime's text. In a message box, in the
// user's language, with an application made just for it.
void showstartfailure(char* programName, const std::string& languageOption,
                      const std::string& folder, const std::string& reason);
