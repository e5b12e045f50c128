#pragma once

#include "data/catalogue.h"

#include <QString>

#include <vector>

class QWidget;

// The one message that names the circuit files a scan could not read, each
// with the runtime's reason, or "" when there are none.
QString unreadablecircuitsmessage(const std::vector<UnreadableFile>& files);

// Shows it when there is something to tell.
void tellunreadablecircuits(QWidget* parent, const std::vector<UnreadableFile>& files);
