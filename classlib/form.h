// Forms: top-level windows built from a form description, whose event
// handlers are bound by name, with keyboard preview and hints.
#pragma once

#include <any>
#include <functional>
#include <map>
#include <string>
#include <utility>

#include "classlib/control.h"

enum class TFormBorderStyle { bsSingle, bsSizeable, bsDialog };
enum class TPosition { poDesigned, poScreenCenter };

// How a modal form was ended: mrNone while it is still showing.
using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
                       mrNo = 7, mrAll = 8, mrNoToAll = 9, mrYesToAll = 10;

class TForm : public TWinControl {
public:
    TForm();
    ~TForm() override;

    void CreateHandle() override;

    void Show();
    void Hide();
    // Asks OnCloseQuery, hides the form; closing the main form ends the program.
    void Close();
    // Whether OnCloseQuery lets the form close.
    virtual bool CloseQuery();
    // Set while the form is shown modally, it ends ShowModal with that value.
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult value) { modalResult_ = value; }
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

    bool SetProperty(const std::string& name, const std::string& value) override;

    // The handler registered under that name; EComponentError when there is
    // none or its kind does not fit the event.
    template <class E>
    E Handler(const std::string& name) const
    {
        auto it = handlers_.find(name);
        if (it == handlers_.end())
            throw EComponentError("Event handler '" + name + "' not found");
        if (auto* h = std::any_cast<E>(&it->second))
            return *h;
        throw EComponentError("Event handler '" + name + "' does not fit its event");
    }

protected:
    // Registers a member function as the handler of that name.
    template <class C, class... A>
    void Bind(const std::string& name, void (C::*method)(A...))
    {
        C* self = static_cast<C*>(this);
        handlers_[name] = std::function<void(A...)>([self, method](A... args) { (self->*method)(std::forward<A>(args)...); });
    }
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

    TCreateParams CreateParams() const override;
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    std::map<std::string, std::any> handlers_;
    int clientWidth_ = 300, clientHeight_ = 200;
    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TPosition position_ = TPosition::poDesigned;
    bool keyPreview_ = false;
    bool showHint_ = false;
    HWND tooltip_ = nullptr;
    HWND savedFocus_ = nullptr;
    std::string activeControl_;
    TModalResult modalResult_ = mrNone;
};

template <class E>
E TControl::Handler(const std::string& name) const
{
    auto* form = dynamic_cast<const TForm*>(this);
    if (!form)
        form = dynamic_cast<const TForm*>(Owner());
    if (!form)
        throw EComponentError("Control '" + Name() + "' has no form for handler '" + name + "'");
    return form->Handler<E>(name);
}
