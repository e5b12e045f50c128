#pragma once

#include <string>

// The content server the program talks to, fixed at build time.
const std::string& contenthost();
int contentport();

// "http://host" (plus ":port" when the port is not 80).
std::string contentbaseurl();

// Percent-encodes text as a URL query value: every byte but A-Z a-z 0-9 - . _ ~
// ("Push up & go" -> "Push%20up%20%26%20go").
std::string percentencode(const std::string& text);

// The encyclopedia page of one exercise: base + "/kinoradex/index.php?show=" + encoded name.
std::string kinoradexpageaddress(const std::string& exercisename);

// The encyclopedia's front page.
std::string kinoradexindexaddress();
