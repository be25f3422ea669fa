#include "runner/lockdown/task_manager_policy.h"

const char kPolicyKeyPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
const char kPolicyValueName[] = "DisableTaskMgr";

void SetTaskManagerPolicy(Registry& registry, bool forbid) {
    if (forbid) {
        // Rewriting an unchanged value would wake every policy watcher on
        // each tick; the outcome is the same.
        if (RegGetString(registry, kHkeyCurrentUser, kPolicyKeyPath, kPolicyValueName, "") != "1") {
            RegSetString(registry, kHkeyCurrentUser, kPolicyKeyPath, kPolicyValueName, "1");
        }
        return;
    }
    RegSetString(registry, kHkeyCurrentUser, kPolicyKeyPath, kPolicyValueName, "");
    RegDelete(registry, kHkeyCurrentUser, kPolicyKeyPath, kPolicyValueName);
}
