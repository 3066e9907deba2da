// The EDIT inside an editor, as every kind of editor has it: keys, mouse and
// focus changes go to the editor before the EDIT acts on them, and a text
// the editor puts in raises no change notification.
#pragma once

#include <string>

#include "classlib/customedit.h"
#include "editors/edit/editor/cxinneredit.h"

class TcxCustomEdit;

class TcxInnerEditControl : public TCustomEdit {
public:
    explicit TcxInnerEditControl(TComponent* owner);
    ~TcxInnerEditControl() override;

    // The EDIT's text changed (EN_CHANGE), other than by the editor's own setting.
    TcxInnerEditChangeEvent ChangeHandler;
    // A text put in by the editor, which is no typing: no change notification.
    void ShowText(const std::string& text);

protected:
    // The editor becomes the parent and hears of what the EDIT gets.
    void AttachEditor(TcxCustomEdit& editor);
    // The editor is going: nothing is handed over any more.
    void DetachEditor() { editor_ = nullptr; }

    TCreateParams CreateParams() const override;
    const TMessageMap& Messages() const override;
    void KeyDown(WORD& key, TShiftState shift) override;
    // Tab never reaches the EDIT: the editor moves the focus on its key down.
    void KeyPress(char& key) override;
    void KeyUp(WORD& key, TShiftState shift) override;
    // In the EDIT's coordinates, handed over in the editor's.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DblClick() override;

private:
    void WMFocusChange(TMessage& m);

    TcxCustomEdit* editor_ = nullptr;
    bool settingText_ = false;
};
