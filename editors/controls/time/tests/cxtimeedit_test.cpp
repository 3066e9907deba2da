// The time editor on a form made from form text, typed into through the
// system's input queue in 24-hour and 12-hour mode: digits, designators,
// steps of the item at the caret by keys, wheel and buttons; its values and
// texts read back, what a locale change does to its masks, and its unit's
// registrations.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "classlib/application.h"
#include "classlib/classregistry.h"
#include "classlib/customedit.h"
#include "classlib/datetimetext.h"
#include "classlib/form.h"
#include "classlib/tests/realinput.h"
#include "classlib/units.h"
#include "editors/controls/tests/editorformtest.h"
#include "editors/controls/time/cxfiltertimeedithelper.h"
#include "editors/controls/time/cxtimeedit.h"
#include "editors/controls/time/cxtimeeditformatlistener.h"
#include "editors/edit/repository/cxeditpropertiesregistry.h"

namespace {

const char* const kTimeForm = R"(TimeForm: TForm
  ClientWidth = 320
  ClientHeight = 90
  KeyPreview = true
  OnKeyDown = FormKeyDown
  Time: TcxTimeEdit
    Left = 10
    Top = 10
    Width = 200
    EditValue = 0.75
  Other: TEdit
    Left = 10
    Top = 50
)";

constexpr double kHour = 1.0 / 24;
constexpr double kSecond = 1.0 / 86400;

struct TTypedCase {
    double time;
    const wchar_t* keys;
    const char* text;
    int selStart, selLength;
};

class TimeEditTest : public EditorFormTest {
protected:
    void SetUp() override { NewForm(); }

    void NewForm()
    {
        ShowNewForm(kTimeForm);
        // Unfocused until a case clicks into it.
        Other().SetFocus();
        Application.ProcessMessages();
    }

    TcxTimeEdit& Edit() const { return Component<TcxTimeEdit>("Time"); }
    TcxTimeEditProperties& Properties() const { return Edit().TimeEditProperties(); }
    TEdit& Other() const { return Component<TEdit>("Other"); }
    HWND Inner() const { return Edit().InnerTextEditControl()->Handle(); }
    std::string Shown() const { return TextOf(Inner()); }
    // Focused by a real click into its text, waited for.
    bool ClickIn()
    {
        RECT r{};
        GetClientRect(Edit().Handle(), &r);
        return ClickFocusing(Edit().Handle(), POINT{10, (r.bottom - r.top) / 2}, Inner());
    }
    // The centre of the button of kind, on the screen.
    POINT ButtonCentre(TcxSpinButtonKind kind) const
    {
        const TcxCustomEditViewInfo& vi = Edit().ViewInfo();
        for (int i = 0; i < vi.ButtonCount(); ++i) {
            if (vi.Button(i).Index != kind)
                continue;
            const TRect& b = vi.Button(i).Bounds;
            POINT p{(b.left + b.right) / 2, (b.top + b.bottom) / 2};
            ClientToScreen(Edit().Handle(), &p);
            return p;
        }
        return POINT{-1, -1};
    }
    // Keys in braces: {H} Home, {E} End, {L} Left, {R} Right, {U} Up,
    // {N} Down, {PU} Page Up, {PD} Page Down, {W} the wheel forward,
    // {B} a click on the forward button; anything else is typed. Handled
    // once done.
    bool Play(const std::wstring& script)
    {
        struct Named {
            const wchar_t* name;
            WORD vk;
        };
        static const Named keys[] = {{L"H", VK_HOME}, {L"E", VK_END},    {L"L", VK_LEFT},   {L"R", VK_RIGHT},
                                     {L"U", VK_UP},   {L"N", VK_DOWN},   {L"PU", VK_PRIOR}, {L"PD", VK_NEXT}};
        return PlayScript(script, [this](const std::wstring& step) {
            if (step == L"W") {
                // Handled by the time it returns, as the keys before it are.
                Settle();
                POINT p{5, 5};
                ClientToScreen(Edit().Handle(), &p);
                SendMessageA(Edit().Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(p.x, p.y));
            } else if (step == L"B") {
                Settle();
                MoveCursorInput(ButtonCentre(sbkForward));
                LeftButtonInput(true);
                LeftButtonInput(false);
            }
            for (const Named& k : keys)
                if (step == k.name)
                    TapKeyInput(k.vk);
        });
    }

