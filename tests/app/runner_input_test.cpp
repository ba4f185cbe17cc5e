// The runner's input queue: what it turns script calls into, when it hands
// them on, and how much it holds.
#include <gtest/gtest.h>

#include <string>

#include "app/runner_input.h"
#include "support/event_recorder.h"

namespace {

TEST(RunnerInput, EventsWaitForDeliveryAndMovesAreDragsOnlyWhileAButtonIsHeld) {
    EventRecorder::Route(true);
    InputQueue queue;
    queue.Move(5, 6);
    queue.Button(2, true, 7, 8);
    queue.Move(9, 10);
    queue.Button(2, false, 9, 10);
    queue.Move(11, 12);
    queue.Keys("ab", platform::kShiftModifier);
    queue.SpecialKey(101, platform::kAltModifier);
    EXPECT_EQ(EventRecorder::log, "");
    EXPECT_EQ(queue.Pending(), 8u);

    queue.Deliver();
    EXPECT_EQ(queue.Pending(), 0u);
    EXPECT_EQ(EventRecorder::log,
              "filter hover 0,0 @5,6\nfilter button 2,0 @7,8\n"
              "filter drag 0,0 @9,10\nfilter button 2,1 @9,10\n"
              "filter hover 0,0 @11,12\nfilter key 97,0 @11,12 mod 1\n"
              "filter key 98,0 @11,12 mod 1\nfilter special 101,0 @11,12 mod 4\n");
}

TEST(RunnerInput, CtrlTurnsLettersAndTheirNeighboursIntoControlCharacters) {
    const struct {
        const char* name;
        char typed;
        int delivered;
    } rows[] = {
        {"a letter", 'a', 1}, {"an opening bracket", '[', 27}, {"a digit stays", '2', '2'},
    };
    for (const auto& row : rows) {
        EventRecorder::Route(true);
        InputQueue queue;
        queue.Keys(std::string(1, row.typed), platform::kCtrlModifier);
        queue.Deliver();
        EXPECT_EQ(EventRecorder::log,
                  "filter key " + std::to_string(row.delivered) + ",0 @0,0 mod 2\n")
            << row.name;
    }
}

TEST(RunnerInput, AFullQueueRefusesWhatWouldNotFitWhole) {
    InputQueue queue;
    ASSERT_TRUE(queue.Keys(std::string(InputQueue::kMaxPending - 1, 'k'), 0));
    EXPECT_FALSE(queue.Keys("ab", 0));
    EXPECT_TRUE(queue.Move(1, 1));
    EXPECT_FALSE(queue.Move(2, 2));
    EXPECT_FALSE(queue.Button(0, true, 2, 2));
    EXPECT_FALSE(queue.SpecialKey(1, 0));
    EXPECT_EQ(queue.Pending(), InputQueue::kMaxPending);
    platform::RouteEvents({}, {});
    queue.Deliver();
    EXPECT_TRUE(queue.Move(2, 2));
}

// A control that runs a script sending events while one is delivered: those
// wait for the next frame.
TEST(RunnerInput, EventsQueuedDuringDeliveryWaitForTheNextOne) {
    static InputQueue queue;
    platform::RouteEvents({.mouse =
                               [](int, int, int, int) {
                                   queue.Move(1, 1);
                                   return true;
                               }},
                          {});
    queue.Button(0, true, 0, 0);
    queue.Deliver();
    EXPECT_EQ(queue.Pending(), 1u);
}

} // namespace
