#include "ConfigSettings.h"

#include <gtest/gtest.h>

TEST(ConfigSettingsTest, FreshRecordHasNoSelectionAndEmptyTexts) {
    ConfigSettings s;
    EXPECT_EQ(s.m_nPrivateFuncMode, -1);
    EXPECT_EQ(s.m_nPrivateMemberMode, -1);
    EXPECT_EQ(s.m_bAutoStart, 0);
    EXPECT_TRUE(s.m_strTooltipMsgMax.empty());
}
