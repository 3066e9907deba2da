#include "classlib/webbrowser.h"

#include <exdispid.h>

#include "classlib/handlercall.h"
#include "classlib/oleerror.h"
#include "classlib/olesite.h"
#include "classlib/webbrowserevents.h"
#include "classlib/webbrowserole.h"
#include "classlib/windowclasses.h"

namespace {
// A BSTR for one call.
class Bstr {
public:
    explicit Bstr(const std::wstring& text) : b_(webbrowserole::AllocString(text.data(), static_cast<UINT>(text.size()))) {}
    Bstr() = default;
    ~Bstr() { webbrowserole::FreeString(b_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR get() const { return b_; }
    BSTR* put() { return &b_; }

private:
    BSTR b_ = nullptr;
};
} // namespace

TWebBrowser::~TWebBrowser()
{
    Teardown();
}

TCreateParams TWebBrowser::CreateParams() const
{
    return {WindowClassName(typeid(*this)), WS_CLIPCHILDREN, 0, CS_HREDRAW | CS_VREDRAW};
}

void TWebBrowser::HandleCreated()
{
    oleInitialized_ = SUCCEEDED(webbrowserole::Initialize());
    OleCheck(webbrowserole::CreateInstance(CLSID_WebBrowser, IID_IWebBrowser2, browser_.put_void()), "WebBrowser");
    auto object = browser_.as<IOleObject>(IID_IOleObject);
    if (!object)
        throw EOleSysError("WebBrowser", E_NOINTERFACE);
    site_ = new TOleSite(Handle());
    OleCheck(object->SetClientSite(static_cast<IOleClientSite*>(site_)), "WebBrowser site");
    events_ = TWebBrowserEvents::Connect(browser_.get(), [this](DISPID id) { Event(id); });
    RECT r;
    GetClientRect(Handle(), &r);
    OleCheck(object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(site_), 0, Handle(), &r),
             "WebBrowser activation");
}

void TWebBrowser::Teardown()
{
    if (events_) {
        events_->Disconnect();
        std::exchange(events_, nullptr)->Release();
    }
    if (browser_) {
        if (auto inPlace = browser_.as<IOleInPlaceObject>(IID_IOleInPlaceObject))
            inPlace->InPlaceDeactivate();
        if (auto object = browser_.as<IOleObject>(IID_IOleObject)) {
            object->Close(OLECLOSE_NOSAVE);
            object->SetClientSite(nullptr);
        }
        browser_.reset();
    }
    if (site_)
        std::exchange(site_, nullptr)->Release();
    if (oleInitialized_) {
        oleInitialized_ = false;
        webbrowserole::Uninitialize();
    }
}

void TWebBrowser::Resize()
{
    TWinControl::Resize();
    if (!browser_)
        return;
    if (auto inPlace = browser_.as<IOleInPlaceObject>(IID_IOleInPlaceObject)) {
        RECT r;
        GetClientRect(Handle(), &r);
        inPlace->SetObjectRects(&r, &r);
    }
}

const TMessageMap& TWebBrowser::Messages() const
{
    static const TMessageMap map(TWinControl::Messages(), {{WM_DESTROY, &TWebBrowser::WMDestroy}});
    return map;
}

void TWebBrowser::WMDestroy(TMessage& m)
{
    // The control's window goes with ours: let go of it first.
    Teardown();
    DefaultHandler(m);
}

IWebBrowser2& TWebBrowser::Browser() const
{
    if (!browser_)
        throw EComponentError("WebBrowser '" + Name() + "' has no window");
    return *browser_.get();
}

void TWebBrowser::Navigate(const std::wstring& url)
{
    Bstr address(url);
    VARIANT empty{};
    empty.vt = VT_EMPTY;
    OleCheck(Browser().Navigate(address.get(), &empty, &empty, &empty, &empty), "Navigate");
}

void TWebBrowser::GoBack()
{
    OleCheck(Browser().GoBack(), "GoBack");
}

void TWebBrowser::GoForward()
{
    OleCheck(Browser().GoForward(), "GoForward");
}

void TWebBrowser::Stop()
{
    OleCheck(Browser().Stop(), "Stop");
}

std::wstring TWebBrowser::LocationURL() const
{
    Bstr location;
    if (FAILED(Browser().get_LocationURL(location.put())) || !location.get())
        return {};
    return {location.get(), webbrowserole::StringLength(location.get())};
}

void TWebBrowser::Event(DISPID id)
{
    if (id == DISPID_DOWNLOADBEGIN)
        CallHandler(OnDownloadBegin, *this);
    else if (id == DISPID_DOWNLOADCOMPLETE)
        CallHandler(OnDownloadComplete, *this);
}

const TPropertyTable& TWebBrowser::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TWebBrowser>(TWinControl::Properties(), {
        {"OnDownloadBegin", [](TWebBrowser& b, const TPropertyValue& v) { b.OnDownloadBegin = v.Handler<TNotifyEvent>(); }},
        {"OnDownloadComplete",
         [](TWebBrowser& b, const TPropertyValue& v) { b.OnDownloadComplete = v.Handler<TNotifyEvent>(); }},
    });
    return table;
}
