// The comctl32 status bar with fixed-width panels.
//   StatusBar1: TStatusBar
//     Panels.Width = 50        one panel per width, in order
//     Panels.Text = Done.      texts of the panels, in order
#pragma once

#include <string>
#include <vector>

#include "classlib/control.h"

class TStatusBar : public TControl {
public:
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    // The text the panel shows; out-of-range indexes raise EComponentError.
    std::string PanelText(int index) const;
    void SetPanelText(int index, const std::string& text);

protected:
    TPersistent* NestedObject(std::string_view name) override;
    TCreateParams CreateParams() const override;
    void HandleCreated() override;

private:
    struct Panel {
        int width = 50;
        std::string text;
    };
    // The panels as form text sets them.
    class TStatusPanels : public TPersistent {
    public:
        explicit TStatusPanels(TStatusBar& bar) : bar_(bar) {}
        TPersistent* GetOwner() const override { return &bar_; }

    protected:
        const TPropertyTable& Properties() const override;

    private:
        TStatusBar& bar_;
        size_t textsSet_ = 0;
    };
    Panel& At(int index);
    void ApplyPanels();

    std::vector<Panel> panels_;
    TStatusPanels panelsText_{*this};
};
