#include "editors/edit/container/tests/containerscene.h"

#include "classlib/application.h"
#include "classlib/tests/testform.h"

std::vector<int> Sides(const TRect& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

std::string FocusedName()
{
    TControl* control = TControl::FromHandle(GetFocus());
    return control ? control->Name() : "none";
}

Scene::Scene()
    : form(ShowTestForm(300, 200)), container(&form->Adopt(std::make_unique<TcxContainer>())),
      edit(&form->Adopt(std::make_unique<TEdit>())), other(&form->Adopt(std::make_unique<TEdit>()))
{
    container->SetParent(form.get());
    container->SetBounds(10, 10, 100, 24);
    edit->SetParent(container);
    container->SetInnerControl(edit);
    other->SetParent(form.get());
    other->SetBounds(10, 100, 100, 24);
    other->SetFocus();
    Application.ProcessMessages();
}

TPaintedPixels::TPaintedPixels(TcxContainer& container)
{
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, 110, 30);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
    HBRUSH sentinel = CreateSolidBrush(kSentinel);
    RECT all{0, 0, 110, 30};
    FillRect(dc_, &all, sentinel);
    DeleteObject(sentinel);
    container.PaintWindow(dc_);
}

TPaintedPixels::~TPaintedPixels()
{
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}
