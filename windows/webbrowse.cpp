#include "windows/webbrowse.h"

#include "classlib/oleerror.h"
#include "classlib/widetext.h"

Tf_webbrowse* f_webbrowse = nullptr;

namespace {
constexpr char kFindingSite[] = "Finding Site...";
constexpr char kDone[] = "Done.";
} // namespace

Tf_webbrowse::Tf_webbrowse()
{
    Bind("Edit1KeyDown", &Tf_webbrowse::Edit1KeyDown);
    Bind("Button1Click", &Tf_webbrowse::Button1Click);
    Bind("Button2Click", &Tf_webbrowse::Button2Click);
    Bind("Button3Click", &Tf_webbrowse::Button3Click);
    Bind("Button4Click", &Tf_webbrowse::Button4Click);
    Bind("WebBrowser1DownloadBegin", &Tf_webbrowse::WebBrowser1DownloadBegin);
    Bind("WebBrowser1DownloadComplete", &Tf_webbrowse::WebBrowser1DownloadComplete);
    LoadFromResource("WEBBROWSE");
    Panel1 = &Component<TPanel>("Panel1");
    Label1 = &Component<TLabel>("Label1");
    Edit1 = &Component<TEdit>("Edit1");
    StatusBar1 = &Component<TStatusBar>("StatusBar1");
    WebBrowser1 = &Component<TWebBrowser>("WebBrowser1");
    Edit1->SetText(kWebHome);
    DoCreate();
}

TCreateParams Tf_webbrowse::CreateParams() const
{
    TCreateParams params = TForm::CreateParams();
    params.exStyle |= WS_EX_TOPMOST;
    return params;
}

const TMessageMap& Tf_webbrowse::Messages() const
{
    static const TMessageMap map(TForm::Messages(), {{WM_WINDOWPOSCHANGED, &Tf_webbrowse::WMWindowPosChanged}});
    return map;
}

// The first showing maximizes; later ones keep what the user left. Done
// once the window is on screen: a window maximized before it is mapped
// keeps its designed size under Wine.
void Tf_webbrowse::WMWindowPosChanged(TMessage& m)
{
    TForm::Messages().Dispatch(*this, m);
    if (!shown_ && (reinterpret_cast<WINDOWPOS*>(m.LParam)->flags & SWP_SHOWWINDOW)) {
        shown_ = true;
        ShowWindow(Handle(), SW_MAXIMIZE);
    }
}

void Tf_webbrowse::NavigateTo(const std::string& address)
{
    WebBrowser1->Navigate(WideFromAnsi(address));
}

void Tf_webbrowse::Edit1KeyDown(TComponent&, WORD& Key, TShiftState)
{
    if (Key != VK_RETURN)
        return;
    std::string address = Edit1->Text();
    NavigateTo(address);
    SetText(address);
    StatusBar1->SetPanelText(0, kFindingSite);
}

void Tf_webbrowse::Button1Click(TComponent&)
{
    WebBrowser1->Stop();
}

// With no page to go to the control refuses; that is not worth a message.
void Tf_webbrowse::Button2Click(TComponent&)
{
    try {
        WebBrowser1->GoBack();
    } catch (const EOleSysError&) {
    }
}

void Tf_webbrowse::Button3Click(TComponent&)
{
    try {
        WebBrowser1->GoForward();
    } catch (const EOleSysError&) {
    }
}

void Tf_webbrowse::Button4Click(TComponent&)
{
    NavigateTo(kWebHome);
}

void Tf_webbrowse::WebBrowser1DownloadBegin(TComponent&)
{
    StatusBar1->SetPanelText(0, kFindingSite);
}

void Tf_webbrowse::WebBrowser1DownloadComplete(TComponent&)
{
    StatusBar1->SetPanelText(0, kDone);
}
