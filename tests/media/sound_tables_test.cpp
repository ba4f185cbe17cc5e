// The sound library's bookkeeping on its own: sample ids and the channel
// slots, where the null-output tests cannot reach.
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

TEST(ChannelSlots, LoopingSlotsAreReArmedAndPausedSlotsWait) {
    ChannelSlots slots;
    slots.FreeAll();
    slots.Record(1, 3, true, 2.0f);
    slots.Record(2, 4, false, 1.0f);
    slots.Find(4)->paused = true;
    int rearmed = 0;
    for (int frame = 0; frame < 100; ++frame)
        slots.Countdown(0.1f, [&](const ChannelSlot& slot) {
            EXPECT_EQ(slot.channel, 3);
            ++rearmed;
            return 2.0f;
        });
    EXPECT_EQ(rearmed, 4); // 10 s of frames over a 2 s loop
    ASSERT_NE(slots.Find(3), nullptr);
    ASSERT_NE(slots.Find(4), nullptr);
    EXPECT_FLOAT_EQ(slots.Find(4)->remaining, 1.0f);
}

TEST(ChannelSlots, ChannelsAreReleasedBySampleOrReuseAndThe513thIsUnknown) {
    ChannelSlots slots;
    slots.FreeAll();
    slots.Record(1, 0, true, 1.0f);
    slots.Record(1, 1, false, 1.0f);
    slots.Record(2, 2, false, 1.0f);
    slots.ReleaseSample(1);
    EXPECT_EQ(slots.InUse(), 1u);
    // A channel handed out again replaces the slot of its finished sound.
    slots.Record(3, 2, false, 5.0f);
    EXPECT_EQ(slots.InUse(), 1u);
    EXPECT_EQ(slots.Find(2)->sampleId, 3);

    for (int32_t channel = 10; slots.InUse() < kChannelSlotCount; ++channel)
        ASSERT_TRUE(slots.Record(1, channel, true, 1.0f));
    EXPECT_FALSE(slots.Record(1, 9999, false, 1.0f));
    EXPECT_EQ(slots.Find(9999), nullptr);
}

TEST(WholeSecondDuration, RoundsDownAndSurvivesNoFrequency) {
    EXPECT_EQ(WholeSecondDuration(81585, 22050), 3.0f); // 3.7 s
    EXPECT_EQ(WholeSecondDuration(44099, 44100), 0.0f);
    EXPECT_EQ(WholeSecondDuration(88200, 0), 0.0f);
    EXPECT_EQ(WholeSecondDuration(88200, -5), 0.0f);
}
