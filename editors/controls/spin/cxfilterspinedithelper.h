// How a spin editor enters a filter value.
#pragma once

#include "editors/controls/mask/cxfiltermaskedithelper.h"

class TcxFilterSpinEditHelper : public TcxFilterMaskEditHelper {
public:
    using TcxFilterMaskEditHelper::TcxFilterMaskEditHelper;

    static const TcxClass Class;
    static const TcxFilterSpinEditHelper Instance;

    // The comparisons and ranges; the extended ones when asked for.
    void FilterOperatorsFor(const TcxCustomEditProperties& properties, TcxValueTypeClass valueType,
                            TcxFilterOperators& operators, bool extended) const override;
    // TcxSpinEdit.
    const TcxClass* FilterEditorClass() const override;
    // The masked editor's preparation, and the text may always be typed.
    void InitFilterProperties(TcxCustomEditProperties& target, const TcxCustomEditProperties& source,
                              bool keepButtons) const override;
};

// The spin editor's unit: registers its properties with their description,
// their filter helper and TcxSpinEdit for form text; takes the helper back
// at the end.
void cxSpinEditInitialize();
void cxSpinEditFinalize();
