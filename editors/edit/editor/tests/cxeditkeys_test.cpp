// The editor's keys typed through the system's input queue into the EDIT
// inside the integer editor: the click and clear keys, Enter, Escape, Tab
// and the paging and arrow keys.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/shortcut.h"
#include "classlib/tests/dialogwatcher.h"
#include "classlib/tests/realinput.h"
#include "editors/edit/editor/tests/editorscene.h"

namespace {

std::string Escaped(const std::string& s)
{
    std::string out;
    for (char c : s)
        out += static_cast<unsigned char>(c) < 32 ? "\\x" + std::to_string(static_cast<int>(c)) : std::string(1, c);
    return out;
}

} // namespace

TEST(EditorKeys, CtrlEnterClicksOnlyADefaultButtonAndThenNoLineFeedReachesTheEdit)
{
    const struct {
        bool defaultButton;
        int clicks;
        bool lineFeedArrives;
    } cases[] = {{true, 1, false}, {false, 0, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.defaultButton ? "default button" : "no default button");
        EditorScene s;
        int clicked = 0;
        TcxEditButton& button = s.edit->DemoProperties().Buttons().Add();
        button.SetKind(bkEllipsis);
        button.SetDefault(c.defaultButton);
        s.edit->DemoProperties().OnButtonClick = [&](TComponent&, int index) {
            EXPECT_EQ(index, 0);
            ++clicked;
        };
        s.FocusEditor();
        ASSERT_TRUE(EditorScene::HasFocus(s.edit->Inner())) << DescribeInputTarget();
        TapKeyInput(VK_RETURN, VK_CONTROL);
        TypeKeys(L"7");
        ASSERT_TRUE(Eventually([&] { return s.Text().find('7') != std::string::npos; }));
        EXPECT_EQ(clicked, c.clicks);
        const std::string received = s.edit->Inner().CharsReceived();
        EXPECT_EQ(received.find('\n') != std::string::npos, c.lineFeedArrives) << Escaped(received);
    }
}

