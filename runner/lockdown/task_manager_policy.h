// The user policy that forbids Task Manager while the declaration is up.
#pragma once

#include "shared/registry.h"

extern const char kPolicyKeyPath[];
extern const char kPolicyValueName[];

// forbid: "DisableTaskMgr" = "1"; otherwise the value is emptied and removed.
void SetTaskManagerPolicy(Registry& registry, bool forbid);
