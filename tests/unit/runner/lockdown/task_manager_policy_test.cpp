// The Task Manager policy, against an in-memory registry.
#include <gtest/gtest.h>

#include "runner/lockdown/task_manager_policy.h"
#include "support/memory_registry.h"

TEST(TaskManagerPolicyTest, ForbidsAndRemoves) {
    MemoryRegistry registry;
    SetTaskManagerPolicy(registry, true);
    EXPECT_EQ(RegGetString(registry, kHkeyCurrentUser, kPolicyKeyPath, kPolicyValueName, ""), "1");
    SetTaskManagerPolicy(registry, true);
    EXPECT_EQ(RegGetString(registry, kHkeyCurrentUser, kPolicyKeyPath, kPolicyValueName, ""), "1");
    SetTaskManagerPolicy(registry, false);
    EXPECT_FALSE(registry.ValueExists(kHkeyCurrentUser, kPolicyKeyPath, kPolicyValueName));
    SetTaskManagerPolicy(registry, false);  // nothing to remove: still fine
    EXPECT_FALSE(registry.ValueExists(kHkeyCurrentUser, kPolicyKeyPath, kPolicyValueName));
}

// Killed while the window was up: the next start lifts the policy this
// program set (its marker says so), never one the site set itself.
TEST(TaskManagerPolicyTest, NextStartRemovesOnlyAPolicyLeftByThisProgram) {
    MemoryRegistry registry;
    SetTaskManagerPolicy(registry, true);
    EXPECT_EQ(RegGetString(registry, kHkeyCurrentUser, kProgramKeyPath, kPolicyMarkerName, ""), "1");
    EXPECT_TRUE(RemoveLeftPolicy(registry));
    EXPECT_FALSE(registry.ValueExists(kHkeyCurrentUser, kPolicyKeyPath, kPolicyValueName));
    EXPECT_FALSE(registry.ValueExists(kHkeyCurrentUser, kProgramKeyPath, kPolicyMarkerName));

    MemoryRegistry site;
    RegSetString(site, kHkeyCurrentUser, kPolicyKeyPath, kPolicyValueName, "1");
    SetTaskManagerPolicy(site, true);  // already forbidden: nothing is written, no marker
    EXPECT_FALSE(RemoveLeftPolicy(site));
    EXPECT_EQ(RegGetString(site, kHkeyCurrentUser, kPolicyKeyPath, kPolicyValueName, ""), "1");
}
