// Calling an event handler that may free its sender: the sender's handler
// member goes with it, and with it the captures of the handler still running.
#pragma once

#include <utility>

// Runs a copy of handler, if one is set, so that its captures live until it returns.
template <class F, class... A>
void CallHandler(const F& handler, A&&... args)
{
    if (!handler)
        return;
    F copy = handler;
    copy(std::forward<A>(args)...);
}
