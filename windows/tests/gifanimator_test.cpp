// The GIF animation control on a real form: composition read back through
// PaintTo, ticks of the real timer, form text, mouse and bad pictures.
#include "windows/gifanimator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "classlib/application.h"
#include "classlib/classregistry.h"
#include "classlib/exceptions.h"
#include "classlib/form.h"
#include "classlib/screen.h"
#include "classlib/tests/dialogwatcher.h"
#include "classlib/tests/freedmemory.h"
#include "images/tests/gifbuilder.h"

namespace {
constexpr TColor kParent = 0x00C0DCC0, kSentinel = 0x123456;
constexpr int kKey = 7;
// Global table slots as letters: R G B W Y C M, then the see-through slot.
const std::string kLetters = "RGBWYCM";
const TColor kColors[] = {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF, 0x00FFFF, 0xFFFF00, 0xFF00FF};

struct Frame {
    int left, width;
    std::string pixels; // letters, '.' for the see-through slot; one row
    int disposal = 1;
    int delay = 10;
    bool seeThrough = true;
};

std::string Gif(int width, int height, const std::vector<Frame>& frames)
{
    std::string bytes = TGifBuilder().Screen(width, height).Bytes();
    bytes[10] = static_cast<char>(0x82);
    for (int i = 0; i < 8; ++i)
        for (int shift : {0, 8, 16})
            bytes += static_cast<char>(i < 7 ? kColors[i] >> shift & 0xFF : 0x80);
    TGifBuilder gif(bytes);
    for (const Frame& f : frames) {
        std::vector<std::uint8_t> indices;
        for (char c : f.pixels)
            indices.push_back(static_cast<std::uint8_t>(c == '.' ? kKey : kLetters.find(c)));
        gif.GraphicControl(f.delay, f.disposal, f.seeThrough ? kKey : -1)
            .Image(f.left, 0, f.width, 1, EncodeIndices(indices, f.width, 1, 4));
    }
    return gif.Trailer().Bytes();
}

// The control's client area as PaintTo draws it on a 32-bit bitmap filled with the sentinel.
std::unique_ptr<TBitmap> Shot(TControl& control)
{
    auto shot = std::make_unique<TBitmap>();
    shot->SetPixelFormat(TPixelFormat::pf32bit);
    shot->SetSize(control.Width(), control.Height());
    shot->Canvas().Brush().SetColor(kSentinel);
    shot->Canvas().FillRect(RECT{0, 0, shot->Width(), shot->Height()});
    control.PaintTo(shot->Canvas().Handle());
    return shot;
}

class TTestForm : public TForm {
public:
    using TForm::LoadFromText;
};

class GifAnimatorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application.Initialize();
        form = std::make_unique<TTestForm>();
        form->SetBounds(0, 0, 200, 100);
        form->SetColor(kParent);
        form->Show();
        animator = &form->Adopt(std::make_unique<TGifAnimator>());
        animator->SetParent(form.get());
    }

    void Load(const std::string& bytes)
    {
        TMemoryStream s;
        s.WriteBuffer(bytes.data(), bytes.size());
        s.SetPosition(0);
        animator->Image().LoadFromStream(s);
    }

    // The control's first row as letters; '.' for the parent's colour, '?' for anything else.
    std::string Row()
    {
        std::unique_ptr<TBitmap> shot = Shot(*animator);
        std::string row;
        for (int x = 0; x < shot->Width(); ++x) {
            TColor c = shot->Canvas().Pixels(x, 0);
            size_t i = std::find(std::begin(kColors), std::end(kColors), c) - std::begin(kColors);
            row += c == kParent ? '.' : i < kLetters.size() ? kLetters[i] : '?';
        }
        return row;
    }

    std::unique_ptr<TTestForm> form;
    TGifAnimator* animator = nullptr;
};

