// Dragging one control onto another on a shown form: the mouse is posted
// where Windows would send it (the capture window while a drag holds it).
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "classlib/tests/testform.h"
#include "classlib/application.h"
#include "classlib/customcontrol.h"
#include "classlib/dragdrop.h"
#include "classlib/exceptions.h"
#include "classlib/form.h"
#include "classlib/screen.h"
#include "classlib/tests/dialogwatcher.h"
#include "classlib/tests/keyboard.h"

namespace {

class TBox : public TCustomControl {
public:
    TDragImageList* images = nullptr;
    TDragImageList* GetDragImages() override { return images; }
};

// A drag object of the program's own, which says when it goes.
class TNote : public TDragObject {
public:
    explicit TNote(std::string& log) : log_(log) {}
    ~TNote() override { log_ += "freed "; }
    void Finished(TControl* target, int, int, bool accepted) override
    {
        log_ += std::string("finished:") + (target ? "target" : "null") + (accepted ? "+ " : "- ");
    }

private:
    std::string& log_;
};

const char* StateName(TDragState state)
{
    switch (state) {
    case TDragState::dsDragEnter:
        return "enter ";
    case TDragState::dsDragLeave:
        return "leave ";
    default:
        return "";
    }
}

class DragDrop : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Application.Initialize();
        form = ShowTestForm(400, 300);
    }
    static void TearDownTestSuite() { form.reset(); }

    void SetUp() override
    {
        source = Add(10);
        target = Add(150);
        source->OnMouseDown = [this](TComponent&, TMouseButton, TShiftState, int, int) { source->BeginDrag(false); };
        source->OnStartDrag = [this](TComponent&, std::unique_ptr<TDragObject>&) { log += "start "; };
        source->OnEndDrag = [this](TComponent&, TControl* to, int x, int y) {
            log += std::string("end:") + (!to ? "null " : to == target.get() ? "target " : "other ");
            endAt = {x, y};
        };
        target->OnDragOver = [this](TComponent&, TControl* from, int, int, TDragState state, bool& accept) {
            log += StateName(state);
            sources.push_back(from);
            accept = accepting;
        };
        target->OnDragDrop = [this](TComponent&, TControl* from, int x, int y) {
            log += "drop ";
            sources.push_back(from);
            dropAt = {x, y};
        };
    }

    void TearDown() override
    {
        source.reset();
        target.reset();
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(CurrentDragObject(), nullptr);
        Application.ProcessMessages();
    }

    static std::unique_ptr<TBox> Add(int left)
    {
        auto box = std::make_unique<TBox>();
        box->SetBounds(left, 10, 100, 80);
        box->SetParent(form.get());
        return box;
    }

    // Where the mouse message goes: the capture window, else the window under it.
    static void Post(UINT msg, WPARAM keys, TControl& over, int x, int y)
    {
        POINT p{x, y};
        ClientToScreen(over.Handle(), &p);
        HWND to = GetCapture() ? GetCapture() : WindowFromPoint(p);
        ScreenToClient(to, &p);
        PostMessageA(to, msg, keys, MAKELPARAM(p.x, p.y));
        Application.ProcessMessages();
    }
    static void Press(TControl& over, int x, int y)
    {
        POINT p{x, y};
        ClientToScreen(over.Handle(), &p);
        SetCursorPos(p.x, p.y);
        Application.ProcessMessages();
        Post(WM_LBUTTONDOWN, MK_LBUTTON, over, x, y);
    }
    static void MoveTo(TControl& over, int x, int y) { Post(WM_MOUSEMOVE, MK_LBUTTON, over, x, y); }
    static void Release(TControl& over, int x, int y) { Post(WM_LBUTTONUP, 0, over, x, y); }

    // Pressed on the source and moved onto the target.
    void DragOntoTarget()
    {
        Press(*source, 20, 20);
        MoveTo(*source, 40, 20);
        MoveTo(*target, 20, 15);
        ASSERT_NE(CurrentDragObject(), nullptr);
    }

    static std::unique_ptr<TForm> form;
    std::unique_ptr<TBox> source, target;
    bool accepting = true;
    std::string log;
    std::vector<TControl*> sources;
    POINT endAt{-1, -1}, dropAt{-1, -1};
};

std::unique_ptr<TForm> DragDrop::form;

TEST_F(DragDrop, StartsOnlyOnceTheMouseHasMovedTheThreshold)
{
    struct Case {
        int threshold;
        int below, beyond;
    };
    const int standard = Mouse.DragThreshold();
    for (const Case& c : {Case{-1, standard - 1, standard}, Case{12, 11, 12}}) {
        SCOPED_TRACE(c.threshold);
        log.clear();
        source->OnMouseDown = [this, threshold = c.threshold](TComponent&, TMouseButton, TShiftState, int, int) {
            source->BeginDrag(false, threshold);
        };
        Press(*source, 20, 20);
        EXPECT_TRUE(source->Dragging());
        MoveTo(*source, 20 + c.below, 20 - c.below);
        EXPECT_EQ(CurrentDragObject(), nullptr);
        EXPECT_EQ(log, "");
        MoveTo(*source, 20, 20 + c.beyond);
        EXPECT_NE(CurrentDragObject(), nullptr);
        EXPECT_EQ(log, "start ");
        source->EndDrag(false);
        EXPECT_EQ(log, "start end:null ");
    }

    log.clear();
    Press(*source, 20, 20);
    MoveTo(*source, 21, 21);
    Release(*source, 21, 21);
    EXPECT_FALSE(source->Dragging());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(log, "") << "a press released before the threshold dragged";
}

