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