const std::vector<Frame> kFourFrames = {{0, 8, "RRRRRRRR"}, {0, 4, "GGGG"}, {2, 4, "BBBB"}, {6, 2, "WW"}};
} // namespace

TEST_F(GifAnimatorTest, FrameDelayIsLimitedAndZeroWithoutAnimation)
{
    Load(Gif(2, 1, {{0, 2, "RR", 1, 0}, {0, 2, "GG", 1, 3}, {0, 2, "BB", 1, 20000}, {0, 2, "WW", 1, 250}}));
    const int expected[] = {50, 50, 10000, 2500};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(animator->FrameDelay(i), expected[i]) << i;
    EXPECT_EQ(animator->FrameDelay(4), 0);
    EXPECT_EQ(animator->FrameDelay(-1), 0);
    Load(Gif(2, 1, {{0, 2, "RR", 1, 300}}));
    EXPECT_EQ(animator->FrameDelay(0), 0);
}

TEST_F(GifAnimatorTest, FramesComposeByDisposalStepByStepAndByJumps)
{
    struct Case {
        const char* what;
        std::vector<Frame> frames;
        std::vector<std::string> shown;
    } cases[] = {
        {"0 and 1 keep", {{0, 8, "RRRRRRRR"}, {0, 4, "GGGG", 0}, {2, 4, "BBBB"}},
         {"RRRRRRRR", "GGGGRRRR", "GGBBBBRR"}},
        {"2 clears to the brush", {{0, 8, "RRRRRRRR"}, {0, 4, "GGGG", 2}, {6, 2, "BB", 0}},
         {"RRRRRRRR", "GGGGRRRR", "....RRBB"}},
        {"3 goes back", {{0, 8, "RRRRRRRR"}, {0, 4, "GGGG"}, {2, 4, "BBBB", 3}, {6, 2, "WW"}},
         {"RRRRRRRR", "GGGGRRRR", "GGBBBBRR", "GGGGRRWW"}},
        {"see-through", {{0, 8, "R..GG.RR"}, {1, 2, "BB"}}, {"R..GG.RR", "RBBGG.RR"}},
    };
    for (const Case& c : cases) {
        Load(Gif(8, 1, c.frames));
        int last = static_cast<int>(c.shown.size()) - 1;
        for (int i = 0; i <= last; ++i) {
            animator->SetFrameIndex(i);
            EXPECT_EQ(Row(), c.shown[i]) << c.what << ": step to " << i;
        }
        for (int i = last - 1; i >= 0; --i) {
            animator->SetFrameIndex(i);
            EXPECT_EQ(Row(), c.shown[i]) << c.what << ": back to " << i;
        }
    }
}

TEST_F(GifAnimatorTest, TargetsStretchAndCenter)
{
    Load(Gif(8, 1, {{0, 8, "RRRRGGGG"}}));
    animator->SetAutoSize(false);
    struct Case {
        int width;
        bool stretch, center;
        const char* shown;
    } cases[] = {
        {16, false, false, "RRRRGGGG........"},
        {16, true, false, "RRRRRRRRGGGGGGGG"},
        {16, false, true, "....RRRRGGGG...."},
        {4, false, true, "RRGG"}, // wider than the control: a negative offset
    };
    for (const Case& c : cases) {
        animator->SetBounds(0, 0, c.width, 1);
        animator->SetStretch(c.stretch);
        animator->SetCenter(c.center);
        EXPECT_EQ(Row(), c.shown) << c.width << c.stretch << c.center;
    }
}

TEST_F(GifAnimatorTest, EachTickDrawsOneFrame)
{
    Load(Gif(8, 1, {{0, 8, "RRRRRRRR", 1, 5}, {0, 4, "GGGG", 1, 5}, {2, 4, "BBBB", 1, 5}}));
    int changes = 0;
    animator->OnFrameChanged = [&](TComponent&) { ++changes; };
    animator->Update();
    Row();
    int drawn = animator->FramesDrawn();
    animator->SetAnimate(true);
    ASSERT_TRUE(PumpUntil([&] { return changes >= 7; }));
    animator->SetAnimate(false);
    EXPECT_EQ(animator->FramesDrawn() - drawn, changes);
}

