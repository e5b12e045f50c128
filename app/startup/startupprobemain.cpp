// The start-up probe: the real program, measured. See startupprobe.h.
#include "app/startup/startup.h"
#include "app/startup/startupprobe.h"
#include "app/startup/translation.h"
#include "data/apppaths.h"

int main(int argc, char** argv) {
    installprobedialogs();
    StartupHooks hooks;
    hooks.launcherShown = reportlaunchershown;
    hooks.mainBuilt = finishstartupprobe;
    return runstridewell(argc, argv, chosenlanguage({}, applicationfolder()), hooks);
}
