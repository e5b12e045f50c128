#pragma once

#include <QStringList>

#include <string>

// Opens an address in the desktop's default web browser. A browser that cannot
// be started is not reported.
void openaddress(const std::string& address);

// Test mode: addresses are recorded instead of opened.
void setBrowserTestMode(bool on);
QStringList takeOpenedAddresses();
