#include "editors/edit/editor/tests/editorscene.h"

#include "classlib/application.h"
#include "classlib/tests/realinput.h"
#include "classlib/tests/testform.h"

EditorScene::EditorScene(bool inPlace) : form(ShowTestForm(300, 200))
{
    edit = &form->Adopt(std::make_unique<TDemoIntegerEdit>(form.get(), inPlace));
    edit->SetName("E");
    edit->SetAutoSize(false);
    edit->SetBounds(10, 10, 160, 24);
    edit->OnEnter = [this](TComponent&) { ++enters; };
    edit->OnExit = [this](TComponent&) { ++exits; };
    edit->OnClick = [this](TComponent&) { ++clicks; };
    edit->OnDblClick = [this](TComponent&) { ++doubleClicks; };
    edit->SetParent(form.get());
    other = &form->Adopt(std::make_unique<TEdit>());
    other->SetName("O");
    other->SetBounds(10, 60, 160, 24);
    other->SetParent(form.get());
    other->SetFocus();
    Application.ProcessMessages();
}

void EditorScene::FocusEditor()
{
    ClickInput(edit->Inner().Handle());
    Eventually([this] { return HasFocus(edit->Inner()); });
}

std::string EditorScene::Text() const
{
    return edit->Inner().Text();
}

bool EditorScene::HasFocus(const TControl& control)
{
    return control.HandleAllocated() && GetFocus() == control.Handle();
}

bool Eventually(const std::function<bool()>& holds)
{
    return PumpInput(holds, 3000);
}

void Settle()
{
    SettleInput();
}
