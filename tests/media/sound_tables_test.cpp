// The sound library's bookkeeping on its own: sample ids and the channel
// slots, where the null-output tests cannot reach: 65534 loads, a
// channel reused before its slot ran out, more sounds than the device plays.
#include <gtest/gtest.h>

#include "media/sound_tables.h"

namespace {

SoundDevice::Sample* FakeHandle(uintptr_t n) {
    return reinterpret_cast<SoundDevice::Sample*>(n);
}

} // namespace

TEST(SampleTable, WrappingCounterSkipsZeroTheFreeMarkAndIdsInUse) {
    SampleTable table;
    table.Add("kept.wav", FakeHandle(1)); // id 1 stays loaded
    for (int i = 2; i <= 65533; ++i)
        table.Remove(table.Add("x.wav", FakeHandle(2)));
    EXPECT_EQ(table.Add("y.wav", FakeHandle(3)), 65534);
    // 65535 marks a free channel slot, 0 means failure, 1 is still loaded.
    EXPECT_EQ(table.Add("z.wav", FakeHandle(4)), 2);
}

TEST(ChannelSlots, AChannelHandedOutAgainReplacesItsSlotAndThe513thIsUnknown) {
    ChannelSlots slots;
    slots.FreeAll();
    slots.Record(2, 2, false, 1.0f);
    slots.Record(3, 2, false, 5.0f);
    EXPECT_EQ(slots.InUse(), 1u);
    EXPECT_EQ(slots.Find(2)->sampleId, 3);

    for (int32_t channel = 10; slots.InUse() < kChannelSlotCount; ++channel)
        ASSERT_TRUE(slots.Record(1, channel, true, 1.0f));
    EXPECT_FALSE(slots.Record(1, 9999, false, 1.0f));
    EXPECT_EQ(slots.Find(9999), nullptr);
}

TEST(WholeSecondDuration, RoundsDownAndSurvivesNoFrequency) {
    EXPECT_EQ(WholeSecondDuration(44099, 44100) + WholeSecondDuration(88200, 0), 0.0f);
    EXPECT_EQ(WholeSecondDuration(88200, -5), 0.0f);
}
