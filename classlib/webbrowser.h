// TWebBrowser: the platform's WebBrowser control (IWebBrowser2) placed in
// place in a window of its own, with its download events.
#pragma once

#include <exdisp.h>

#include <string>

#include "classlib/comptr.h"
#include "classlib/control.h"

class TOleSite;
class TWebBrowserEvents;

class TWebBrowser : public TWinControl {
public:
    TWebBrowser() = default;
    ~TWebBrowser() override;

    // Opens a web address or a local file; the other Navigate arguments stay empty.
    void Navigate(const std::wstring& url);
    // Each raises EOleSysError when the control refuses (no page to go to).
    void GoBack();
    void GoForward();
    void Stop();
    // The address of the page shown, empty before the first one.
    std::wstring LocationURL() const;
    // The control itself, once the window exists.
    IWebBrowser2* DefaultInterface() const { return browser_.get(); }

    TNotifyEvent OnDownloadBegin, OnDownloadComplete;

protected:
    const TPropertyTable& Properties() const override;
    TCreateParams CreateParams() const override;
    void HandleCreated() override;
    const TMessageMap& Messages() const override;
    void WMDestroy(TMessage& message);
    // The control's window follows ours.
    void Resize() override;

private:
    IWebBrowser2& Browser() const;
    void Event(DISPID id);
    void Teardown();

    bool oleInitialized_ = false;
    ComPtr<IWebBrowser2> browser_;
    TOleSite* site_ = nullptr;
    TWebBrowserEvents* events_ = nullptr;
};
