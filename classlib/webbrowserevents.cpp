#include "classlib/webbrowserevents.h"

#include <exdisp.h>

#include "classlib/application.h"
#include "classlib/comptr.h"
#include "classlib/oleerror.h"

TWebBrowserEvents* TWebBrowserEvents::Connect(IUnknown* control, Callback callback)
{
    ComPtr<IConnectionPointContainer> container;
    OleCheck(control->QueryInterface(IID_IConnectionPointContainer, container.put_void()), "Browser events");
    ComPtr<IConnectionPoint> point;
    OleCheck(container->FindConnectionPoint(DIID_DWebBrowserEvents2, point.put()), "Browser events");
    auto* sink = new TWebBrowserEvents(std::move(callback));
    HRESULT hr = point->Advise(static_cast<IDispatch*>(sink), &sink->cookie_);
    if (FAILED(hr)) {
        sink->Release();
        throw EOleSysError("Browser events", hr);
    }
    sink->point_ = point.get();
    sink->point_->AddRef();
    return sink;
}

void TWebBrowserEvents::Disconnect()
{
    callback_ = nullptr;
    if (point_) {
        point_->Unadvise(cookie_);
        point_->Release();
        point_ = nullptr;
    }
}

STDMETHODIMP TWebBrowserEvents::QueryInterface(REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2) {
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) TWebBrowserEvents::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&refs_));
}

STDMETHODIMP_(ULONG) TWebBrowserEvents::Release()
{
    LONG left = InterlockedDecrement(&refs_);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

// The sink is called by dispatch id only: it has no type information.
STDMETHODIMP TWebBrowserEvents::GetTypeInfoCount(UINT* count)
{
    if (count)
        *count = 0;
    return S_OK;
}
STDMETHODIMP TWebBrowserEvents::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
STDMETHODIMP TWebBrowserEvents::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

STDMETHODIMP TWebBrowserEvents::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)
{
    if (!callback_)
        return S_OK;
    // Keep the sink alive even if the handler frees the control.
    AddRef();
    Callback callback = callback_;
    try {
        callback(id);
    } catch (...) {
        Application.HandleException();
    }
    Release();
    return S_OK;
}
