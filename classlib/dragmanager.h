// The one drag of the program: who is dragged, where, over which control,
// and the input it holds meanwhile (the mouse capture on a hidden window,
// and a hook that watches for Esc).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "classlib/dragobject.h"
#include "classlib/handles.h"

struct TMessage;
class TMessageWindow;

struct HookDeleter {
    void operator()(HHOOK h) const { UnhookWindowsHookEx(h); }
};
using UniqueHook = UniqueHandle<HHOOK, HookDeleter>;

class TDragManager {
public:
    static TDragManager& Instance();
    ~TDragManager();

    // Ignored while another drag is under way. makeObject gives the thing
    // dragged when the source's DoStartDrag gives none.
    using TObjectMaker = std::function<std::unique_ptr<TDragObject>()>;
    void Begin(TControl& source, bool immediate, int threshold, TObjectMaker makeObject);
    // Drops (when the target takes it) or cancels the drag of source.
    void End(TControl& source, bool drop);
    TControl* Source() const;
    TDragObject* Object() const;
    static void ControlDestroyed(TControl& control);

private:
    struct TDrag;

    TDragManager();
    bool OnMessage(TMessage& message);
    static LRESULT CALLBACK WatchKeys(int code, WPARAM wp, LPARAM lp);

    // Each step runs here: an exception from an event ends the drag and
    // gives back the capture and the hook before it goes on.
    template <class F>
    void Safely(F&& step);
    // Still the drag that serial started?
    bool Still(unsigned serial) const;
    void Move(POINT screen, bool start);
    void Start(POINT screen);
    void DragTo(POINT screen);
    bool Send(TDragMessage message, TControl& target);
    void Finish(bool drop);
    // Ends the drag without another event.
    void Reset();
    void ReleaseInput();
    void Forget(TControl& control);

    std::unique_ptr<TMessageWindow> window_;
    UniqueHook hook_;
    std::unique_ptr<TDrag> drag_;
    unsigned serial_ = 0;
};
