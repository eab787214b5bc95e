// The records that cross to the host, byte for byte as the host reads them on the 32-bit
// target. On a 64-bit build the pointer fields are wider and these layouts do not hold.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "host/host_abi.h"
#include "plugin/plugin_classes.h"

namespace {

bool ThirtyTwoBit() { return sizeof(void *) == 4; }

TEST(RecordLayout, HostMessageIsFourWordsOnThe32BitTarget) {
    if (!ThirtyTwoBit()) GTEST_SKIP() << "the 32-bit layout only holds on the 32-bit target";
    MQOption none[] = {{nullptr, nullptr}};
    HostMessage message{0x5A3C71E2, 0x2F8D4B96, 0, none};
    unsigned char bytes[16];
    ASSERT_EQ(sizeof message, sizeof bytes);
    std::memcpy(bytes, &message, sizeof bytes);
    uint32_t words[4];
    std::memcpy(words, bytes, sizeof words);
    EXPECT_EQ(words[0], 0x5A3C71E2u);
    EXPECT_EQ(words[1], 0x2F8D4B96u);
    EXPECT_EQ(words[2], 0u);
    EXPECT_EQ(words[3], static_cast<uint32_t>(reinterpret_cast<uintptr_t>(none)));
}

TEST(RecordLayout, OptionPairsAndXmlRecordsArePairsOfWordsOnThe32BitTarget) {
    if (!ThirtyTwoBit()) GTEST_SKIP() << "the 32-bit layout only holds on the 32-bit target";
    EXPECT_EQ(sizeof(MQOption), 8u);
    EXPECT_EQ(offsetof(MQOption, value), 4u);
    EXPECT_EQ(sizeof(XmlAddChild), 8u);
    EXPECT_EQ(sizeof(XmlRemoveChild), 8u);
    EXPECT_EQ(sizeof(XmlFindChild), 8u);
    EXPECT_EQ(sizeof(XmlGetText), 4u);
    EXPECT_EQ(sizeof(XmlSetText), 4u);
    EXPECT_EQ(sizeof(stelmarin::SaveRecord), 8u);
}

TEST(RecordLayout, PointsAndCommandStatesHaveTheirSizesOnEveryTarget) {
    EXPECT_EQ(sizeof(MQPoint), 12u);
    EXPECT_EQ(sizeof(stelmarin::CommandMouseState), 40u);
}

}  // namespace
