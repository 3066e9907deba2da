// A text editor's view data: the generic editor's layout plus the text it
// shows (echo and case applied), where and how it is laid out, what is
// highlighted in the list modes, and the size the text needs.
#pragma once

#include <memory>
#include <string>

#include "editors/controls/text/cxtexteditlayout.h"
#include "editors/edit/viewinfo/cxeditviewdata.h"

class TcxCustomTextEditProperties;
class TcxCustomTextEditViewInfo;

class TcxCustomTextEditViewData : public TcxCustomEditViewData {
public:
    TcxCustomTextEditViewData(TcxCustomEditProperties& properties, TcxCustomEditStyle* style, bool inplace);
    static std::unique_ptr<TcxCustomEditViewData> Create(TcxCustomEditProperties& properties,
                                                         TcxCustomEditStyle* style, bool inplace);

    TcxCustomTextEditProperties& TextProperties() const;

    void LoadProperties() override;
    // Text the editor shows as the view's: from its editor, else EditText.
    void Compute(TcxCanvas& canvas, const TRect& bounds, POINT p, int pressedButton, TShiftState shift,
                 TcxCustomEditViewInfo& viewInfo) override;
    // The size of the text (without an editor: of EditText).
    TSize GetExtraContentSize() const override;
    // A fixed list's lone drop-down button on a composited frame looks normal.
    void ResolveButtonThemePart(TcxEditButtonViewInfo& button) override;

    // The display value's text as the view shows it: echo and case applied.
    std::string DisplayValueToText(const std::string& text) const;
    // The text margins before the mode's extra pixels.
    TcxTextEditMargins TextMargins() const;

    // The text to show without an editor.
    std::string EditText;
    // The default values provider formats the values itself.
    bool ProviderFormatsValues = false;
    // Not set: clDefault.
    TColor SelectionTextColor = clDefault;
    TColor SelectionBackgroundColor = clDefault;
    // Rows of text at most; 0: as many as fit.
    int MaxRowCount = 0;
    bool EmptyTextHasNoHeight = false;
    // The text may take more than one row (feature flags permitting).
    bool MultiRowAllowed = true;

private:
    TcxTextEditAlignment alignment_;
    TcxTextEditingMode mode_ = temEdit;
    bool fixedListSelection_ = true;
};

// The highlight colours by the style's selection colours (clDefault: not set).
TcxTextEditHighlight cxTextEditSelectionColors(TColor text, TColor background, TColor styleColor);
