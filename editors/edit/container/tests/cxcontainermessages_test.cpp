// The container's own window messages on real windows: the refresh it posts
// itself (also when it goes first), the arrow over its frame, a move that
// hands the focus on, context popups, the inner control's kept window
// procedure, the native bars of the inner window and its window class.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "classlib/application.h"
#include "classlib/customedit.h"
#include "classlib/screen.h"
#include "editors/edit/container/cxcontainer.h"
#include "editors/edit/container/tests/containerscene.h"

namespace {

// Frame of one pixel, content (1, 1, 99, 23).
void SingleFrame(Scene& s)
{
    TcxContainerStyle& normal = s.container->Styles().StyleNormal();
    normal.SetBorderStyle(cbsSingle);
    normal.SetTransparentBorder(false);
}

void MoveCursorTo(const TControl& control, POINT p)
{
    ClientToScreen(control.Handle(), &p);
    SetCursorPos(p.x, p.y);
    Application.ProcessMessages();
}

} // namespace

// The refresh the new window posts itself is dropped with the window when
// the container goes first; neither way leaves a region behind.
TEST(ContainerMessages, ThePostedRefreshAndAContainerGoneBeforeIt)
{
    Application.Initialize();
    constexpr UINT kRefresh = 0x807F;
    for (const bool freeFirst : {false, true}) {
        Scene s;
        const int regionsBefore = TcxContainerRegion::LiveCount();
        auto& late = s.form->Adopt(std::make_unique<TcxContainer>());
        late.Styles().StyleNormal().SetShadow(true);
        late.SetBounds(10, 50, 80, 24);
        late.SetParent(s.form.get());
        const HWND window = late.Handle();
        MSG pending;
        EXPECT_TRUE(PeekMessageA(&pending, window, kRefresh, kRefresh, PM_NOREMOVE)) << freeFirst;
        if (freeFirst)
            delete &late;
        Application.ProcessMessages();
        EXPECT_FALSE(PeekMessageA(&pending, window, kRefresh, kRefresh, PM_NOREMOVE)) << freeFirst;
        EXPECT_EQ(TcxContainerRegion::LiveCount(), regionsBefore) << freeFirst;
        if (!freeFirst) {
            HRGN region = CreateRectRgn(0, 0, 0, 0);
            EXPECT_NE(GetWindowRgn(window, region), ERROR) << "the refresh set the shadow's region";
            DeleteObject(region);
        }
    }
}

