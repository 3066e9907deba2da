// Holds an editor's change events back while they are locked: what would
// have fired is noted and fires once at the last unlock.
#pragma once

class TcxEditChangeEventsCatcher {
public:
    TcxEditChangeEventsCatcher() = default;
    TcxEditChangeEventsCatcher(const TcxEditChangeEventsCatcher&) = delete;
    TcxEditChangeEventsCatcher& operator=(const TcxEditChangeEventsCatcher&) = delete;

    bool Locked() const { return lockCount_ > 0; }
    int LockCount() const { return lockCount_; }
    // The first lock forgets what an earlier one noted.
    void Lock();
    // True when this unlock ended the last lock; the count never goes below 0.
    bool Unlock();

    bool ChangePending() const { return changePending_; }
    bool EditValueChangedPending() const { return editValueChangedPending_; }
    void NoteChange() { changePending_ = true; }
    void NoteEditValueChanged() { editValueChangedPending_ = true; }

private:
    int lockCount_ = 0;
    bool changePending_ = false;
    bool editValueChangedPending_ = false;
};
