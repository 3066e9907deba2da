// How a masked editor enters a filter value.
#pragma once

#include "editors/controls/text/cxfiltertextedithelper.h"

class TcxFilterMaskEditHelper : public TcxFilterTextEditHelper {
public:
    using TcxFilterTextEditHelper::TcxFilterTextEditHelper;

    static const TcxClass Class;
    static const TcxFilterMaskEditHelper Instance;

    // The comparisons always; the two only a text stands for when no mask
    // is set and the value is a text; the extended ones when asked for.
    void FilterOperatorsFor(const TcxCustomEditProperties& properties, TcxValueTypeClass valueType,
                            TcxFilterOperators& operators, bool extended) const override;
    // TcxMaskEdit.
    const TcxClass* FilterEditorClass() const override;
    // A regular expression completes while a filter is typed; AutoSelect
    // only without a mask.
    void InitFilterProperties(TcxCustomEditProperties& target, const TcxCustomEditProperties& source,
                              bool keepButtons) const override;
};

// The masked editor's unit: registers its properties with their
// description, their filter helper and TcxMaskEdit for form text; takes
// the helper back at the end.
void cxMaskEditInitialize();
void cxMaskEditFinalize();
