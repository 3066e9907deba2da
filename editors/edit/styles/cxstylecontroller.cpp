#include "editors/edit/styles/cxstylecontroller.h"

#include <windows.h>

#include "classlib/propertytable.h"
#include "editors/edit/styles/cxdefaultstylecontroller.h"

TcxStyleController::TcxStyleController(TComponent* owner)
    : TcxStyleController(owner, &TcxContainerStyle::Create, &TcxContainerStyles::Create)
{
}

TcxStyleController::TcxStyleController(TComponent* owner, TcxContainerStyleClass itemClass,
                                       TcxContainerStylesClass setClass)
    : TComponent(owner), itemClass_(itemClass), setClass_(setClass), styles_(setClass(this, itemClass))
{
    styles_->SetOnChanged([this](TcxContainerStyle&) { NotifyListeners(); });
}

TcxStyleController::~TcxStyleController()
{
    destroying_ = true;
    // No style may find a default controller that is gone.
    if (GetDefaultEditStyleController() == this)
        cxClearDefaultStyleController();
    listeners_.ForEach([this](TcxContainerStyle& style) { style.OnControllerFreed(this); }, true);
    styles_.reset();
}

TcxStyleController* TcxStyleController::FakeStyleController() const
{
    return styles_->StyleNormal().StyleController();
}

void TcxStyleController::Subscribe(TcxContainerStyle* style)
{
    if (!listeners_.Add(style))
        return;
    style->LookAndFeel().SetMaster(&styles_->StyleNormal().LookAndFeel());
}

void TcxStyleController::Unsubscribe(TcxContainerStyle* style)
{
    if (!listeners_.Remove(style))
        return;
    style->LookAndFeel().SetMaster(nullptr);
}

void TcxStyleController::NotifyListeners()
{
    TLiveness alive = Liveness();
    if (OnStyleChanged)
        OnStyleChanged(*this);
    if (!alive || destroying_)
        return;
    listeners_.ForEach([this](TcxContainerStyle& style) { style.OnControllerChanged(this); });
}

void TcxStyleController::Loaded()
{
    TComponent::Loaded();
    NotifyListeners();
}

void TcxStyleController::ScaleFont(int multiplier, int divisor)
{
    TcxContainerStyle& normal = styles_->StyleNormal();
    if (normal.AssignedValues() & cxStyleValueBit(svFont)) {
        if (fontScaled_)
            return;
        fontScaled_ = true;
        normal.Font()->SetSize(MulDiv(normal.Font()->Size(), multiplier, divisor));
    } else if (TcxStyleController* controller = normal.LinkedController()) {
        controller->ScaleFont(multiplier, divisor);
    }
}

const TPropertyTable& TcxStyleController::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TcxStyleController>(TComponent::Properties(), {
        {"FakeStyleController", [](TcxStyleController&, const TPropertyValue&) {}},
    });
    return table;
}
