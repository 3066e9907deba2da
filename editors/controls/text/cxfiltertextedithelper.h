// How a text editor enters a filter value.
#pragma once

#include "editors/edit/editor/cxfilteredithelper.h"

class TcxFilterTextEditHelper : public TcxCustomFilterEditHelper {
public:
    using TcxCustomFilterEditHelper::TcxCustomFilterEditHelper;

    static const TcxClass Class;
    static const TcxFilterTextEditHelper Instance;

    // TcxTextEdit.
    const TcxClass* FilterEditorClass() const override;
    // AutoSelect and HideSelection on, TextViewStyle 0.
    void InitFilterProperties(TcxCustomEditProperties& target, const TcxCustomEditProperties& source,
                              bool keepButtons) const override;
    // The value becomes the edit value.
    void ApplyFilterValue(TcxCustomEdit& edit, TcxCustomEditProperties& properties,
                          const Variant& value) const override;
};

// The text editor's unit: registers its properties with their description
// and their filter helper, and takes the helper back at the end.
void cxTextEditInitialize();
void cxTextEditFinalize();
