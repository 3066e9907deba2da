// Event types of the controls; handlers are bound by name from form descriptions.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

class TComponent;
class TControl;
class TDragObject;
enum class TDragState;

using TShiftState = unsigned;
constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

using TNotifyEvent = std::function<void(TComponent& Sender)>;
// The key may be changed by the handler; 0 swallows it.
using TKeyPressEvent = std::function<void(TComponent& Sender, char& Key)>;
using TKeyEvent = std::function<void(TComponent& Sender, WORD& Key, TShiftState Shift)>;
using TMouseEvent = std::function<void(TComponent& Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TComponent& Sender, TShiftState Shift, int X, int Y)>;
// Handled set to true keeps the default handling (scrolling, the menu) away.
using TMouseWheelEvent =
    std::function<void(TComponent& Sender, TShiftState Shift, int WheelDelta, POINT MousePos, bool& Handled)>;
using TContextPopupEvent = std::function<void(TComponent& Sender, POINT MousePos, bool& Handled)>;
// A handler may put its own drag object in DragObject; left empty, the
// control is dragged as itself.
using TStartDragEvent = std::function<void(TComponent& Sender, std::unique_ptr<TDragObject>& DragObject)>;
// Target is the control that took the drop, null when none did.
using TEndDragEvent = std::function<void(TComponent& Sender, TControl* Target, int X, int Y)>;
// Source is the dragged control, null for a drag object of another kind.
using TDragOverEvent =
    std::function<void(TComponent& Sender, TControl* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(TComponent& Sender, TControl* Source, int X, int Y)>;
