// The library's windowed controls on show, one column per look: a
// horizontal and a vertical scroll bar, and a bordered control with both
// bars and the grip over content larger than its client.
#pragma once

#include <array>
#include <memory>

#include "editors/foundation/controls/cxcontrols.h"
#include "editors/foundation/demo/cxgallery.h"

// 300 x 300 pixels of numbered squares, scrolled by pixel bars.
class TcxDemoContentControl : public TcxControl {
public:
    using TcxControl::TcxControl;
    POINT Offset() const { return offset_; }

protected:
    bool IsPixelScrollBar(TScrollBarKind) const override { return true; }
    void InitScrollBarsParameters() override;
    void Scroll(TScrollBarKind kind, TScrollCode code, int& position) override;
    void Paint() override;

private:
    POINT offset_{0, 0};
};

struct TcxShowcaseColumn {
    std::unique_ptr<TcxScrollBar> Horizontal, Vertical;
    std::unique_ptr<TcxDemoContentControl> Control;
};

class TcxControlsShowcase {
public:
    // The columns line up with the gallery's.
    TcxControlsShowcase();
    // Gives the controls a parent, from top downwards.
    void Place(TWinControl& parent, int top);
    static int Height();
    TcxShowcaseColumn& Column(int column) { return columns_[column]; }

private:
    std::array<TcxShowcaseColumn, cxGalleryColumnCount> columns_;
};
