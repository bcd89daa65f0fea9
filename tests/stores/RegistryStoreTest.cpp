#include "RegistryStore.h"

#include "RegistryFixture.h"

#include <gtest/gtest.h>

namespace {

const std::string kKey = "Software\\CorvalisTest\\Stores";

class RegistryStoreTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteUserKey("Software\\CorvalisTest"); }
    void TearDown() override { DeleteUserKey("Software\\CorvalisTest"); }
};

TEST_F(RegistryStoreTest, ReadsAValueLongerThanTheFirstBufferWhole) {
    const std::string text(5000, 'x');
    PutUserValue(kKey, "Long", REG_SZ, text + std::string(1, '\0'));
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, "Long"), text);
}

} // namespace
