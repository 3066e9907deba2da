// Where aligned children go: inside what their container draws around them,
// and wherever a derived container or child decides.
#include <windows.h>

#include <gtest/gtest.h>

#include "classlib/application.h"
#include "classlib/customedit.h"
#include "classlib/form.h"
#include "classlib/panel.h"

namespace {

const char* const kLayoutForm = R"(LayoutForm: TForm
  ClientWidth = 400
  ClientHeight = 300
  Group: TGroupBox
    Left = 0
    Top = 0
    Width = 200
    Height = 100
    Caption = 分组
    InGroup: TPanel
      Align = alClient
  Raised: TPanel
    Left = 0
    Top = 100
    Width = 200
    Height = 100
    InRaised: TPanel
      Align = alClient
      Note: TEdit
        Left = 4
        Top = 4
        Width = 100
        Height = 22
)";

class LayoutForm : public TForm {
public:
    LayoutForm() { LoadFromText(kLayoutForm); }
};

// Children keep a margin of 10 on every side.
class TMarginPanel : public TPanel {
protected:
    void AdjustClientRect(RECT& rect) override
    {
        TPanel::AdjustClientRect(rect);
        InflateRect(&rect, -10, -10);
    }
};

// Every child gets an equal column, whatever its Align.
class TColumnsPanel : public TPanel {
protected:
    void AlignControls(TControl*, RECT& rect) override
    {
        int n = static_cast<int>(Controls().size());
        if (n == 0)
            return;
        int width = (rect.right - rect.left) / n;
        for (int i = 0; i < n; ++i)
            Controls()[static_cast<size_t>(i)]->SetBounds(rect.left + i * width, rect.top, width,
                                                           rect.bottom - rect.top);
    }
};

// Keeps its height whatever its parent asks.
class TFixedHeightPanel : public TPanel {
public:
    void SetBounds(int left, int top, int width, int) override { TPanel::SetBounds(left, top, width, 15); }
};

RECT PlaceInParent(const TControl& c)
{
    RECT r;
    GetWindowRect(c.Handle(), &r);
    MapWindowPoints(nullptr, GetParent(c.Handle()), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool Same(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

std::string Text(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

TEST(Layout, AlignedChildrenStayInsideFramesAndMargins)
{
    Application.Initialize();
    LayoutForm form;
    TMarginPanel margin;
    margin.SetParent(&form);
    margin.SetBounds(200, 0, 200, 100);
    TPanel top, fill;
    top.SetParent(&margin);
    top.SetBounds(0, 0, 50, 20);
    top.SetAlign(TAlign::alTop);
    fill.SetParent(&margin);
    fill.SetAlign(TAlign::alClient);

    HDC dc = GetDC(form.Handle());
    HGDIOBJ old = SelectObject(dc, form.Component<TGroupBox>("Group").Font().Handle());
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(form.Handle(), dc);

    struct Case {
        const TControl& child;
        RECT expected;
    } cases[] = {
        {form.Component<TPanel>("InGroup"), {2, tm.tmHeight + 2, 198, 98}}, // below the caption, inside the frame
        {form.Component<TPanel>("InRaised"), {1, 1, 199, 99}},              // inside the bevel
        {top, {11, 11, 189, 31}},                                           // the margin, then the bevel
        {fill, {11, 31, 189, 89}},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(Same(PlaceInParent(c.child), c.expected))
            << c.child.Name() << " at " << Text(PlaceInParent(c.child));

    margin.SetBounds(200, 0, 150, 150);
    EXPECT_TRUE(Same(PlaceInParent(fill), RECT{11, 31, 139, 139})) << "follows a resize: " << Text(PlaceInParent(fill));
}

TEST(Layout, DerivedContainersAndChildrenPlaceThemselves)
{
    Application.Initialize();
    LayoutForm form;
    TColumnsPanel columns;
    columns.SetParent(&form);
    columns.SetProperty("BevelOuter", "bvNone");
    columns.SetBounds(0, 200, 300, 60);
    TPanel left;
    TFixedHeightPanel right;
    for (TPanel* p : {static_cast<TPanel*>(&left), static_cast<TPanel*>(&right)}) {
        p->SetParent(&columns);
        p->SetAlign(TAlign::alClient);
    }
    EXPECT_TRUE(Same(PlaceInParent(left), RECT{0, 0, 150, 60})) << Text(PlaceInParent(left));
    EXPECT_TRUE(Same(PlaceInParent(right), RECT{150, 0, 300, 15})) << Text(PlaceInParent(right));
}

TEST(Layout, RemadeContainerKeepsItsChildWindows)
{
    Application.Initialize();
    LayoutForm form;
    auto& raised = form.Component<TPanel>("Raised");
    auto& inner = form.Component<TPanel>("InRaised");
    auto& note = form.Component<TEdit>("Note");
    note.SetText("备注");
    HWND oldRaised = raised.Handle(), oldInner = inner.Handle(), oldNote = note.Handle();
    raised.RecreateWnd();
    ASSERT_NE(raised.Handle(), oldRaised);
    EXPECT_EQ(inner.Handle(), oldInner);
    EXPECT_EQ(GetParent(inner.Handle()), raised.Handle());
    EXPECT_EQ(note.Handle(), oldNote);
    EXPECT_EQ(note.Text(), "备注");
    EXPECT_TRUE(Same(PlaceInParent(inner), RECT{1, 1, 199, 99})) << Text(PlaceInParent(inner));
}

} // namespace
