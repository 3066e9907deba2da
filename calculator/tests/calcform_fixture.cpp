#include "calculator/tests/calcform_fixture.h"

#include "classlib/application.h"

std::unique_ptr<TCalcForm> CalcFormTest::form;

void CalcFormTest::SetUpTestSuite()
{
    Application.Initialize();
    form = std::make_unique<TCalcForm>();
    form->Show();
    SetForegroundWindow(form->Handle());
}

void CalcFormTest::TearDownTestSuite()
{
    form.reset();
}

void CalcFormTest::SetUp()
{
    // Voice off: these tests do not wait on the speech pace.
    form->CheckBox2->SetChecked(false);
    form->CheckBox4->SetChecked(false);
    form->CheckBox5->SetChecked(false);
    form->SpinEdit1->SetValue(2);
    form->Memo1->Clear();
    form->Edit2->Clear();
    form->Edit4->Clear();
    form->Edit5->Clear();
    form->curline = 0;
    SetForegroundWindow(form->Handle());
    form->Memo1->SetFocus();
    OnDialog([](HWND dialog) { DialogWatcher::Press(dialog, IDOK); });
    watcher = std::make_unique<DialogWatcher>([this](HWND dialog) {
        std::function<void(HWND)> act;
        {
            std::lock_guard<std::mutex> hold(actionLock);
            act = action;
        }
        act(dialog);
    });
}

void CalcFormTest::TearDown()
{
    watcher.reset();
}

void CalcFormTest::OnDialog(std::function<void(HWND)> next)
{
    std::lock_guard<std::mutex> hold(actionLock);
    action = std::move(next);
}

void CalcFormTest::Key(WORD vk, char ch)
{
    HWND memo = form->Memo1->Handle();
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(vk, 0)) << 16;
    SendMessageA(memo, WM_KEYDOWN, vk, 1 | scan);
    if (ch)
        SendMessageA(memo, WM_CHAR, static_cast<unsigned char>(ch), 1 | scan);
    SendMessageA(memo, WM_KEYUP, vk, 1 | scan | (3u << 30));
}

void CalcFormTest::Type(const std::string& keys)
{
    for (char c : keys)
        Key(static_cast<WORD>(VkKeyScanA(c) & 0xFF), c);
}

void CalcFormTest::Click(const std::string& button)
{
    SendMessageA(form->Component<TControl>(button).Handle(), BM_CLICK, 0, 0);
}

void CalcFormTest::SetTape(const std::string& text)
{
    form->Memo1->SetText(text);
    SetCaret(static_cast<int>(text.size()));
}

void CalcFormTest::SetCaret(int pos)
{
    form->Memo1->SetSelStart(pos);
    // Any key (here Shift, which changes nothing) tells the window where the caret is.
    Key(VK_SHIFT, 0);
}

std::vector<std::string> CalcFormTest::Lines() const
{
    std::vector<std::string> lines;
    std::string text = Tape();
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

std::string TempFolder()
{
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    std::string folder = std::string(dir) + "vostrel_calcform_" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}