TEST_F(GifAnimatorTest, TicksFollowTheDelays)
{
    Load(Gif(8, 1, {{0, 8, "RRRRRRRR", 1, 5}, {0, 4, "GGGG", 1, 20}, {2, 4, "BBBB", 1, 10}}));
    std::vector<std::pair<int, DWORD>> changes;
    animator->OnFrameChanged = [&](TComponent&) { changes.emplace_back(animator->FrameIndex(), GetTickCount()); };
    DWORD start = GetTickCount();
    animator->SetAnimate(true);
    ASSERT_TRUE(PumpUntil([&] { return changes.size() >= 6; }));
    // A tick never comes before the delay of the frame it ends; lateness is allowed.
    DWORD previous = start;
    int shown = 0;
    for (auto [index, at] : changes) {
        EXPECT_EQ(index, (shown + 1) % 3);
        EXPECT_GE(static_cast<int>(at - previous), animator->FrameDelay(shown) - 20) << index;
        previous = at, shown = index;
    }
}

TEST_F(GifAnimatorTest, WithoutLoopItStopsOnFrameZero)
{
    Load(Gif(8, 1, kFourFrames));
    animator->SetLoop(false);
    std::vector<int> shown;
    int stops = 0;
    animator->OnFrameChanged = [&](TComponent&) { shown.push_back(animator->FrameIndex()); };
    animator->OnStop = [&](TComponent&) { ++stops; };
    animator->SetAnimate(true);
    ASSERT_TRUE(PumpUntil([&] { return stops > 0; }));
    PumpUntil([] { return false; }, 200);
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 0}));
    EXPECT_EQ(stops, 1);
    EXPECT_FALSE(animator->Animate());
    EXPECT_EQ(Row(), "RRRRRRRR");
}

TEST_F(GifAnimatorTest, FrameIndexOutsideTheFramesIsIgnored)
{
    Load(Gif(8, 1, kFourFrames));
    animator->SetFrameIndex(1);
    int changes = 0;
    animator->OnFrameChanged = [&](TComponent&) { ++changes; };
    for (int index : {4, -1, 1}) {
        animator->SetFrameIndex(index);
        EXPECT_EQ(animator->FrameIndex(), 1) << index;
    }
    EXPECT_EQ(changes, 0);
}

TEST_F(GifAnimatorTest, FormTextReadsTheImageAfterTheFrameIndex)
{
    RegisterComponentClass<TGifAnimator>("TGifAnimator");
    std::string data = Gif(8, 1, kFourFrames);
    std::string hex;
    auto size = static_cast<std::uint32_t>(data.size());
    for (int i = 0; i < 4; ++i)
        data.insert(data.begin() + i, static_cast<char>(size >> (8 * i) & 0xFF));
    for (unsigned char b : data)
        hex += {"0123456789ABCDEF"[b >> 4], "0123456789ABCDEF"[b & 15]};
    TTestForm loaded;
    loaded.LoadFromText("F: TForm\n  Banner: TGifAnimator\n    Left = 3\n    Cursor = crHandPoint\n"
                        "    Animate = true\n    FrameIndex = 2\n    Image.Data = {\n      " +
                        hex + "\n    }\n");
    auto& banner = loaded.Component<TGifAnimator>("Banner");
    EXPECT_EQ(banner.FrameIndex(), 0);
    EXPECT_EQ(banner.Image().FrameCount(), 4);
    EXPECT_TRUE(banner.Animate());
    EXPECT_EQ(banner.Timer().Interval(), 100u);
    EXPECT_EQ(banner.Cursor(), crHandPoint);
}

