// Every way out saves settings and tape and takes the tray icon away; the
// tape survives a restart; a write that fails loses nothing and still ends.
#include "calculator/tests/calcform_fixture.h"
#include "classlib/application.h"

#include <algorithm>

namespace {

void Escape(TCalcForm& form)
{
    HWND memo = form.Memo1->Handle();
    SendMessageA(memo, WM_KEYDOWN, VK_ESCAPE, 1);
    SendMessageA(memo, WM_CHAR, VK_ESCAPE, 1);
    SendMessageA(memo, WM_KEYUP, VK_ESCAPE, 1 | (3u << 30));
}

// Logging off: the window is asked, then told; it must agree.
void EndSession(TCalcForm& form)
{
    EXPECT_EQ(SendMessageA(form.Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
    SendMessageA(form.Handle(), WM_ENDSESSION, TRUE, 0);
}

struct WayOut {
    const char* name;
    void (*take)(TCalcForm& form);
};

const WayOut kWaysOut[] = {
    {"exit button", [](TCalcForm& form) { ClickButton(form, "SpeedButton45"); }},
    {"tray menu", [](TCalcForm& form) { ChooseTrayItem(form.Handle(), 'c'); }},
    {"Esc", Escape},
    {"close box", [](TCalcForm& form) { SendMessageA(form.Handle(), WM_CLOSE, 0, 0); }},
    {"session end", EndSession},
    {"session end while in the tray",
     [](TCalcForm& form) {
         ChooseTrayItem(form.Handle(), 'h');
         EndSession(form);
     }},
};

// What stands in the way of a write, made after the window started; the
// handle it gives back is closed once the window is gone.
struct Obstacle {
    const char* name;
    HANDLE (*make)(const std::string& path);
};

} // namespace

TEST_F(CalcShellTest, EachWayOutSavesSettingsAndTapeAndRemovesTheTrayIcon)
{
    for (const auto& way : kWaysOut) {
        std::string folder = FreshFolder("wayout");
        auto form = Start(folder);
        // The icon is added once the window's messages run.
        Application.ProcessMessages();
        if (ShellHasTray()) {
            EXPECT_TRUE(TrayIconPresent(form->Handle())) << way.name;
        }
        form->Memo1->SetText("1+2=3\r\n4*5=20");
        form->SpinEdit1->SetValue(5);
        way.take(*form);
        EXPECT_TRUE(TakeQuit()) << way.name;
        EXPECT_EQ(SettingOf(folder, "number"), "5") << way.name;
        EXPECT_EQ(ReadBytes(folder + "temp.txt"), "1+2=3\r\n4*5=20\r\n") << way.name;
        EXPECT_FALSE(TrayIconPresent(form->Handle())) << way.name;
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(CalcShellTest, AKeyWaitingAtStartGoesBeforeTheTrayIcon)
{
    if (!ShellHasTray())
        GTEST_SKIP() << "no notification area";
    auto form = Start(FreshFolder("traywait"));
    std::vector<bool> iconAtKey;
    form->Memo1->OnKeyPress = [&](TComponent&, char&) { iconAtKey.push_back(TrayIconPresent(form->Handle())); };
    PostMessageA(form->Memo1->Handle(), WM_CHAR, '1', 1);
    Application.ProcessMessages();
    EXPECT_EQ(iconAtKey, std::vector<bool>{false});
    EXPECT_TRUE(TrayIconPresent(form->Handle()));
}

TEST_F(CalcShellTest, ALogOffThatIsCancelledKeepsTheProgramRunningWithTheTapeSaved)
{
    std::string folder = FreshFolder("cancelledlogoff");
    auto form = Start(folder);
    Application.ProcessMessages();
    form->Memo1->SetText("1+2=3");
    EXPECT_EQ(SendMessageA(form->Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_EQ(ReadBytes(folder + "temp.txt"), "1+2=3\r\n") << "saved when asked";
    SendMessageA(form->Handle(), WM_ENDSESSION, FALSE, 0);
    EXPECT_FALSE(TakeQuit());
    if (ShellHasTray()) {
        EXPECT_TRUE(TrayIconPresent(form->Handle()));
    }
    // Still the whole program: the next way out saves what came meanwhile.
    form->Memo1->SetText("1+2=3\r\n4*5=20");
    form->SpinEdit1->SetValue(6);
    EndSession(*form);
    EXPECT_TRUE(TakeQuit());
    EXPECT_EQ(ReadBytes(folder + "temp.txt"), "1+2=3\r\n4*5=20\r\n");
    EXPECT_EQ(SettingOf(folder, "number"), "6");
    EXPECT_FALSE(TrayIconPresent(form->Handle()));
}

TEST_F(CalcShellTest, TheTapeComesBackWithTheCaretAtItsEndInView)
{
    std::string folder = FreshFolder("roundtrip");
    struct Case {
        std::string tape, loaded;
    } cases[] = {{"1+2=3\r\n4*5=20\r\n", "1+2=3\r\n4*5=20\r\n"},
                 // An unfinished last line comes back ended, so the caret starts on a fresh line.
                 {"1+2=3\r\n4*5", "1+2=3\r\n4*5\r\n"},
                 {"\r\n\r\n中文=1\r\n", "\r\n\r\n中文=1\r\n"},
                 {"", ""}};
    for (const auto& c : cases) {
        auto form = Start(folder);
        form->Memo1->SetText(c.tape);
        ClickButton(*form, "SpeedButton45");
        ASSERT_TRUE(TakeQuit());
        EXPECT_EQ(ReadBytes(folder + "temp.txt"), c.loaded) << "no empty line is added";
        form = Start(folder);
        EXPECT_EQ(form->Memo1->Text(), c.loaded);
        EXPECT_EQ(form->Memo1->SelStart(), static_cast<int>(c.loaded.size()));
    }

    // Lines ended by CR, LF or CR LF, and a last line without an end.
    WriteBytes(folder + "temp.txt", "1\r2\n3\r\n4");
    EXPECT_EQ(Start(folder)->Memo1->Text(), "1\r\n2\r\n3\r\n4\r\n");

    std::string lines;
    for (int i = 0; i < 300; ++i)
        lines += std::to_string(i) + "+1=" + std::to_string(i + 1) + "\r\n";
    WriteBytes(folder + "temp.txt", lines);
    auto form = Start(folder);
    form->Show();
    EXPECT_GT(SendMessageA(form->Memo1->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), 250);
}

TEST_F(CalcShellTest, TwoWaysOutMeetingRunTheSequenceOnce)
{
    // The settings error holds the first way out; a close request comes meanwhile.
    std::string folder = FreshFolder("twoways");
    auto form = Start(folder);
    CreateDirectoryA((folder + "setinfo.ini").c_str(), nullptr);
    HWND window = form->Handle();
    OnDialog([window](HWND dialog) {
        PostMessageA(window, WM_CLOSE, 0, 0);
        Sleep(100);
        DialogWatcher::Press(dialog, IDOK);
    });
    form->Show();
    form->Memo1->SetText("9");
    ClickButton(*form, "SpeedButton45");
    EXPECT_TRUE(PumpUntil([&] { return DialogCount() == 1; }));
    // Time for a second error box, which must not come.
    PumpUntil([] { return false; }, 500);
    EXPECT_EQ(DialogCount(), 1);
    EXPECT_FALSE(IsWindowVisible(window)) << "the close went ahead";
    EXPECT_EQ(ReadBytes(folder + "temp.txt"), "9\r\n");
    EXPECT_FALSE(TrayIconPresent(window));
}

// A close request met inside a pause of a reading: the way out runs there,
// the reading ends at that pause and the quit is handed on to the loop.
TEST_F(CalcShellTest, AWayOutDuringAReadingEndsItAndReachesTheLoop)
{
    std::string folder = FreshFolder("readingout");
    auto form = Start(folder);
    form->Show();
    form->CheckBox2->SetChecked(true);
    form->CheckBox5->SetChecked(false);
    NotingPlayer& noted = NoteClips(*form);
    form->Memo1->SetText("123456789*9");
    HWND memo = form->Memo1->Handle();
    SendMessageA(memo, EM_SETSEL, 11, 11);
    SendMessageA(memo, WM_KEYDOWN, VK_RETURN, 1);
    SendMessageA(memo, WM_CHAR, '\r', 1);
    // Behind the reading the Enter queued, so handled in its first pause.
    PostMessageA(form->Handle(), WM_CLOSE, 0, 0);
    Application.ProcessMessages();
    EXPECT_TRUE(TakeQuit());
    EXPECT_FALSE(form->speaking());
    EXPECT_EQ(noted.played, std::vector<std::string>{"eqr_wav"}) << "no clip after the way out";
    EXPECT_EQ(ReadBytes(folder + "temp.txt"), "123456789*9=1111111101\r\n");
    form.reset();
}

TEST_F(CalcShellTest, ASettingsWriteThatFailsIsShownOnceAndTheRestOfTheWayOutRuns)
{
    // What refuses a write under Wine, where root writes read-only files too.
    const Obstacle obstacles[] = {
        {"folder",
         [](const std::string& path) {
             CreateDirectoryA(path.c_str(), nullptr);
             return INVALID_HANDLE_VALUE;
         }},
        // Opened without sharing, as an editor holding the file would.
        {"locked",
         [](const std::string& path) {
             WriteBytes(path, "[calcform]\r\niTop=0\r\n");
             return CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
         }},
    };
    for (const auto& obstacle : obstacles) {
        std::string folder = FreshFolder(std::string("badsettings_") + obstacle.name);
        std::string settings = folder + "setinfo.ini";
        WriteBytes(folder + "temp.txt", "old\r\n");
        auto form = Start(folder);
        HANDLE lock = obstacle.make(settings);
        form->Memo1->SetText("new");
        Escape(*form);
        if (lock != INVALID_HANDLE_VALUE)
            CloseHandle(lock);
        EXPECT_TRUE(TakeQuit()) << obstacle.name;
        auto messages = Messages();
        EXPECT_EQ(std::count(messages.begin(), messages.end(), "Unable to write to " + settings), 1) << obstacle.name;
        EXPECT_EQ(ReadBytes(settings), std::string(obstacle.name) == "locked" ? "[calcform]\r\niTop=0\r\n" : "(missing)")
            << obstacle.name;
        EXPECT_EQ(ReadBytes(folder + "temp.txt"), "new\r\n") << obstacle.name;
        EXPECT_FALSE(TrayIconPresent(form->Handle())) << obstacle.name;
    }
}

TEST_F(CalcShellTest, ATapeAutosaveThatCannotBeReplacedKeepsThePreviousOneWhole)
{
    std::string folder = FreshFolder("lockedtape");
    WriteBytes(folder + "temp.txt", "1+2=3\r\n");
    auto form = Start(folder);
    form->Memo1->SetText("new tape");
    HANDLE lock = CreateFileA((folder + "temp.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    ClickButton(*form, "SpeedButton45");
    CloseHandle(lock);
    EXPECT_TRUE(TakeQuit());
    EXPECT_EQ(ReadBytes(folder + "temp.txt"), "1+2=3\r\n");
    EXPECT_EQ(SettingOf(folder, "number"), "2");
    EXPECT_TRUE(Messages().empty()) << "the autosave fails silently";
    // No half-written file left beside it.
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*.tmp").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE);
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
}

TEST_F(CalcShellTest, AProgramFolderThatIsGoneStillLetsTheProgramEnd)
{
    std::string folder = FreshFolder("gone");
    auto form = Start(folder);
    form->Memo1->SetText("1");
    RemoveDirectoryA(folder.c_str());
    ClickButton(*form, "SpeedButton45");
    EXPECT_TRUE(TakeQuit());
    EXPECT_EQ(Messages(), std::vector<std::string>{"Unable to write to " + folder + "setinfo.ini"});
    EXPECT_FALSE(TrayIconPresent(form->Handle()));
}

TEST_F(CalcShellTest, HiddenThroughTheTrayAndShownAgainKeepsTapeAndOptions)
{
    auto form = Start(FreshFolder("tray"));
    form->Show();
    form->Memo1->SetText("1+2=3\r\n");
    form->CheckBox4->SetChecked(true);
    form->SpinEdit1->SetValue(7);
    form->Panel1->SetVisible(false);

    EXPECT_EQ(ChooseTrayItem(form->Handle(), 'h'), (std::vector<bool>{false, false, false, false}));
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_EQ(ChooseTrayItem(form->Handle(), 's'), (std::vector<bool>{false, true, false, false}));
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_TRUE(form->N1->Checked);
    EXPECT_FALSE(form->N2->Checked);

    EXPECT_EQ(form->Memo1->Text(), "1+2=3\r\n");
    EXPECT_TRUE(form->CheckBox4->Checked());
    EXPECT_EQ(form->SpinEdit1->Value(), 7);
    EXPECT_FALSE(form->Panel1->Visible());
    if (ShellHasTray()) {
        EXPECT_TRUE(TrayIconPresent(form->Handle()));
    }
    EXPECT_FALSE(TakeQuit());
    // The tools item has no window to open yet; the program goes on.
    ChooseTrayItem(form->Handle(), 't');
    EXPECT_FALSE(TakeQuit());
}
