// A class's message handlers by message id. Each class's map starts as a
// copy of its base class's map and adds or replaces entries, so a message
// finds its handler with one lookup however deep the class chain is; a
// handler reaches the inherited one through its base class's map.
#pragma once

#include <initializer_list>
#include <unordered_map>

#include "classlib/messages.h"

class TControl;

class TMessageMap {
public:
    using THandler = void (TControl::*)(TMessage&);

    struct TEntry {
        template <class C>
        TEntry(UINT msg, void (C::*handler)(TMessage&)) : Msg(msg), Handler(static_cast<THandler>(handler))
        {
        }
        UINT Msg;
        THandler Handler;
    };

    TMessageMap(std::initializer_list<TEntry> own) { Add(own); }
    TMessageMap(const TMessageMap& base, std::initializer_list<TEntry> own) : handlers_(base.handlers_) { Add(own); }

    // Runs the handler of the message, or the control's DefaultHandler.
    void Dispatch(TControl& control, TMessage& message) const;

private:
    void Add(std::initializer_list<TEntry> own)
    {
        for (const TEntry& e : own)
            handlers_[e.Msg] = e.Handler;
    }

    std::unordered_map<UINT, THandler> handlers_;
};
