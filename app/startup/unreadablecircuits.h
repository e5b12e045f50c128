#pragma once

#include "data/catalogue.h"

#include <string>
#include <vector>

class QWidget;

// The one message that names the circuit files a scan could not read, or ""
// when there are none.
std::string unreadablecircuitsmessage(const std::vector<UnreadableFile>& files);

// Shows it when there is something to tell.
void tellunreadablecircuits(QWidget* parent, const std::vector<UnreadableFile>& files);
