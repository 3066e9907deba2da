#include "calculator/calcspeech.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "calculator/tests/fakeclock.h"
#include "calculator/tests/recordingplayer.h"

namespace {

using testing::ElementsAre;

// A reader on fake time: one tick per processed message.
class SpeechFixture : public testing::Test {
protected:
    class Speech : public TCalcSpeech {
    public:
        using TCalcSpeech::TCalcSpeech;
        int pace = kDefaultPace;

    protected:
        int speechPace() const override { return pace; }
    };

    SpeechFixture()
    {
        auto clockOwned = std::make_unique<FakeClock>(0, 1);
        clock = clockOwned.get();
        auto playerOwned = std::make_unique<RecordingPlayer>(*clock);
        player = playerOwned.get();
        speech = std::make_unique<Speech>(std::move(playerOwned), std::move(clockOwned));
    }

    // Whole pauses the reading took on the fake clock.
    std::uint32_t pauses() const { return clock->now / speech->pace; }

    FakeClock* clock = nullptr;
    RecordingPlayer* player = nullptr;
    std::unique_ptr<Speech> speech;
};

TEST_F(SpeechFixture, TwelveInWordsTakesFivePauses)
{
    speech->readstr("壹拾贰点");
    EXPECT_THAT(player->played, ElementsAre(PlayedClip{280, "1_wav"}, PlayedClip{560, "10_wav"},
                                            PlayedClip{840, "2_wav"}, PlayedClip{1120, "point_wav"}));
    EXPECT_EQ(clock->now, 5u * 280u);
}

TEST_F(SpeechFixture, PaceComesFromTheWindow)
{
    speech->pace = 375;
    speech->read1("7");
    EXPECT_THAT(player->played, ElementsAre(PlayedClip{375, "7_wav"}));
    EXPECT_EQ(clock->now, 2u * 375u);
}

struct ReadCase {
    const char* name;
    std::string text;
    std::vector<std::string> clips;
    std::uint32_t pauses;
};

class ReadstrTest : public SpeechFixture, public testing::WithParamInterface<ReadCase> {};

TEST_P(ReadstrTest, ClipsAndPauses)
{
    speech->readstr(GetParam().text);
    EXPECT_EQ(player->clips(), GetParam().clips);
    EXPECT_EQ(pauses(), GetParam().pauses);
}

INSTANTIATE_TEST_SUITE_P(
    Words, ReadstrTest,
    testing::Values(
        ReadCase{"AllDigits", "零壹贰叁肆伍陆柒捌玖",
                 {"0_wav", "1_wav", "2_wav", "3_wav", "4_wav", "5_wav", "6_wav", "7_wav", "8_wav", "9_wav"},
                 11},
        ReadCase{"Money", "负壹佰零伍元伍角陆分",
                 {"fu_wav", "1_wav", "bai_wav", "0_wav", "5_wav", "yuan_wav", "5_wav", "jiao_wav", "6_wav",
                  "fen_wav"},
                 11},
        ReadCase{"BigUnits", "百仟万亿", {"bai_wav", "qian_wav", "wan_wav", "yi_wav"}, 5},
        // A character without a clip still takes its pause.
        ReadCase{"UnknownCharacter", "壹整贰", {"1_wav", "2_wav"}, 4},
        ReadCase{"TrailingOddByteIgnored", std::string("壹") + "7", {"1_wav"}, 2},
        ReadCase{"Empty", "", {}, 1}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

class Read1Test : public SpeechFixture, public testing::WithParamInterface<ReadCase> {};

TEST_P(Read1Test, ClipsAndPauses)
{
    speech->read1(GetParam().text);
    EXPECT_EQ(player->clips(), GetParam().clips);
    EXPECT_EQ(pauses(), GetParam().pauses);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, Read1Test,
    testing::Values(
        ReadCase{"Negative", "-12.5", {"fu_wav", "1_wav", "2_wav", "point_wav", "5_wav"}, 6},
        ReadCase{"AllDigits", "9876543210",
                 {"9_wav", "8_wav", "7_wav", "6_wav", "5_wav", "4_wav", "3_wav", "2_wav", "1_wav", "0_wav"},
                 11},
        ReadCase{"Exponent", "1E15", {"1_wav", "1_wav", "5_wav"}, 5},
        ReadCase{"Empty", "", {}, 1}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

// Handlers run inside the pauses: one that plays its own clip and replaces
// the very text being read must neither stop the reading nor disturb it.
TEST_F(SpeechFixture, HandlerDuringReadingCutsInAndReadingGoesOn)
{
    std::string shown = "壹贰叁";
    clock->onMessages = [&] {
        if (clock->now == 300) {
            player->play("c_wav");
            shown.assign(1000, 'x');
            shown.clear();
            shown.shrink_to_fit();
        }
    };
    speech->readstr(shown);
    EXPECT_EQ(player->clips(), (std::vector<std::string>{"1_wav", "c_wav", "2_wav", "3_wav"}));
    EXPECT_EQ(pauses(), 4u);
}

// A further evaluation may start a whole reading inside a pause of this one.
TEST_F(SpeechFixture, NestedReadingFinishesBeforeTheOuterGoesOn)
{
    bool nested = false;
    clock->onMessages = [&] {
        if (clock->now == 300 && !nested) {
            nested = true;
            speech->read1("9");
        }
    };
    speech->readstr("壹贰");
    EXPECT_EQ(player->clips(), (std::vector<std::string>{"1_wav", "9_wav", "2_wav"}));
}

// A way out during a reading ends it, and a nested one, at the next pause.
TEST_F(SpeechFixture, StoppedReadingEndsAtItsNextPause)
{
    clock->onMessages = [&] {
        if (clock->now == 300)
            speech->read1("98");
        if (clock->now == 600)
            speech->stopreading();
    };
    speech->readstr("壹贰叁");
    EXPECT_EQ(player->clips(), (std::vector<std::string>{"1_wav", "9_wav"}));
    speech->read1("7");
    EXPECT_EQ(player->clips().back(), "7_wav") << "a reading started afterwards is read";
}

// The time a clip takes to start and handlers served during a pause are part
// of the pause: the next clip still starts one pace after this one started.
struct GridCase {
    const char* name;
    std::uint32_t playCost;    // ticks the player takes to start a clip
    std::uint32_t handlerAt;   // tick at which a slow handler runs (0: none)
    std::uint32_t handlerCost; // ticks that handler takes
};

class PaceGridTest : public testing::TestWithParam<GridCase> {};

TEST_P(PaceGridTest, ClipsStartOnePaceApart)
{
    const GridCase& c = GetParam();
    class SlowPlayer : public RecordingPlayer {
    public:
        SlowPlayer(FakeClock& clock, std::uint32_t cost) : RecordingPlayer(clock), clock_(clock), cost_(cost) {}
        bool play(const std::string& clip) override
        {
            RecordingPlayer::play(clip);
            clock_.now += cost_;
            return true;
        }

    private:
        FakeClock& clock_;
        std::uint32_t cost_;
    };
    auto clockOwned = std::make_unique<FakeClock>(0, 1);
    FakeClock& clock = *clockOwned;
    auto playerOwned = std::make_unique<SlowPlayer>(clock, c.playCost);
    RecordingPlayer& player = *playerOwned;
    TCalcSpeech speech(std::move(playerOwned), std::move(clockOwned));
    clock.onMessages = [&] {
        if (clock.now == c.handlerAt)
            clock.now += c.handlerCost;
    };
    speech.readstr("壹拾贰点");
    EXPECT_THAT(player.played, ElementsAre(PlayedClip{280, "1_wav"}, PlayedClip{560, "10_wav"},
                                           PlayedClip{840, "2_wav"}, PlayedClip{1120, "point_wav"}));
    EXPECT_EQ(clock.now, 5u * 280u);
}

INSTANTIATE_TEST_SUITE_P(
    Pace, PaceGridTest,
    testing::Values(GridCase{"SlowPlayer", 45, 0, 0}, GridCase{"SlowHandlerInAPause", 0, 700, 100},
                    GridCase{"SlowHandlerInTheFirstPause", 0, 100, 150},
                    GridCase{"SlowPlayerAndHandler", 45, 650, 150},
                    // Would end 3 ticks after the next clip's time.
                    GridCase{"SlowHandlerAtAPauseEnd", 0, 557, 6}),
    [](const testing::TestParamInfo<GridCase>& info) { return info.param.name; });

} // namespace
