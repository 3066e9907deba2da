// The generic editor's demonstration form: an integer editor (0 to 100)
// that validates on Enter and on leaving, keeps the value it had when it
// got the focus (Esc brings it back), clears on Ctrl+Del and stores 50 from
// its default "…" button (Ctrl+Enter), then a plain EDIT; three lines tell
// the stored value, the last value posted and how often each event fired.
#pragma once

#include <string>

#include "classlib/customedit.h"
#include "classlib/form.h"
#include "classlib/label.h"
#include "editors/edit/editor/tests/demointegeredit.h"

class TEditorDemoForm : public TForm {
public:
    TEditorDemoForm();

    TDemoIntegerEdit& Editor() const { return *editor_; }
    TEdit& Plain() const { return *plain_; }
    int Changes() const { return changes_; }
    int ValueChanges() const { return valueChanges_; }
    int Validations() const { return validations_; }
    int Exits() const { return exits_; }

protected:
    const TMessageMap& Messages() const override;

private:
    void AddEditor();
    TLabel& AddLabel(int top);
    void Count(int& counter);
    // The lines follow once the messages waiting now are handled: typing
    // fast repaints them once, not for every key.
    void ShowStateSoon();
    void WMShowState(TMessage& m);
    void ShowState();

    TDemoIntegerEdit* editor_ = nullptr;
    TEdit* plain_ = nullptr;
    TLabel* valueLine_ = nullptr;
    TLabel* postedLine_ = nullptr;
    TLabel* eventsLine_ = nullptr;
    int changes_ = 0, valueChanges_ = 0, validations_ = 0, exits_ = 0;
    bool showPending_ = false;
};
