#pragma once

#include <string>

class QWidget;

// Where the program's web pages open: the desktop's default browser, or in
// the tests a recorder put in its place.
class Browser {
public:
    virtual ~Browser() = default;
    // Opens the address; false when no browser could be started.
    virtual bool open(const std::string& address) = 0;
};

// The desktop's default web browser.
Browser& desktopBrowser();

// Marks every descriptor above the standard three close-on-exec, so a program
// started from here (the browser) inherits none of this one's files and
// sockets, such as those the download library opens for itself.
void closedescriptorsonexec();

// Opens the address in the browser. When no browser can be started, a message
// tells the user and shows the address, selectable, so it can be copied.
void openaddress(QWidget* parent, Browser& browser, const std::string& address);
