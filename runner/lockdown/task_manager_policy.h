// The user policy that forbids Task Manager while the declaration is up.
#pragma once

#include "shared/registry.h"

extern const char kPolicyKeyPath[];
extern const char kPolicyValueName[];
// The program's own key of the user, where it notes that the policy value is
// its own: a process that is killed cannot remove the value, the next start
// does.
extern const char kProgramKeyPath[];
extern const char kPolicyMarkerName[];

// forbid: "DisableTaskMgr" = "1" (noted in the marker when this program
// writes it); otherwise the value is emptied and removed, with the marker.
void SetTaskManagerPolicy(Registry& registry, bool forbid);

// At start: removes a policy value the marker says this program set and a
// run that ended without its clean-up left behind. A value the site set
// itself (no marker) stays. True when something was removed.
bool RemoveLeftPolicy(Registry& registry);
