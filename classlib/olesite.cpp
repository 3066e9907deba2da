#include "classlib/olesite.h"

STDMETHODIMP TOleSite::QueryInterface(REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IOleClientSite)
        *out = static_cast<IOleClientSite*>(this);
    else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite)
        *out = static_cast<IOleInPlaceSite*>(this);
    else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
        *out = static_cast<IOleInPlaceFrame*>(this);
    else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) TOleSite::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&refs_));
}

STDMETHODIMP_(ULONG) TOleSite::Release()
{
    LONG left = InterlockedDecrement(&refs_);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

// The client site: nothing is stored, there is no document around the control.
STDMETHODIMP TOleSite::SaveObject() { return S_OK; }
STDMETHODIMP TOleSite::GetMoniker(DWORD, DWORD, IMoniker** out)
{
    if (out)
        *out = nullptr;
    return E_NOTIMPL;
}
STDMETHODIMP TOleSite::GetContainer(IOleContainer** out)
{
    if (out)
        *out = nullptr;
    return E_NOINTERFACE;
}
STDMETHODIMP TOleSite::ShowObject() { return S_OK; }
STDMETHODIMP TOleSite::OnShowWindow(BOOL) { return S_OK; }
STDMETHODIMP TOleSite::RequestNewObjectLayout() { return E_NOTIMPL; }

STDMETHODIMP TOleSite::GetWindow(HWND* out)
{
    if (!out)
        return E_POINTER;
    *out = host_;
    return S_OK;
}
STDMETHODIMP TOleSite::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

// The in-place site: the control always fills the host window.
STDMETHODIMP TOleSite::CanInPlaceActivate() { return S_OK; }
STDMETHODIMP TOleSite::OnInPlaceActivate() { return S_OK; }
STDMETHODIMP TOleSite::OnUIActivate() { return S_OK; }
STDMETHODIMP TOleSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, RECT* pos, RECT* clip,
                                        OLEINPLACEFRAMEINFO* info)
{
    if (!frame || !doc || !pos || !clip || !info)
        return E_POINTER;
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *doc = nullptr;
    GetClientRect(host_, pos);
    *clip = *pos;
    info->fMDIApp = FALSE;
    info->hwndFrame = GetAncestor(host_, GA_ROOT);
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}
STDMETHODIMP TOleSite::Scroll(SIZE) { return E_NOTIMPL; }
STDMETHODIMP TOleSite::OnUIDeactivate(BOOL) { return S_OK; }
STDMETHODIMP TOleSite::OnInPlaceDeactivate() { return S_OK; }
STDMETHODIMP TOleSite::DiscardUndoState() { return S_OK; }
STDMETHODIMP TOleSite::DeactivateAndUndo() { return S_OK; }
STDMETHODIMP TOleSite::OnPosRectChange(const RECT*) { return S_OK; }

// The frame: no tool space, menus or status line to share.
STDMETHODIMP TOleSite::GetBorder(RECT*) { return INPLACE_E_NOTOOLSPACE; }
STDMETHODIMP TOleSite::RequestBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }
STDMETHODIMP TOleSite::SetBorderSpace(LPCBORDERWIDTHS) { return S_OK; }
STDMETHODIMP TOleSite::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) { return S_OK; }
STDMETHODIMP TOleSite::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) { return S_OK; }
STDMETHODIMP TOleSite::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
STDMETHODIMP TOleSite::RemoveMenus(HMENU) { return S_OK; }
STDMETHODIMP TOleSite::SetStatusText(LPCOLESTR) { return S_OK; }
STDMETHODIMP TOleSite::EnableModeless(BOOL) { return S_OK; }
STDMETHODIMP TOleSite::TranslateAccelerator(MSG*, WORD) { return S_FALSE; }