    // Each case on a new form: the time set, the focus taken by a click,
    // Home and the keys; then the focus leaves.
    void PlayCases(bool use24Hour, const std::vector<TTypedCase>& cases)
    {
        for (const TTypedCase& c : cases) {
            SCOPED_TRACE(testing::Message() << c.time << " " << testing::PrintToString(std::wstring(c.keys)));
            NewForm();
            Properties().SetUse24HourFormat(use24Hour);
            Edit().SetTime(c.time);
            ASSERT_TRUE(ClickIn()) << DescribeInputTarget();
            ASSERT_TRUE(Play(L"{H}" + std::wstring(c.keys))) << DescribeInputTarget();
            EXPECT_EQ(Shown(), c.text);
            EXPECT_EQ(Edit().SelectionStart(), c.selStart);
            EXPECT_EQ(Edit().SelectionLength(), c.selLength);
            // Leaving stores what was shown.
            const std::string shown = Shown();
            Other().SetFocus();
            Application.ProcessMessages();
            EXPECT_EQ(FormatDateTime(use24Hour ? "hh:nn:ss" : "hh:nn:ss ampm", Edit().Time(), FormatSettings()),
                      shown);
        }
    }
};


TEST_F(TimeEditTest, TwentyFourHourTypingAndSteps)
{
    const double morning = 10 * kHour + 30 * kSecond * 60 + 15 * kSecond;
    const std::vector<TTypedCase> cases = {
        {0, L"{H}083015", "08:30:15", 8, 0},
        {8 * kHour, L"{H}7", "07:00:00", 3, 1},
        {morning, L"{H}{R}{R}{U}", "10:31:15", 4, 1},
        {morning, L"{H}{R}{R}{U}{PU}", "10:41:15", 4, 1},
        {morning, L"{E}{PD}", "10:30:05", 7, 1},
        {1 - kSecond, L"{E}{U}", "23:59:59", 7, 1},
        {morning, L"{H}{R}{R}{W}", "10:31:15", 4, 1},
        {morning, L"{E}{N}{B}", "10:30:15", 7, 1},
    };
    PlayCases(true, cases);
}

TEST_F(TimeEditTest, TwelveHourTypingAndSteps)
{
    const std::vector<TTypedCase> cases = {
        {0, L"", "12:00:00 上午", 0, 1},
        {13.5 * kHour, L"", "01:30:00 下午", 0, 1},
        {11 * kHour, L"{E}{U}", "11:00:00 下午", 9, 4},
        {11 * kHour, L"{E}{N}", "11:00:00 下午", 9, 4},
        {11 * kHour, L"{E}{L}{L}下", "11:00:00 下午", 13, 0},
        {23 * kHour, L"{E}{L}{L}上", "11:00:00 上午", 13, 0},
        {11 * kHour, L"{E}{L}{L}ap", "11:00:00 上午", 9, 2},
        {0, L"{H}13", "03:00:00 上午", 3, 1},
    };
    PlayCases(false, cases);
}

TEST_F(TimeEditTest, LeftAndRightWalkEveryPositionOfTheTwelveHourText)
{
    Properties().SetUse24HourFormat(false);
    Edit().SetTime(9 * kHour);
    ASSERT_TRUE(ClickIn()) << DescribeInputTarget();
    ASSERT_TRUE(Play(L"{H}"));
    std::vector<int> right, left;
    for (int i = 0; i < 8; ++i) {
        ASSERT_TRUE(Play(L"{R}"));
        right.push_back(Edit().SelectionStart());
    }
    for (int i = 0; i < 8; ++i) {
        ASSERT_TRUE(Play(L"{L}"));
        left.push_back(Edit().SelectionStart());
    }
    // Over the separators and the blank, a designator character at a time.
    EXPECT_EQ(right, (std::vector<int>{1, 3, 4, 6, 7, 9, 11, 13}));
    EXPECT_EQ(left, (std::vector<int>{11, 9, 7, 6, 4, 3, 1, 0}));
    EXPECT_EQ(Shown(), "09:00:00 上午");
}

TEST_F(TimeEditTest, TimeKeepsTheDatePart)
{
    // From form text: a date-time.
    EXPECT_EQ(Edit().EditValue().VarType(), varDate);
    EXPECT_DOUBLE_EQ(Edit().Time(), 0.75);
    EXPECT_EQ(Shown(), "18:00:00");
    const struct {
        double stored, datePart, value;
    } cases[] = {
        {0, 0, 0.75},
        {45000.25, 45000, 45000.75},
        {-2.25, -2, -2.75},
    };
    for (const auto& c : cases) {
        Edit().SetEditValue(Variant::FromDateTime(c.stored));
        Edit().SetTime(45000.75);
        EXPECT_EQ(Edit().DatePart(), c.datePart);
        EXPECT_DOUBLE_EQ(Edit().EditValue().ToDouble(), c.value);
        EXPECT_EQ(Edit().EditValue().VarType(), varDate);
        EXPECT_DOUBLE_EQ(Edit().Time(), 0.75);
        EXPECT_EQ(Shown(), "18:00:00");
    }
}

