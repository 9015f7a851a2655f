// Self-installation and removal; both end the process.
#pragma once

int RunRemoval();                 // exit code 3 (started) or 2 (declined)
int RunInstallation(bool silent); // exit code 0 or 1 (restarted elevated)
