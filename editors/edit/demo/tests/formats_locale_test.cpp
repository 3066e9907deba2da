// The user changes the regional settings: the controller and the formats
// demonstration follow once the change is broadcast. Runs in a Wine prefix
// of its own, whose settings it puts back however it ends.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "classlib/formatsettings.h"
#include "classlib/tests/testprocess.h"
#include "editors/edit/formats/cxformats.h"

namespace {

constexpr char kInternational[] = "Control Panel\\International";

// Every value of the user's regional settings, written back on destruction
// (the ones SetLocaleInfoA filled in too), and the changed items set again
// so that this process reads them back as well.
class TSavedLocale {
public:
    TSavedLocale()
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kInternational, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return;
        for (DWORD i = 0;; ++i) {
            char name[256];
            BYTE data[1024];
            DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
            if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS)
                break;
            values_[name] = {type, std::vector<BYTE>(data, data + dataSize)};
        }
        RegCloseKey(key);
        for (LCTYPE item : kChanged)
            items_[item] = Read(item);
    }
    ~TSavedLocale()
    {
        for (const auto& [item, text] : items_)
            SetLocaleInfoA(LOCALE_USER_DEFAULT, item, text.c_str());
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kInternational, 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS)
            return;
        std::vector<std::string> added;
        for (DWORD i = 0;; ++i) {
            char name[256];
            DWORD nameSize = sizeof name;
            if (RegEnumValueA(key, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                break;
            if (!values_.contains(name))
                added.push_back(name);
        }
        for (const std::string& name : added)
            RegDeleteValueA(key, name.c_str());
        for (const auto& [name, value] : values_)
            RegSetValueExA(key, name.c_str(), 0, value.Type, value.Data.data(), static_cast<DWORD>(value.Data.size()));
        RegCloseKey(key);
    }
    TSavedLocale(const TSavedLocale&) = delete;
    TSavedLocale& operator=(const TSavedLocale&) = delete;

    static std::string Read(LCTYPE item)
    {
        char text[128] = {};
        GetLocaleInfoA(LOCALE_USER_DEFAULT, item, text, sizeof text);
        return text;
    }
    bool Saved() const { return !values_.empty(); }

private:
    static constexpr LCTYPE kChanged[] = {LOCALE_SSHORTDATE, LOCALE_STIMEFORMAT, LOCALE_IFIRSTDAYOFWEEK};
    struct TValue {
        DWORD Type;
        std::vector<BYTE> Data;
    };
    std::map<std::string, TValue> values_;
    std::map<LCTYPE, std::string> items_;
};

struct TCounter : IcxFormatListener {
    int Changes = 0;
    void FormatChanged() override { ++Changes; }
};

void BroadcastLocaleChange()
{
    DWORD_PTR result = 0;
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"), SMTO_ABORTIFHUNG,
                        5000, &result);
}

// The demonstration's label that starts with "<name>: ".
std::string DemoResult(HWND form, const std::string& name)
{
    for (const TWindowlessControl& label : LabelsOf(form))
        if (label.text.starts_with(name + ": "))
            return label.text.substr(name.size() + 2);
    return "(no label)";
}

class LocaleChange : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(saved_.Saved());
        FormatControllerInstance().AddFormatListener(&counter_);
    }
    void TearDown() override { FormatControllerInstance().RemoveFormatListener(&counter_); }

    // Sets one item and tells every window, as the control panel does.
    void Change(LCTYPE item, const char* text)
    {
        ASSERT_TRUE(SetLocaleInfoA(LOCALE_USER_DEFAULT, item, text)) << text;
        BroadcastLocaleChange();
    }

    TSavedLocale saved_;
    TCounter counter_;
};

TEST_F(LocaleChange, TheControllerFollowsTheNewFormats)
{
    const TcxFormatController& c = FormatControllerInstance();
    Change(LOCALE_SSHORTDATE, "yyyy-M-d");
    EXPECT_EQ(counter_.Changes, 1);
    // SetLocaleInfoA fills in the separator.
    EXPECT_EQ(TSavedLocale::Read(LOCALE_SDATE), "-");
    EXPECT_EQ(c.DateEditPattern(), "yyyy-MM-dd");
    EXPECT_EQ(c.DateMaskStandard(), R"(!9999\-99\-99;1; )");
    EXPECT_EQ(c.DateDisplayFormat(), "yyyy'-'mm'-'dd");

    Change(LOCALE_SSHORTDATE, "yyyy/M/d");
    Change(LOCALE_STIMEFORMAT, "tt h:mm:ss");
    EXPECT_EQ(TSavedLocale::Read(LOCALE_ITIME), "0");
    EXPECT_EQ(FormatSettings().LongTimeFormat, "AMPM h:mm:ss");
    EXPECT_EQ(c.Results().TimeInfo.Items.at(2).Text, "12H");
    EXPECT_EQ(c.DateTimeMaskStandard(), R"(!9999/99/99\ cccc\ 99:99:99;1; )");
    EXPECT_NE(c.DateTimeMaskRegExpr().find(R"(('上午'|'下午')?' '(0?[1-9]|1[012])\:[0-5]?\d\:[0-5]?\d)"),
              std::string::npos)
        << c.DateTimeMaskRegExpr();

    Change(LOCALE_IFIRSTDAYOFWEEK, "6");
    EXPECT_EQ(c.FirstDayOfWeek(), 0);
    EXPECT_EQ(counter_.Changes, 4);
}

// Wine keeps the regional settings a process read first until it ends, so
// the demonstration that was running counts the change, and one started
// after it shows the new values.
TEST_F(LocaleChange, TheDemonstrationShowsTheNewLocale)
{
    TTestProcess running(BuiltProgramPath(FORMATDEMO_EXE));
    const HWND form = ShowProcessForm(running, "Formats");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(DemoResult(form, "DateEditPattern"), "yyyy/MM/dd");
    Change(LOCALE_SSHORTDATE, "yyyy-M-d");
    Change(LOCALE_IFIRSTDAYOFWEEK, "6");
    std::string changes;
    for (int i = 0; i < 100 && (changes = DemoResult(form, "Changes")) != "format=2 time=0"; ++i)
        Sleep(50);
    EXPECT_EQ(changes, "format=2 time=0");
    EXPECT_EQ(CloseProcessForm(running, form), 0);

    TTestProcess next(BuiltProgramPath(FORMATDEMO_EXE));
    const HWND nextForm = ShowProcessForm(next, "Formats");
    ASSERT_NE(nextForm, nullptr);
    EXPECT_EQ(DemoResult(nextForm, "DateEditPattern"), "yyyy-MM-dd");
    EXPECT_EQ(DemoResult(nextForm, "DateMaskStandard"), R"(!9999\-99\-99;1; )");
    EXPECT_EQ(DemoResult(nextForm, "FirstDayOfWeek"), "0");
    EXPECT_EQ(CloseProcessForm(next, nextForm), 0);
}

} // namespace
