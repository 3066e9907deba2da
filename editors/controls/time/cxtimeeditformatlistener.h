// The time editors' one listener of the format controller: after the user
// changes the regional settings the 12-hour masks fit the new designator.
// Properties keep the mask they copied until they apply their mask again.
#pragma once

#include "editors/edit/formats/cxformats.h"
#include "editors/foundation/core/cxclasses.h"

class TcxTimeEditFormatListener : public TcxInterfacedPersistent, public IcxFormatListener {
public:
    // Listens from here on and fits the masks at once.
    TcxTimeEditFormatListener();
    ~TcxTimeEditFormatListener() override;
    TcxTimeEditFormatListener(const TcxTimeEditFormatListener&) = delete;
    TcxTimeEditFormatListener& operator=(const TcxTimeEditFormatListener&) = delete;

    void FormatChanged() override;
};
