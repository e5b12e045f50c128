#pragma once

#include <string>

// `stridewell --plan FILE`: the plan of a circuit file, one phase a line
// ("rest<TAB>10<TAB>1<TAB>Squat"), then "total<TAB>planned seconds". Needs
// neither a display nor the data folder: names are printed as written.
struct PlanPrint {
    bool ok = false;
    std::string text;    // for stdout when ok
    std::string problem; // the one line for stderr otherwise
};

PlanPrint printplan(const std::string& path);
