#include "editors/controls/spin/tests/spinscene.h"

#include "classlib/application.h"
#include "classlib/tests/realinput.h"
#include "classlib/tests/testform.h"

SpinScene::SpinScene() : form(ShowTestForm(320, 120))
{
    other = &form->Adopt(std::make_unique<TEdit>());
    other->SetBounds(10, 60, 100, 21);
    other->SetParent(form.get());
    Renew();
}

void SpinScene::Renew()
{
    owned.reset();
    owned = std::make_unique<TcxSpinEdit>();
    edit = owned.get();
    edit->SetBounds(10, 10, 200, 21);
    edit->SetParent(form.get());
    other->SetFocus();
    Application.ProcessMessages();
}

// The click is this thread's to handle: FocusByClick would wait without doing so.
bool SpinScene::Focus() const
{
    ClickInput(Inner());
    return Within(5000, [this] { return GetFocus() == Inner() && GetCapture() == nullptr; });
}

void SpinScene::LeaveFocus() const
{
    other->SetFocus();
    Application.ProcessMessages();
}

void SpinScene::Char(char c) const
{
    SendMessageA(Inner(), WM_CHAR, static_cast<unsigned char>(c), 1);
    Application.ProcessMessages();
}

void SpinScene::PasteText(const std::string& text) const
{
    SendMessageA(Inner(), EM_SETSEL, 0, -1);
    SendMessageA(Inner(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    Application.ProcessMessages();
}

void SpinScene::Wheel(int delta) const
{
    POINT p{5, 5};
    ClientToScreen(edit->Handle(), &p);
    SendMessageA(edit->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(p.x, p.y));
    Application.ProcessMessages();
}

POINT SpinScene::ButtonCentre(TcxSpinButtonKind kind) const
{
    const TcxCustomEditViewInfo& vi = edit->ViewInfo();
    for (int i = 0; i < vi.ButtonCount(); ++i) {
        if (vi.Button(i).Index != kind)
            continue;
        const TRect& b = vi.Button(i).Bounds;
        POINT p{(b.left + b.right) / 2, (b.top + b.bottom) / 2};
        ClientToScreen(edit->Handle(), &p);
        return p;
    }
    return POINT{-1, -1};
}

bool Within(int timeoutMs, const std::function<bool()>& holds)
{
    const DWORD start = GetTickCount();
    while (!holds()) {
        if (GetTickCount() - start > static_cast<DWORD>(timeoutMs))
            return false;
        Application.ProcessMessages();
        Sleep(5);
    }
    return true;
}
