// The named extra painters a look and feel may take by skin name, and the
// look and feels told when that list changes. Nothing registers one in this
// program; the skin-name path runs over the empty list.
#pragma once

#include <string>
#include <vector>

#include "editors/foundation/core/cxlistenerlist.h"

class TcxCustomLookAndFeelPainter;
// A painter class: the one stateless instance of a painter.
using TcxCustomLookAndFeelPainterClass = const TcxCustomLookAndFeelPainter*;

class IPainterListListener {
public:
    virtual void PainterListChanged() = 0;

protected:
    ~IPainterListListener() = default;
};

class TcxExtendedStylePainters {
public:
    TcxExtendedStylePainters() = default;
    TcxExtendedStylePainters(const TcxExtendedStylePainters&) = delete;
    TcxExtendedStylePainters& operator=(const TcxExtendedStylePainters&) = delete;

    // A name already listed takes the new painter.
    void Register(const std::string& name, TcxCustomLookAndFeelPainterClass painter);
    void Unregister(const std::string& name);
    // Names compare without regard to case; painter is nullptr when not found.
    bool GetPainterByName(const std::string& name, TcxCustomLookAndFeelPainterClass& painter) const;
    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& Names(int index) const { return items_[index].Name; }

    // A listener already listed is not added twice.
    void AddListener(IPainterListListener* listener);
    void RemoveListener(IPainterListListener* listener);
    int ListenerCount() const { return listeners_.Count(); }

private:
    struct TItem {
        std::string Name;
        TcxCustomLookAndFeelPainterClass Painter;
    };
    int IndexOf(const std::string& name) const;
    void Changed();

    std::vector<TItem> items_;
    TcxListenerList<IPainterListListener> listeners_;
};

// The process's list: made at the painters' unit start, nullptr outside it.
TcxExtendedStylePainters* GetExtendedStylePainters();
void cxExtendedStylePaintersCreate();
void cxExtendedStylePaintersFree();