TEST_F(TimeEditTest, TextChangesOnlyWhatIsShown)
{
    Edit().SetTime(0.5);
    const struct {
        const char* text;
        const char* shown;
    } cases[] = {
        {"8:00", "08:00:00"},
        {"99:99:99", "08:00:00"},
        {"23:59", "23:59:00"},
    };
    for (const auto& c : cases) {
        Edit().SetText(c.text);
        EXPECT_EQ(Shown(), c.shown) << c.text;
        EXPECT_EQ(Edit().Text(), c.shown) << c.text;
        EXPECT_DOUBLE_EQ(Edit().Time(), 0.5) << c.text;
    }
    // WM_SETTEXT too.
    EXPECT_TRUE(SendMessageA(Edit().Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("7:05")));
    EXPECT_EQ(Shown(), "07:05:00");
    EXPECT_FALSE(SendMessageA(Edit().Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("7:65")));
    EXPECT_EQ(Shown(), "07:05:00");
}

TEST_F(TimeEditTest, ANullValueReadsAsMidnightAndTakesNoStep)
{
    // Shown empty unfocused in 12-hour mode: the wheel and a step find no item.
    Properties().SetUse24HourFormat(false);
    Edit().SetEditValue(Variant::Null());
    EXPECT_EQ(Edit().Time(), 0);
    EXPECT_EQ(Shown(), "");
    POINT p{5, 5};
    ClientToScreen(Edit().Handle(), &p);
    SendMessageA(Edit().Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(p.x, p.y));
    EXPECT_FALSE(Edit().DoIncrement(sbkForward));
    EXPECT_EQ(Shown(), "");
    EXPECT_TRUE(Edit().EditValue().IsNull());
}

TEST_F(TimeEditTest, PropertiesFollowTheTimeFormat)
{
    const struct {
        TcxTimeEditTimeFormat format;
        bool use24Hour;
        const char* mask;
        const char* shown;
    } cases[] = {
        {tfHourMinSec, true, "00:00:00;1;0", "18:00:00"},
        {tfHour, true, "00;1;0", "18"},
        {tfHourMinSec, false, "00:00:00 cccc;1;0", "06:00:00 下午"},
        {tfHour, false, "00 cccc;1;0", "06 下午"},
    };
    for (const auto& c : cases) {
        Properties().SetTimeFormat(c.format);
        Properties().SetUse24HourFormat(c.use24Hour);
        EXPECT_EQ(Properties().EditMask(), c.mask);
        EXPECT_EQ(Shown(), c.shown);
        EXPECT_DOUBLE_EQ(Edit().Time(), 0.75);
    }
    // A copy takes the time settings.
    TcxTimeEditProperties copy(nullptr);
    copy.Assign(Properties());
    EXPECT_EQ(copy.TimeFormat(), tfHour);
    EXPECT_FALSE(copy.Use24HourFormat());
    EXPECT_EQ(copy.EditMask(), "00 cccc;1;0");
}

TEST_F(TimeEditTest, ALocaleChangeFitsTheTwelveHourMasks)
{
    TFormatSettings& settings = FormatSettings();
    const TFormatSettings saved = settings;
    settings.TimeAMString = "AM";
    settings.TimePMString = "PM";
    auto* listener = static_cast<IcxFormatListener*>(cxTimeEditFormatListener());
    ASSERT_NE(listener, nullptr);
    listener->FormatChanged();
    const std::string fitted = cxTimeFormatTable().Cell({tfHourMinSec, false}).EditMask;
    // A properties object takes the new mask when it applies its mask again.
    Properties().SetUse24HourFormat(false);
    const std::string applied = Properties().EditMask();
    const std::string shown = Shown();
    settings = saved;
    listener->FormatChanged();
    EXPECT_EQ(fitted, "00:00:00 cc;1;0");
    EXPECT_EQ(applied, "00:00:00 cc;1;0");
    EXPECT_EQ(shown, "06:00:00 PM");
    EXPECT_EQ(cxTimeFormatTable().Cell({tfHourMinSec, false}).EditMask, "00:00:00 cccc;1;0");
}

TEST_F(TimeEditTest, TheUnitRegistersTheEditor)
{
    TcxRegisteredClasses& registry = EditPropertiesRegistry();
    const int index = registry.IndexOfClass(&cxTimeEditPropertiesClass);
    ASSERT_NE(index, -1);
    EXPECT_EQ(registry.Descriptions(index), "TimeEdit");
    EXPECT_EQ(FilterEditsControllerInstance().FindHelper(&cxTimeEditPropertiesClass),
              &TcxFilterTimeEditHelper::Instance);
    const std::unique_ptr<TComponent> made = CreateComponent("TcxTimeEdit");
    EXPECT_NE(dynamic_cast<TcxTimeEdit*>(made.get()), nullptr);
    // A filter editor starts at midnight.
    TcxFilterTimeEditHelper::Instance.InitFilterEdit(Edit(), Properties());
    EXPECT_EQ(Edit().Time(), 0);
}

} // namespace
