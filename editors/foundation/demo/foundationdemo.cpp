// The editor library's painters on show: a window with the gallery of the
// five looks above scroll bars and custom controls in each look; with --measure it prints the painters' speed figures instead.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "classlib/application.h"
#include "classlib/customcontrol.h"
#include "classlib/form.h"
#include "classlib/units.h"
#include "editors/foundation/core/cxfoundationunits.h"
#include "editors/foundation/demo/cxcontrolsshowcase.h"
#include "editors/foundation/demo/cxgallery.h"
#include "editors/foundation/demo/cxgallerymeasure.h"

namespace {

class TGalleryView : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override
    {
        TcxCanvas canvas(Canvas());
        cxFillRectByColor(canvas, ClientRect(), clBtnFace);
        gallery_.Paint(canvas);
    }

private:
    TcxGallery gallery_;
};

class TGalleryForm : public TForm {
public:
    TGalleryForm()
    {
        SetText("Painters");
        const TSize size = TcxGallery().Size();
        // A form's window takes its client size, not its bounds.
        SetBounds(40, 40, 0, 0);
        SetProperty("ClientWidth", std::to_string(size.cx));
        SetProperty("ClientHeight", std::to_string(size.cy + TcxControlsShowcase::Height()));
        auto& view = Adopt(std::make_unique<TGalleryView>(this));
        view.SetBounds(0, 0, size.cx, size.cy);
        view.SetParent(this);
        showcase_.Place(*this, size.cy);
    }

private:
    TcxControlsShowcase showcase_;
};

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    constexpr int kRepaints = 1000;
    std::unique_ptr<TUnitsStarted> units;
    try {
        Application.Initialize();
        units = std::make_unique<TUnitsStarted>(cxFoundationUnits());
        if (std::strstr(commandLine, "--measure")) {
            std::fputs(cxMeasureGallery(kRepaints).c_str(), stdout);
            return 0;
        }
        Application.CreateForm<TGalleryForm>();
    } catch (...) {
        Application.HandleException();
        return 1;
    }
    Application.Run();
    Application.DestroyForms();
    units.reset();
    return 0;
}
