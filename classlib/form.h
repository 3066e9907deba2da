// Forms: top-level windows built from a form description, whose event
// handlers are bound by name, with keyboard preview and hints.
#pragma once

#include <functional>
#include <string>

#include "classlib/control.h"
#include "classlib/formhost.h"

enum class TFormBorderStyle { bsSingle, bsSizeable, bsDialog };
enum class TPosition { poDesigned, poScreenCenter };
enum class TFormStyle { fsNormal, fsStayOnTop };
// The set TBorderIcons: the caption boxes a form asks for. Each shows only
// where its border style has it: a single border has no maximize box, a
// dialog border only the system menu.
enum : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
using TBorderIcons = unsigned;
// What closing does once OnCloseQuery let it: hide (the default) or nothing.
enum class TCloseAction { caNone, caHide };
using TCloseEvent = std::function<void(TComponent& Sender, TCloseAction& Action)>;

// How a modal form was ended: mrNone while it is still showing.
using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
                       mrNo = 7, mrAll = 8, mrNoToAll = 9, mrYesToAll = 10;

class TForm : public TWinControl, public IFormHost {
public:
    TForm();
    ~TForm() override;

    void CreateHandle() override;

    void Show();
    void Hide();
    // Asks OnCloseQuery, then OnClose what to do, and hides the form unless
    // that is caNone; closing the main form ends the program.
    void Close();
    // Whether OnCloseQuery lets the form close.
    virtual bool CloseQuery();
    // Set while the form is shown modally, it ends ShowModal with that value.
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult value) { modalResult_ = value; }
    // True while ShowModal runs for the form, also while it hides at the end.
    bool Modal() const { return modal_; }
    bool ShowHint() const { return showHint_; }
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool value) { keyPreview_ = value; }
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle value);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    HWND TooltipHandle() const { return tooltip_; }

    // The control that has the focus while the form is active, and gets it
    // back when the form is active again.
    TControl* ActiveControl() const override { return activeControl_; }
    void SetActiveControl(TControl* control);
    // Makes control the active control, and the form active when it was
    // not, so that control gets the focus.
    void FocusControl(TWinControl* control);

    void PreviewKey(UINT msg, WORD& key, TShiftState shift) override;
    void PreviewChar(char& key) override;
    HWND HintWindow() const override { return showHint_ ? tooltip_ : nullptr; }
    HWND NeedHintWindow() override;
    void ControlFocused(TControl& control) override;
    void ControlRemoved(TControl& control) override;
    void DefocusControl(TControl& control, bool removing) override;
    HWND OwnerWindow() const override { return HandleAllocated() ? Handle() : nullptr; }

    TNotifyEvent OnCreate, OnShow;
    std::function<void(TComponent& Sender, bool& CanClose)> OnCloseQuery;
    TCloseEvent OnClose;

protected:
    // Builds the form from the description resource of that name (type FORMDESC).
    void LoadFromResource(const std::string& resourceName);
    // Builds the form from description text.
    void LoadFromText(const std::string& text);
    // Fires OnCreate; the derived form calls it once its own fields are bound.
    void DoCreate()
    {
        if (OnCreate)
            OnCreate(*this);
    }

    const TPropertyTable& Properties() const override;
    TCreateParams CreateParams() const override;
    const TMessageMap& Messages() const override;
    void WMClose(TMessage& message);
    void WMQueryEndSession(TMessage& message);
    void WMEndSession(TMessage& message);
    void WMShowWindow(TMessage& message);
    void WMActivate(TMessage& message);
    void CMDialogKey(TMessage& message);
    // Focuses the active control, else the first tab stop; false when
    // neither can take the focus.
    bool FocusFirstControl();
    // control and its parents below the form, outermost first.
    std::vector<TControl*> EnterChain(TControl& control) const;
    // Takes the innermost entered control off the list and runs its exit;
    // one whose exit raises goes back on it while move is the latest.
    void ExitLast(unsigned move);

private:
    int clientWidth_ = 300, clientHeight_ = 200;
    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TPosition position_ = TPosition::poDesigned;
    TFormStyle formStyle_ = TFormStyle::fsNormal;
    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    bool keyPreview_ = false;
    bool showHint_ = false;
    HWND tooltip_ = nullptr;
    TControl* activeControl_ = nullptr;
    // The controls whose enter ran and whose exit has not, outermost first:
    // the focused control and its parents below the form.
    std::vector<TControl*> entered_;
    // Counts focus changes, so one that a handler started is seen.
    unsigned focusMoves_ = 0;
    std::string activeControlName_;
    TModalResult modalResult_ = mrNone;
    bool modal_ = false;

    friend TModalResult ShowModal(TForm& form);
};