TEST_F(DragDrop, EachEndingTellsTheTargetAndTheSource)
{
    struct Case {
        const char* name;
        bool accept;
        std::function<void()> end;
        const char* log;
    };
    const Case cases[] = {
        {"drop on a taker", true, [this] { Release(*target, 20, 15); }, "start enter drop end:target "},
        {"drop on a refuser", false, [this] { Release(*target, 20, 15); }, "start enter leave end:null "},
        {"EndDrag(true)", true, [this] { source->EndDrag(true); }, "start enter drop end:target "},
        {"EndDrag(false)", true, [this] { source->EndDrag(false); }, "start enter leave end:null "},
        {"Esc", true, [] { PressKey(VK_ESCAPE); }, "start enter leave end:null "},
        {"capture taken", true, [] { SetCapture(form->Handle()); ReleaseCapture(); }, "start enter leave end:null "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.clear();
        sources.clear();
        accepting = c.accept;
        DragOntoTarget();
        c.end();
        EXPECT_EQ(log, c.log);
        EXPECT_EQ(endAt.x, 20);
        EXPECT_EQ(endAt.y, 15);
        EXPECT_FALSE(source->Dragging());
        EXPECT_EQ(CurrentDragObject(), nullptr);
        EXPECT_EQ(GetCapture(), nullptr);
        for (TControl* from : sources)
            EXPECT_EQ(from, source.get());
    }
    EXPECT_EQ(dropAt.x, 20);
    EXPECT_EQ(dropAt.y, 15);
}

TEST_F(DragDrop, TheCursorFollowsWhetherTheControlUnderItTakesTheDrag)
{
    struct Case {
        bool accept;
        TCursor dragCursor;
        TCursor shown;
    };
    for (const Case& c : {Case{true, crDrag, crDrag}, Case{false, crDrag, crNoDrop}, Case{true, crHandPoint, crHandPoint}}) {
        SCOPED_TRACE(c.shown);
        accepting = c.accept;
        source->SetDragCursor(c.dragCursor);
        DragOntoTarget();
        EXPECT_EQ(GetCursor(), Screen.Cursors(c.shown));
        MoveTo(*source, 30, 30);
        EXPECT_EQ(GetCursor(), Screen.Cursors(crNoDrop)) << "the source itself takes nothing";
        source->EndDrag(false);
    }
}

TEST_F(DragDrop, AnOwnDragObjectIsFinishedAndFreedAndLeavesTheSourceUnnamed)
{
    source->OnStartDrag = [this](TComponent&, std::unique_ptr<TDragObject>& object) {
        object = std::make_unique<TNote>(log);
    };
    DragOntoTarget();
    Release(*target, 20, 15);
    EXPECT_EQ(log, "enter drop finished:target+ freed ");
    ASSERT_FALSE(sources.empty());
    EXPECT_EQ(sources.front(), nullptr);
}

TEST_F(DragDrop, ATargetDestroyedMidDragTakesNoDrop)
{
    DragOntoTarget();
    target.reset();
    Release(*source, 20, 20);
    EXPECT_EQ(log, "start enter end:null ");
}

TEST_F(DragDrop, ASourceDestroyedMidDragLeavesNoCaptureBehind)
{
    DragOntoTarget();
    source.reset();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(CurrentDragObject(), nullptr);
    MoveTo(*target, 30, 30);
    EXPECT_EQ(log, "start enter ");
}

TEST_F(DragDrop, AnExceptionFromAnEventEndsTheDragAndGivesBackTheInput)
{
    target->OnDragOver = [](TComponent&, TControl*, int, int, TDragState, bool&) { throw Exception("boom"); };
    DialogWatcher watcher([](HWND dialog) { DialogWatcher::Press(dialog, IDOK); });
    Press(*source, 20, 20);
    MoveTo(*source, 40, 20);
    MoveTo(*target, 20, 15);
    EXPECT_TRUE(PumpUntil([&] { return watcher.Count() == 1; }));
    EXPECT_EQ(CurrentDragObject(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);

    // Esc is no longer taken on its way to a window.
    int escapes = 0;
    target->OnKeyDown = [&](TComponent&, WORD& key, TShiftState) { escapes += key == VK_ESCAPE; };
    PostMessageA(target->Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
    Application.ProcessMessages();
    EXPECT_EQ(escapes, 1);
}

TEST_F(DragDrop, TheDragImageShowsOnlyWhenAskedForAndThereIsOne)
{
    TDragImageList images(16, 16);
    HDC screen = GetDC(nullptr);
    HBITMAP picture = CreateCompatibleBitmap(screen, 16, 16);
    ReleaseDC(nullptr, screen);
    images.AddMasked(picture, clFuchsia);
    DeleteObject(picture);
    TDragImageList empty;

    struct Case {
        bool display;
        TDragImageList* list;
        bool shown;
    };
    for (const Case& c : {Case{true, &images, true}, Case{false, &images, false}, Case{true, &empty, false},
                          Case{true, nullptr, false}}) {
        SCOPED_TRACE(testing::Message() << c.display << " " << c.list);
        TControlStyle style = source->ControlStyle() & ~csDisplayDragImage;
        source->SetControlStyle(c.display ? style | csDisplayDragImage : style);
        source->images = c.list;
        DragOntoTarget();
        POINT at, hotspot;
        EXPECT_EQ(ImageList_GetDragImage(&at, &hotspot) != nullptr, c.shown);
        EXPECT_EQ(images.Dragging(), c.shown);
        source->EndDrag(false);
        EXPECT_EQ(ImageList_GetDragImage(&at, &hotspot), nullptr);
    }
}

} // namespace
