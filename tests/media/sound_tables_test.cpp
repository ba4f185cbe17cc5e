// The sound library's bookkeeping on its own: sample ids and the channel
// countdown, with frame times as the shell would give them.
#include <gtest/gtest.h>

#include "media/sound_tables.h"

namespace {

SoundDevice::Sample* FakeHandle(uintptr_t n) {
    return reinterpret_cast<SoundDevice::Sample*>(n);
}

// Frames of frameTime until the channel is no longer known.
int FramesUntilReleased(ChannelSlots& slots, int32_t channel, float frameTime,
                        float loopDuration = 0) {
    for (int frame = 1; frame <= 10000; ++frame) {
        slots.Countdown(frameTime, [&](const ChannelSlot&) { return loopDuration; });
        if (!slots.Find(channel)) return frame;
    }
    return -1;
}

} // namespace

TEST(SampleTable, SamePathSameIdAndDeletedPathsGetNewIds) {
    SampleTable table;
    uint16_t first = table.Add("a.wav", FakeHandle(1));
    uint16_t second = table.Add("b.wav", FakeHandle(2));
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
    EXPECT_EQ(table.FindByPath("a.wav")->id, first);
    EXPECT_EQ(table.FindByPath("A.wav"), nullptr); // byte-wise, case matters
    EXPECT_EQ(table.Remove(first), FakeHandle(1));
    EXPECT_EQ(table.Remove(first), nullptr);
    EXPECT_EQ(table.Add("a.wav", FakeHandle(3)), 3);
    EXPECT_EQ(table.FindById(second)->path, "b.wav");

    EXPECT_EQ(table.TakeAll().size(), 2u);
    EXPECT_EQ(table.Size(), 0u);
    EXPECT_EQ(table.Add("c.wav", FakeHandle(4)), 4); // the counter keeps counting
}

TEST(SampleTable, WrappingCounterSkipsZeroTheFreeMarkAndIdsInUse) {
    SampleTable table;
    table.Add("kept.wav", FakeHandle(1)); // id 1 stays loaded
    for (int i = 2; i <= 65533; ++i)
        table.Remove(table.Add("x.wav", FakeHandle(2)));
    EXPECT_EQ(table.Add("y.wav", FakeHandle(3)), 65534);
    // 65535 marks a free channel slot, 0 means failure, 1 is still loaded.
    EXPECT_EQ(table.Add("z.wav", FakeHandle(4)), 2);
}

TEST(ChannelSlots, ShortSampleIsForgottenOnTheFirstFrame) {
    ChannelSlots slots;
    slots.FreeAll();
    ASSERT_TRUE(slots.Record(1, 5, false, WholeSecondDuration(11025, 22050))); // 0.5 s
    ASSERT_NE(slots.Find(5), nullptr);
    EXPECT_EQ(FramesUntilReleased(slots, 5, 0.016f), 1);
}

TEST(ChannelSlots, WholeSecondsOfFrameTimePlusOneFrame) {
    ChannelSlots slots;
    slots.FreeAll();
    float duration = WholeSecondDuration(81585, 22050); // 3.7 s
    EXPECT_EQ(duration, 3.0f);
    slots.Record(1, 7, false, duration);
    EXPECT_EQ(FramesUntilReleased(slots, 7, 0.25f), 13); // 12 frames use up 3 s
    slots.Record(1, 7, false, duration);
    EXPECT_EQ(FramesUntilReleased(slots, 7, 1.0f), 4);
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

    slots.Find(4)->paused = false;
    EXPECT_EQ(FramesUntilReleased(slots, 4, 0.5f), 3);
}

TEST(ChannelSlots, ReleasingBySampleChannelOrReuse) {
    ChannelSlots slots;
    slots.FreeAll();
    slots.Record(1, 0, true, 1.0f);
    slots.Record(1, 1, false, 1.0f);
    slots.Record(2, 2, false, 1.0f);
    slots.ReleaseSample(1);
    EXPECT_EQ(slots.InUse(), 1u);
    EXPECT_NE(slots.Find(2), nullptr);
    // A channel handed out again replaces the slot of its finished sound.
    slots.Record(3, 2, false, 5.0f);
    EXPECT_EQ(slots.InUse(), 1u);
    EXPECT_EQ(slots.Find(2)->sampleId, 3);
    slots.ReleaseChannel(2);
    EXPECT_EQ(slots.Find(2), nullptr);
}

TEST(ChannelSlots, AllSlotsTakenLeavesTheChannelUnknown) {
    ChannelSlots slots;
    slots.FreeAll();
    for (int32_t channel = 0; channel < static_cast<int32_t>(kChannelSlotCount); ++channel)
        ASSERT_TRUE(slots.Record(1, channel, true, 1.0f));
    EXPECT_FALSE(slots.Record(1, 9999, false, 1.0f));
    EXPECT_EQ(slots.Find(9999), nullptr);
}

TEST(WholeSecondDuration, RoundsDownAndSurvivesNoFrequency) {
    EXPECT_EQ(WholeSecondDuration(44099, 44100), 0.0f);
    EXPECT_EQ(WholeSecondDuration(88200, 44100), 2.0f);
    EXPECT_EQ(WholeSecondDuration(88200, 0), 0.0f);
    EXPECT_EQ(WholeSecondDuration(88200, -5), 0.0f);
}
