#include "classlib/tests/testform.h"

#include "classlib/application.h"

std::unique_ptr<TForm> ShowTestForm(int width, int height)
{
    auto form = std::make_unique<TForm>();
    form->SetBounds(100, 100, width, height);
    form->Show();
    SetForegroundWindow(form->Handle());
    Application.ProcessMessages();
    return form;
}
