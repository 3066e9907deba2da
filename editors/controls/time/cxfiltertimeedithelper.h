// How a time editor enters a filter value.
#pragma once

#include "editors/controls/spin/cxfilterspinedithelper.h"

class TcxFilterTimeEditHelper : public TcxFilterSpinEditHelper {
public:
    using TcxFilterSpinEditHelper::TcxFilterSpinEditHelper;

    static const TcxClass Class;
    static const TcxFilterTimeEditHelper Instance;

    // TcxTimeEdit.
    const TcxClass* FilterEditorClass() const override;
    // The preparation of the others, then the editor starts at midnight.
    void InitFilterEdit(TcxCustomEdit& edit, const TcxCustomEditProperties& source) const override;
};

// The time editor's unit: fits the 12-hour masks to the locale and listens
// for its changes; registers its properties with their description, their
// filter helper and TcxTimeEdit for form text. The end takes the helper and
// the listener back.
void cxTimeEditInitialize();
void cxTimeEditFinalize();

class TcxTimeEditFormatListener;
// The unit's listener; none while the unit is not started.
TcxTimeEditFormatListener* cxTimeEditFormatListener();
