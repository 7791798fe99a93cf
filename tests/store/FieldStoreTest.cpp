#include "FieldStore.h"
#include <gtest/gtest.h>
TEST(Smoke, Builds) {
    CreateFieldStore();
    SetFieldStr(5, "abc");
    EXPECT_EQ(GetFieldStr(5), "abc");
    FreeFieldStore();
}
