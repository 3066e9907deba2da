#include "editors/edit/editor/cxeditchangeevents.h"

void TcxEditChangeEventsCatcher::Lock()
{
    if (lockCount_ == 0) {
        changePending_ = false;
        editValueChangedPending_ = false;
    }
    ++lockCount_;
}

bool TcxEditChangeEventsCatcher::Unlock()
{
    if (lockCount_ == 0)
        return false;
    --lockCount_;
    return lockCount_ == 0;
}