TEST(EditorKeys, EnterValidatesAndPostsOnlyWithValidateOnEnter)
{
    const struct {
        bool validateOnEnter;
        const wchar_t* typed;
        int boxes;
        std::vector<int> posts;
        const char* value;
    } cases[] = {
        {true, L"42", 0, {42}, "42"},
        {false, L"42", 0, {}, ""},
        // Consumed all the same: refused with the message, nothing stored.
        {true, L"420", 1, {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.validateOnEnter << " " << std::string(c.typed, c.typed + wcslen(c.typed)));
        EditorScene s;
        s.edit->DemoProperties().SetValidateOnEnter(c.validateOnEnter);
        DialogWatcher boxes([](HWND box) { DialogWatcher::Press(box, IDOK); });
        s.FocusEditor();
        TypeKeys(c.typed);
        TypeKeys(L"\r");
        ASSERT_TRUE(Eventually([&] { return boxes.Count() == c.boxes && s.Text().size() == wcslen(c.typed); }))
            << s.Text();
        Settle();
        EXPECT_EQ(boxes.Count(), c.boxes);
        std::vector<int> posts;
        for (const Variant& v : s.edit->Binding().Posts)
            posts.push_back(v.ToInteger());
        EXPECT_EQ(posts, c.posts);
        EXPECT_EQ(VarToStr(s.edit->EditValue()), c.value);
        EXPECT_EQ(s.edit->ChangeEventsLockCount(), 0);
    }
}

TEST(EditorKeys, TheFirstEscapeRevertsAndIsSwallowedTheSecondReachesTheEdit)
{
    EditorScene s;
    s.edit->DemoProperties().SetKeepsValueAtFocus(true);
    s.edit->SetEditValue(7);
    s.FocusEditor();
    EXPECT_EQ(s.Text(), "7");
    TypeKeys(L"5");
    ASSERT_TRUE(Eventually([&] { return s.edit->ModifiedSinceFocus() && !s.Text().empty(); })) << s.Text();
    EXPECT_NE(s.Text(), "7");

    TapKeyInput(VK_ESCAPE);
    ASSERT_TRUE(Eventually([&] { return s.Text() == "7"; })) << s.Text();
    Settle();
    EXPECT_FALSE(s.edit->ModifiedSinceFocus());
    EXPECT_EQ(s.edit->Inner().CharsReceived().find('\x1b'), std::string::npos);

    TapKeyInput(VK_ESCAPE);
    ASSERT_TRUE(Eventually([&] { return s.edit->Inner().CharsReceived().find('\x1b') != std::string::npos; }))
        << Escaped(s.edit->Inner().CharsReceived());
    EXPECT_EQ(s.Text(), "7");
    EXPECT_EQ(VarToStr(s.edit->EditValue()), "7");
}

TEST(EditorKeys, TabMovesTheFocusOnlyWithoutCtrlAltOrWantsTab)
{
    const struct {
        WORD held;
        bool wantsTab;
        bool moves;
    } cases[] = {
        {0, false, true},
        {VK_SHIFT, false, true},
        {VK_CONTROL, false, false},
        {VK_MENU, false, false},
        {0, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "held " << c.held << " wantsTab " << c.wantsTab);
        EditorScene s;
        s.edit->DemoProperties().SetWantsTab(c.wantsTab);
        int tabsSeen = 0;
        s.edit->AfterKeyDownHandler = [&](TcxCustomEdit&, WORD& key, TShiftState) { tabsSeen += key == VK_TAB; };
        s.FocusEditor();
        TapKeyInput(VK_TAB, c.held);
        if (c.moves) {
            EXPECT_TRUE(Eventually([&] { return EditorScene::HasFocus(*s.other); })) << DescribeInputTarget();
            // Before moving on, the handler saw the Tab.
            EXPECT_EQ(tabsSeen, 1);
        } else {
            Settle();
            EXPECT_TRUE(EditorScene::HasFocus(s.edit->Inner())) << DescribeInputTarget();
            EXPECT_EQ(s.exits, 0);
        }
    }
}

TEST(EditorKeys, PagingAndArrowKeysGoToTheAfterKeyDownHandlerNotTheEdit)
{
    EditorScene s;
    std::vector<WORD> seen;
    s.edit->AfterKeyDownHandler = [&](TcxCustomEdit&, WORD& key, TShiftState) { seen.push_back(key); };
    s.edit->SetEditValue(12);
    // Clicked in its middle, the EDIT has the caret after "12".
    s.FocusEditor();
    const std::vector<WORD> keys = {VK_PRIOR, VK_NEXT, VK_END, VK_HOME, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN};
    for (WORD key : keys)
        TapKeyInput(key);
    ASSERT_TRUE(Eventually([&] { return seen.size() >= keys.size(); })) << seen.size();
    EXPECT_EQ(seen, keys);
    // Home and Left never reached the EDIT: typing still lands at the end.
    TypeKeys(L"3");
    ASSERT_TRUE(Eventually([&] { return s.Text().size() == 3; }));
    EXPECT_EQ(s.Text(), "123");
}

TEST(EditorKeys, TheClearKeyStoresNullAsTheUser)
{
    EditorScene s;
    s.edit->DemoProperties().SetClearKey(ShortCut(VK_DELETE, ssCtrl));
    s.edit->DemoProperties().SetComparesValues(true);
    int valueChanges = 0;
    s.edit->DemoProperties().OnEditValueChanged = [&](TComponent&) { ++valueChanges; };
    s.edit->SetEditValue(5);
    valueChanges = 0;
    s.FocusEditor();
    TapKeyInput(VK_DELETE, VK_CONTROL);
    ASSERT_TRUE(Eventually([&] { return VarIsNull(s.edit->EditValue()); })) << VarToStr(s.edit->EditValue());
    EXPECT_EQ(s.Text(), "");
    EXPECT_EQ(valueChanges, 1);
    EXPECT_TRUE(s.edit->ValueValidated());
    EXPECT_TRUE(s.edit->ModifiedSinceFocus());
    EXPECT_EQ(s.edit->ChangeEventsLockCount(), 0);
}

TEST(EditorKeys, AnAcceleratorClicksTheFirstVisibleButtonWhoseCaptionMarksIt)
{
    const struct {
        char key;
        int clicked; // -1: none, and the form looks further
    } cases[] = {{'g', 0}, {'T', 1}, {'h', -1}, {'&', -1}, {'x', -1}};
    EditorScene s;
    TDemoIntegerEditProperties& p = s.edit->DemoProperties();
    for (const char* caption : {"&Go", "S&top", "&Hidden", "a&&b"}) {
        TcxEditButton& button = p.Buttons().Add();
        button.SetKind(bkText);
        button.SetCaption(caption);
    }
    p.Buttons().Items(2)->SetVisible(false);
    int clicked = -1;
    p.OnButtonClick = [&](TComponent&, int index) { clicked = index; };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        clicked = -1;
        const LRESULT handled = s.form->Perform(CM_DIALOGCHAR, static_cast<unsigned char>(c.key), 0);
        EXPECT_EQ(clicked, c.clicked);
        EXPECT_EQ(handled != 0, c.clicked >= 0);
    }
}
