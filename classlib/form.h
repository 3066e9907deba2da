// Forms: top-level windows built from a form description, whose event
// handlers are bound by name, with keyboard preview and hints.
#pragma once

#include <functional>
#include <string>

#include "classlib/control.h"

enum class TFormBorderStyle { bsSingle, bsSizeable, bsDialog };
enum class TPosition { poDesigned, poScreenCenter };

class TForm : public TWinControl {
public:
    TForm();
    ~TForm() override;

    void CreateHandle() override;

    void Show();
    void Hide();
    // Asks OnCloseQuery, hides the form; closing the main form ends the program.
    void Close();
    bool ShowHint() const { return showHint_; }
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool value) { keyPreview_ = value; }
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    HWND TooltipHandle() const { return tooltip_; }

    // The control (window) that gets the focus when the form is active again.
    void SetFocusedControl(HWND control) { savedFocus_ = control; }

    // Alt+key: clicks the control whose caption carries that accelerator.
    bool DialogChar(char key);

    TNotifyEvent OnCreate, OnShow;
    std::function<void(TComponent& Sender, bool& CanClose)> OnCloseQuery;

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
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    int clientWidth_ = 300, clientHeight_ = 200;
    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TPosition position_ = TPosition::poDesigned;
    bool keyPreview_ = false;
    bool showHint_ = false;
    HWND tooltip_ = nullptr;
    HWND savedFocus_ = nullptr;
    std::string activeControl_;
};
