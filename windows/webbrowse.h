// The web-page window: a WebBrowser control with a navigation bar and a
// status bar; stays on top and opens maximized. Created on first use and
// kept until the program ends; closing only hides it.
#pragma once

#include "classlib/customedit.h"
#include "classlib/form.h"
#include "classlib/label.h"
#include "classlib/panel.h"
#include "classlib/statusbar.h"
#include "classlib/webbrowser.h"

// The home address: Edit1's first text and the target of "主页".
inline constexpr char kWebHome[] = "https://olvane.example/";

class Tf_webbrowse : public TForm {
public:
    Tf_webbrowse();

    TPanel* Panel1 = nullptr;
    TLabel* Label1 = nullptr;
    TEdit* Edit1 = nullptr;
    TStatusBar* StatusBar1 = nullptr;
    TWebBrowser* WebBrowser1 = nullptr;

    void Edit1KeyDown(TComponent& Sender, WORD& Key, TShiftState Shift);
    void Button1Click(TComponent& Sender);
    void Button2Click(TComponent& Sender);
    void Button3Click(TComponent& Sender);
    void Button4Click(TComponent& Sender);
    void WebBrowser1DownloadBegin(TComponent& Sender);
    void WebBrowser1DownloadComplete(TComponent& Sender);

protected:
    TCreateParams CreateParams() const override;
    const TMessageMap& Messages() const override;
    void WMWindowPosChanged(TMessage& message);

private:
    void NavigateTo(const std::string& address);
    bool shown_ = false;
};

// No window until the first opener creates it.
extern Tf_webbrowse* f_webbrowse;
