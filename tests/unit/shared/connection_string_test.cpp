#include "shared/connection_string.h"

#include <gtest/gtest.h>

namespace {

TEST(ConnectionString, PasswordsMaskedWhateverTheirForm) {
    const struct {
        const char* In;
        const char* Masked;
    } cases[] = {
        {"Driver={PostgreSQL Unicode};Uid=tsr;Pwd=s3cret", "Driver={PostgreSQL Unicode};Uid=tsr;Pwd=*****"},
        {"PWD=a;Server=db1,1433", "PWD=*****;Server=db1,1433"},
        {"DSN=x; password = p w ;UID=u", "DSN=x; password =*****;UID=u"},
        {"Password={se;cr}}et};Database=tsr", "Password=*****;Database=tsr"},
        {"Driver=SQLite3;Database=/tmp/pwd=x.db", "Driver=SQLite3;Database=/tmp/pwd=x.db"},
        {"Driver=SQLite3;Pwd=", "Driver=SQLite3;Pwd=*****"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.Masked, MaskConnectionPassword(c.In)) << c.In;
}

TEST(ConnectionString, PasswordsHiddenInADriversText) {
    const std::string connection = "Driver=X;Uid=tsr;Pwd={se;cr}}et};Password=other";
    EXPECT_EQ("login failed for tsr with ***** and *****",
              HidePasswords("login failed for tsr with se;cr}et and other", connection));
    EXPECT_EQ("nothing secret", HidePasswords("nothing secret", "Driver=X"));
}

}  // namespace
