#include "classlib/dragdrop.h"

#include "classlib/control.h"
#include "classlib/dragmanager.h"
#include "classlib/handlercall.h"

TCursor TDragControlObject::GetDragCursor(bool accepted, int, int)
{
    return accepted ? control_.DragCursor() : crNoDrop;
}

void TDragControlObject::Finished(TControl* target, int x, int y, bool accepted)
{
    control_.DoEndDrag(accepted ? target : nullptr, x, y);
}

TDragImageList* TDragControlObject::GetDragImages()
{
    return control_.GetDragImages();
}

TDragObject* CurrentDragObject()
{
    return TDragManager::Instance().Object();
}

void DragControlDestroyed(TControl& control)
{
    TDragManager::ControlDestroyed(control);
}

// The control's side: starting and ending its drag, and the answers of a
// control the drag passes over.

void TControl::BeginDrag(bool immediate, int threshold)
{
    TDragManager::Instance().Begin(*this, immediate, threshold,
                                   [this] { return std::make_unique<TDragControlObject>(*this); });
}

void TControl::EndDrag(bool drop)
{
    TDragManager::Instance().End(*this, drop);
}

bool TControl::Dragging() const
{
    return TDragManager::Instance().Source() == this;
}

void TControl::DoStartDrag(std::unique_ptr<TDragObject>& dragObject)
{
    CallHandler(OnStartDrag, *this, dragObject);
}

void TControl::DoEndDrag(TControl* target, int x, int y)
{
    CallHandler(OnEndDrag, *this, target, x, y);
}

void TControl::DragOver(TControl* source, int x, int y, TDragState state, bool& accept)
{
    CallHandler(OnDragOver, *this, source, x, y, state, accept);
}

void TControl::DragDrop(TControl* source, int x, int y)
{
    CallHandler(OnDragDrop, *this, source, x, y);
}

void TControl::CMDrag(TMessage& m)
{
    const auto& rec = *reinterpret_cast<const TDragRec*>(m.LParam);
    auto* dragged = dynamic_cast<TDragControlObject*>(rec.source);
    TControl* source = dragged ? &dragged->Control() : nullptr;
    auto message = static_cast<TDragMessage>(m.WParam);
    if (message == TDragMessage::dmDragDrop) {
        DragDrop(source, rec.pos.x, rec.pos.y);
        return;
    }
    TDragState state = message == TDragMessage::dmDragEnter  ? TDragState::dsDragEnter
                       : message == TDragMessage::dmDragMove ? TDragState::dsDragMove
                                                             : TDragState::dsDragLeave;
    bool accept = static_cast<bool>(OnDragOver);
    DragOver(source, rec.pos.x, rec.pos.y, state, accept);
    m.Result = accept;
}
