#include "editors/controls/time/cxtimeeditformatlistener.h"

#include "classlib/formatsettings.h"
#include "editors/controls/time/cxtimeformats.h"

TcxTimeEditFormatListener::TcxTimeEditFormatListener() : TcxInterfacedPersistent(nullptr)
{
    FormatControllerInstance().AddFormatListener(this);
    FormatChanged();
}

TcxTimeEditFormatListener::~TcxTimeEditFormatListener()
{
    FormatControllerInstance().RemoveFormatListener(this);
}

void TcxTimeEditFormatListener::FormatChanged()
{
    cxTimeFormatTable().UpdateTimeMasks(FormatSettings());
}