TEST_F(GifAnimatorTest, AutoSizeFitsUnlessTheAlignmentSetsTheBounds)
{
    Load(Gif(8, 3, kFourFrames));
    EXPECT_EQ(std::make_pair(animator->Width(), animator->Height()), std::make_pair(8, 3));
    animator->SetAlign(TAlign::alClient);
    form->SetBounds(0, 0, 240, 120);
    RECT client;
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(std::make_pair(animator->Width(), animator->Height()), std::make_pair(int(client.right), int(client.bottom)));
}

TEST_F(GifAnimatorTest, ClicksCaptureTheMouseShowTheHandAndLeaveTheFocus)
{
    Load(Gif(8, 1, kFourFrames));
    animator->SetAutoSize(false);
    animator->SetBounds(0, 0, 20, 20);
    animator->SetCursor(crHandPoint);
    int clicks = 0;
    animator->OnClick = [&](TComponent&) { ++clicks; };
    HWND focus = GetFocus();
    struct Case {
        LPARAM release;
        int clicks;
    } cases[] = {{MAKELPARAM(5, 5), 1}, {MAKELPARAM(50, 5), 0}};
    for (const Case& c : cases) {
        clicks = 0;
        // The form's window holds the capture for the windowless control.
        SendMessageA(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        EXPECT_EQ(GetCapture(), form->Handle());
        EXPECT_TRUE(animator->MouseCapture());
        SendMessageA(form->Handle(), WM_LBUTTONUP, 0, c.release);
        EXPECT_EQ(clicks, c.clicks);
        EXPECT_EQ(GetCapture(), nullptr);
    }
    EXPECT_EQ(GetFocus(), focus);
    animator->Perform(WM_SETCURSOR, reinterpret_cast<WPARAM>(form->Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), Screen.Cursors(crHandPoint));
}

TEST_F(GifAnimatorTest, FreeingWhileAnimatingStopsTheTicks)
{
    Load(Gif(8, 1, {{0, 8, "RRRRRRRR", 1, 5}, {0, 4, "GGGG", 1, 5}}));
    int changes = 0;
    animator->OnFrameChanged = [&](TComponent&) { ++changes; };
    animator->SetAnimate(true);
    ASSERT_TRUE(PumpUntil([&] { return changes >= 2; }));
    HANDLE worker = nullptr;
    DuplicateHandle(GetCurrentProcess(), animator->Timer().ThreadHandle(), GetCurrentProcess(), &worker, SYNCHRONIZE,
                    FALSE, 0);
    delete animator;
    animator = nullptr;
    // The timer's worker is gone with the control.
    EXPECT_EQ(WaitForSingleObject(worker, 0), WAIT_OBJECT_0);
    CloseHandle(worker);
    PumpUntil([] { return false; }, 200);
    EXPECT_EQ(form->Components().size(), 0u);
}

TEST_F(GifAnimatorTest, FreedByItsOwnEventInATickItIsNeverTouchedAgain)
{
    enum class Event { FrameChanged, Stop };
    // Each case makes its own while freed memory is trapped.
    delete animator;
    for (auto [event, raises] : {std::pair{Event::FrameChanged, false}, std::pair{Event::Stop, false},
                                 std::pair{Event::FrameChanged, true}, std::pair{Event::Stop, true}}) {
        SCOPED_TRACE(std::string(event == Event::Stop ? "OnStop" : "OnFrameChanged") + (raises ? " raising" : ""));
        DialogWatcher boxes([](HWND box) { DialogWatcher::Press(box, IDOK); });
        TFreedMemoryTrap trap;
        animator = &form->Adopt(std::make_unique<TGifAnimator>());
        animator->SetParent(form.get());
        Load(Gif(8, 1, {{0, 8, "RRRRRRRR", 1, 5}, {0, 4, "GGGG", 1, 5}}));
        animator->SetLoop(false);
        const TLiveness alive = animator->Liveness();
        HANDLE worker = nullptr;
        DuplicateHandle(GetCurrentProcess(), animator->Timer().ThreadHandle(), GetCurrentProcess(), &worker,
                        SYNCHRONIZE, FALSE, 0);
        int calls = 0;
        TGifAnimator* victim = animator;
        auto freeIt = [&calls, victim, raises](TComponent&) {
            if (++calls > 1)
                return;
            delete victim;
            if (raises)
                throw EInvalidOperation("frame failed");
        };
        (event == Event::Stop ? animator->OnStop : animator->OnFrameChanged) = freeIt;
        animator->SetAnimate(true);
        ASSERT_TRUE(PumpUntil([&] { return !alive && boxes.Count() >= (raises ? 1 : 0); }));
        animator = nullptr;
        PumpUntil([] { return false; }, 200);
        EXPECT_EQ(calls, 1);
        EXPECT_EQ(boxes.Messages(), raises ? std::vector<std::string>{"frame failed"} : std::vector<std::string>{});
        EXPECT_EQ(WaitForSingleObject(worker, 2000), WAIT_OBJECT_0) << "its timer's worker ended";
        CloseHandle(worker);
        EXPECT_EQ(form->Components().size(), 0u);
    }
}

TEST_F(GifAnimatorTest, BadPicturesNeverCrash)
{
    struct Case {
        const char* what;
        std::string bytes;
        bool composes;
    } cases[] = {
        {"one frame", Gif(8, 1, {{0, 8, "RRRRRRRR"}}), true},
        {"0 x 0 screen", Gif(0, 0, {{0, 2, "RR"}}), true},
        {"disposal 4 to 7", Gif(8, 1, {{0, 8, "RRRRRRRR", 4}, {0, 4, "GGGG", 5}, {2, 4, "BBBB", 6}, {6, 2, "WW", 7}}), true},
        {"outside and larger", Gif(4, 1, {{0, 4, "RRRR"}, {6, 2, "GG"}, {0, 9, "BBBBBBBBB"}}), true},
        {"65535 x 65535", Gif(65535, 65535, {{0, 2, "RR"}}), false},
    };
    animator->SetAutoSize(false);
    for (const Case& c : cases) {
        Load(c.bytes);
        for (int i = 0; i < animator->Image().FrameCount(); ++i) {
            animator->SetFrameIndex(i);
            if (c.composes)
                EXPECT_NO_THROW(Row()) << c.what;
            else
                EXPECT_THROW(Row(), Exception) << c.what;
        }
    }
    // Through the real paint cycle the failure is reported once, not in a loop.
    DialogWatcher boxes([](HWND box) { DialogWatcher::Press(box, IDOK); });
    animator->Invalidate();
    animator->Update();
    PumpUntil([] { return false; }, 300);
    EXPECT_EQ(boxes.Count(), 1);
    animator->Image().Assign(static_cast<const TGraphic*>(nullptr));
    EXPECT_NO_THROW(Row()) << "no frames";
}

TEST_F(GifAnimatorTest, ScreenshotsOfThreeTicks)
{
    Load(Gif(8, 1, {{0, 8, "RRRRRRRR", 1, 5}, {0, 4, "GGGG", 1, 5}, {2, 4, "BBBB", 1, 5}}));
    animator->SetAutoSize(false);
    animator->SetStretch(true);
    animator->SetBounds(10, 10, 160, 40);
    std::vector<std::string> rows;
    animator->OnFrameChanged = [&](TComponent&) {
        Shot(*form)->SaveToFile("gifanimator_tick" + std::to_string(rows.size() + 1) + ".bmp");
        rows.push_back(Row());
    };
    animator->SetAnimate(true);
    ASSERT_TRUE(PumpUntil([&] { return rows.size() >= 3; }));
    animator->SetAnimate(false);
    EXPECT_NE(rows[0], rows[1]);
    EXPECT_NE(rows[1], rows[2]);
}
