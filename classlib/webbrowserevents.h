// The DWebBrowserEvents2 sink: the control calls Invoke with the event's
// dispatch id, which goes to one callback on the GUI thread.
#pragma once

#include <ole2.h>
#include <ocidl.h>

#include <functional>

class TWebBrowserEvents final : public IDispatch {
public:
    using Callback = std::function<void(DISPID event)>;

    // Connects to the control's DWebBrowserEvents2 point; EOleSysError when it has none.
    static TWebBrowserEvents* Connect(IUnknown* control, Callback callback);
    // Disconnects and drops the callback; the control may still hold the sink a while.
    void Disconnect();

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** out) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* excep, UINT* argErr) override;

private:
    explicit TWebBrowserEvents(Callback callback) : callback_(std::move(callback)) {}
    ~TWebBrowserEvents() = default;

    Callback callback_;
    IConnectionPoint* point_ = nullptr;
    DWORD cookie_ = 0;
    LONG refs_ = 1;
};
