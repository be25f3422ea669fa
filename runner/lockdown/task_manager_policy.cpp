#include "runner/lockdown/task_manager_policy.h"

const char kPolicyKeyPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
const char kPolicyValueName[] = "DisableTaskMgr";
const char kProgramKeyPath[] = "Software\\Tessarin";
const char kPolicyMarkerName[] = "Task Manager Policy Set";

namespace {

void RemovePolicy(Registry& registry) {
    RegSetString(registry, kHkeyCurrentUser, kPolicyKeyPath, kPolicyValueName, "");
    RegDelete(registry, kHkeyCurrentUser, kPolicyKeyPath, kPolicyValueName);
    RegDelete(registry, kHkeyCurrentUser, kProgramKeyPath, kPolicyMarkerName);
}

}  // namespace

void SetTaskManagerPolicy(Registry& registry, bool forbid) {
    if (forbid) {
        // Rewriting an unchanged value would wake every policy watcher on
        // each tick; the outcome is the same.
        if (RegGetString(registry, kHkeyCurrentUser, kPolicyKeyPath, kPolicyValueName, "") != "1") {
            // The marker first: a process killed between the two writes
            // leaves a marker without a value, which costs nothing.
            RegSetString(registry, kHkeyCurrentUser, kProgramKeyPath, kPolicyMarkerName, "1");
            RegSetString(registry, kHkeyCurrentUser, kPolicyKeyPath, kPolicyValueName, "1");
        }
        return;
    }
    RemovePolicy(registry);
}

bool RemoveLeftPolicy(Registry& registry) {
    if (RegGetString(registry, kHkeyCurrentUser, kProgramKeyPath, kPolicyMarkerName, "") != "1") return false;
    RemovePolicy(registry);
    return true;
}