// Over the frame around an inner control the arrow shows; inside, and
// without an inner control, the container's own cursor.
TEST(ContainerMessages, TheArrowOverTheFrame)
{
    Application.Initialize();
    const struct {
        const char* name;
        bool inner;
        POINT at;
        TCursor shown;
    } cases[] = {
        {"frame", true, {0, 12}, crArrow},
        {"content", true, {50, 12}, crHandPoint},
        {"frame without an inner control", false, {0, 12}, crHandPoint},
    };
    for (const auto& c : cases) {
        Scene s;
        SingleFrame(s);
        if (!c.inner)
            s.container->SetInnerControl(nullptr);
        s.container->SetCursor(crHandPoint);
        s.container->UpdateViewInfo(POINT{-1, -1}, 0);
        MoveCursorTo(*s.container, c.at);
        ::SetCursor(nullptr);
        const LRESULT result = SendMessageA(s.container->Handle(), WM_SETCURSOR,
                                            reinterpret_cast<WPARAM>(s.container->Handle()),
                                            MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(result, 1) << c.name;
        EXPECT_EQ(GetCursor(), Screen.Cursors(c.shown)) << c.name;
    }
}

// The container's own window holds the focus while its inner control
// cannot take it; once it can, a move of the container hands it over.
TEST(ContainerMessages, AMoveHandsTheFocusToTheInnerControl)
{
    Application.Initialize();
    Scene s;
    s.container->SetName("C");
    s.edit->SetName("I");
    s.edit->SetEnabled(false);
    s.container->SetFocus();
    Application.ProcessMessages();
    ASSERT_EQ(FocusedName(), "C");
    s.edit->SetEnabled(true);
    EXPECT_EQ(FocusedName(), "C");
    s.container->SetBounds(20, 10, 100, 24);
    Application.ProcessMessages();
    EXPECT_EQ(FocusedName(), "I");
}

namespace {

class TPopupContainer : public TcxContainer {
public:
    using TcxContainer::TcxContainer;
    bool AcceptsContextPopupAt(POINT) override { return accepts; }
    bool accepts = true;
};

} // namespace

// A context popup asked from the keyboard (-1, -1) reaches the event unless
// popups are locked; one at a point only where the container accepts it;
// the inner control's context menu is the container's.
TEST(ContainerMessages, ContextPopups)
{
    Application.Initialize();
    const struct {
        const char* name;
        bool keyboard, accepts, locked, throughInner;
        bool shown;
    } cases[] = {
        {"keyboard", true, false, false, false, true},
        {"keyboard, locked", true, true, true, false, false},
        {"at a point", false, true, false, false, true},
        {"at a point not accepted", false, false, false, false, false},
        {"from the inner control", true, true, false, true, true},
        {"from the inner control, locked", true, true, true, true, false},
    };
    for (const auto& c : cases) {
        Scene s;
        auto& container = s.form->Adopt(std::make_unique<TPopupContainer>());
        container.SetParent(s.form.get());
        container.SetBounds(10, 50, 100, 24);
        container.accepts = c.accepts;
        if (c.locked) {
            container.LockPopupMenu(true);
            container.LockPopupMenu(true);
            container.LockPopupMenu(false);
        }
        std::vector<POINT> shown;
        container.OnContextPopup = [&shown](TComponent&, POINT p, bool& handled) {
            shown.push_back(p);
            handled = true;
        };
        POINT at{50, 12};
        ClientToScreen(container.Handle(), &at);
        const LPARAM where = c.keyboard ? MAKELPARAM(-1, -1) : MAKELPARAM(at.x, at.y);
        TMessage m{WM_CONTEXTMENU, 0, where, 0};
        const bool handled = c.throughInner ? container.HandleInnerControlMessage(m)
                                            : SendMessageA(container.Handle(), WM_CONTEXTMENU,
                                                           reinterpret_cast<WPARAM>(container.Handle()), where) != 0;
        EXPECT_TRUE(handled) << c.name;
        ASSERT_EQ(shown.size(), c.shown ? 1u : 0u) << c.name;
        if (c.shown && c.keyboard) {
            EXPECT_EQ(shown[0].x, -1) << c.name;
            EXPECT_EQ(shown[0].y, -1) << c.name;
        }
    }
}

// An editor puts its own window procedure on the inner control and keeps
// the one it replaced: the container calls the kept one, which the EDIT
// answers; with none kept, the inner control's own.
TEST(ContainerMessages, TheInnerControlsKeptWindowProcedure)
{
    Application.Initialize();
    for (const bool kept : {false, true}) {
        Scene s;
        if (kept) {
            s.container->SetInnerControlWndProc(s.edit->WindowProc);
            s.edit->WindowProc = [keptProc = s.edit->WindowProc](TMessage& m) {
                if (m.Msg != WM_CHAR)
                    keptProc(m);
            };
        }
        TMessage m{WM_CHAR, 'q', 0, 0};
        s.container->CallInnerControlWndProc(m);
        EXPECT_EQ(s.edit->Text(), "q") << kept;
    }
    Scene s;
    EXPECT_EQ(s.container->GetFocusTarget(), s.edit);
    s.container->SetInnerControl(nullptr);
    EXPECT_EQ(s.container->GetFocusTarget(), s.container);
}

// The inner memo's vertical bar is read where it lies in the container and
// mirrored on an own bar; its hidden horizontal one is not usable. The
// container's class has no bars: syncing makes none.
TEST(ContainerMessages, TheInnerWindowsNativeBars)
{
    Application.Initialize();
    Scene s;
    SingleFrame(s);
    s.container->SetBounds(10, 10, 100, 60);
    auto& memo = s.form->Adopt(std::make_unique<TMemo>());
    memo.SetScrollBars(TScrollStyle::ssVertical);
    memo.SetParent(s.container);
    s.container->SetInnerControl(&memo);
    std::string lines;
    for (int i = 0; i < 30; ++i)
        lines += "line\r\n";
    memo.SetText(lines);
    s.container->UpdateViewInfo(POINT{-1, -1}, 0);
    Application.ProcessMessages();

    SCROLLBARINFO info;
    ASSERT_TRUE(s.container->ReadInnerScrollBarInfo(info, TScrollBarKind::sbVertical));
    EXPECT_TRUE(TcxContainer::IsScrollBarUsable(info));
    const TRect r = s.container->GetScrollBarRect(info);
    // Right of the memo's client area, in the container's coordinates.
    RECT client;
    GetClientRect(memo.Handle(), &client);
    MapWindowPoints(memo.Handle(), s.container->Handle(), reinterpret_cast<POINT*>(&client), 2);
    EXPECT_EQ(r.left, client.right);
    EXPECT_EQ(r.top, client.top);
    EXPECT_EQ(r.right - r.left, GetSystemMetrics(SM_CXVSCROLL));
    ASSERT_TRUE(s.container->ReadInnerScrollBarInfo(info, TScrollBarKind::sbHorizontal));
    EXPECT_FALSE(TcxContainer::IsScrollBarUsable(info));

    auto& bar = s.form->Adopt(std::make_unique<TcxScrollBar>());
    bar.SetKind(TScrollBarKind::sbVertical);
    bar.SetParent(s.container);
    bar.SetVisible(false);
    s.container->SyncScrollBar(bar);
    SCROLLINFO native{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(memo.Handle(), SB_VERT, &native);
    EXPECT_TRUE(bar.Visible());
    EXPECT_TRUE(bar.Enabled());
    EXPECT_EQ(bar.Max(), native.nMax);
    EXPECT_EQ(Sides(TRect{bar.Left(), bar.Top(), bar.Left() + bar.Width(), bar.Top() + bar.Height()}), Sides(r));

    s.container->SyncInnerScrollBars(false);
    EXPECT_EQ(s.container->VScrollBar(), nullptr);
}

// Its window class has no redraw on resizing; disabling it takes it to the
// disabled state at once; a press with automatic dragging starts a drag.
TEST(ContainerMessages, WindowClassEnablingAndAutomaticDrag)
{
    Application.Initialize();
    Scene s;
    const auto classStyle = GetClassLongPtrA(s.container->Handle(), GCL_STYLE);
    EXPECT_EQ(classStyle & (CS_HREDRAW | CS_VREDRAW), 0u);
    EXPECT_NE(classStyle & CS_DBLCLKS, 0u);

    s.container->Styles().StyleDisabled().SetColor(clSilver);
    s.container->SetEnabled(false);
    EXPECT_EQ(s.container->ViewInfo().ContainerState, csfDisabled);
    EXPECT_EQ(s.edit->Color(), clSilver);
    s.container->SetEnabled(true);

    for (const TDragMode mode : {TDragMode::dmManual, TDragMode::dmAutomatic}) {
        s.container->SetDragMode(mode);
        SendMessageA(s.container->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
        EXPECT_EQ(s.container->Dragging(), mode == TDragMode::dmAutomatic);
        if (s.container->Dragging())
            s.container->EndDrag(false);
        SendMessageA(s.container->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
    }
}
