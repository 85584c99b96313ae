#include "tests/support/ControlHost.h"
#include "tests/support/InPlaceSite.h"
#include "tests/support/WindowPump.h"
#include <comutil.h>

namespace {
typedef BOOL(WINAPI* AxWinInit)();
typedef HRESULT(WINAPI* AxGetControl)(HWND, IUnknown**);

HMODULE Atl()
{
    static HMODULE atl = LoadLibraryA("atl100.dll");
    return atl;
}

template <typename Function>
Function AtlFunction(const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(Atl(), name)));
}

const char kFrameClass[] = "KorvastControlTestFrame";

void RegisterFrameClass()
{
    WNDCLASSA frameClass = {};
    frameClass.lpfnWndProc = DefWindowProcA;
    frameClass.hInstance = GetModuleHandleA(nullptr);
    frameClass.lpszClassName = kFrameClass;
    frameClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    RegisterClassA(&frameClass);
}
}

ControlHost::ControlHost(const char* clsid, int width, int height)
{
    CreateWindows(clsid, width, height);
    TakeControl();
}

ControlHost::ControlHost(IUnknown* control, int width, int height)
{
    CreateWindows(nullptr, width, height);
    m_site = std::make_unique<InPlaceSite>(m_frame, RECT{0, 0, width, height});
    control->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&m_object));
    control->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&m_control));
    if (m_object) {
        m_object->SetClientSite(m_site.get());
        RECT position = {0, 0, width, height};
        m_object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, m_site.get(), 0, m_frame, &position);
    }
    PumpPastTimer(50);
}

void ControlHost::CreateWindows(const char* clsid, int width, int height)
{
    static bool initialised = (AtlFunction<AxWinInit>("AtlAxWinInit")(), RegisterFrameClass(), true);
    (void)initialised;
    m_frame = CreateWindowExA(0, kFrameClass, "control test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, width + 20,
                              height + 40, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    m_host = clsid ? CreateWindowExA(0, "AtlAxWin100", clsid, WS_CHILD | WS_VISIBLE, 0, 0, width, height, m_frame,
                                     nullptr, GetModuleHandleA(nullptr), nullptr)
                   : m_frame;
}

void ControlHost::TakeControl()
{
    IUnknown* unknown = nullptr;
    if (m_host && SUCCEEDED(AtlFunction<AxGetControl>("AtlAxGetControl")(m_host, &unknown)) && unknown) {
        unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&m_control));
        unknown->Release();
    }
    PumpPastTimer(50);
}

ControlHost::~ControlHost()
{
    Destroy();
}

void ControlHost::Destroy()
{
    if (m_object) {
        m_object->Close(OLECLOSE_NOSAVE);
        m_object->SetClientSite(nullptr);
    }
    Abandon();
}

void ControlHost::Abandon()
{
    if (m_object)
        m_object->Release();
    m_object = nullptr;
    if (m_control)
        m_control->Release();
    m_control = nullptr;
    if (m_frame)
        DestroyWindow(m_frame);
    m_frame = nullptr;
    m_host = nullptr;
}

HWND ControlHost::ControlWindow() const
{
    return GetWindow(m_host, GW_CHILD);
}

HRESULT ControlHost::Put(DISPID id, VARIANT value)
{
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = {&value, &named, 1, 1};
    return m_control->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr,
                             nullptr);
}

HRESULT ControlHost::PutText(DISPID id, const std::string& text)
{
    _variant_t value(text.c_str());
    return Put(id, value);
}

HRESULT ControlHost::PutLong(DISPID id, long value)
{
    _variant_t typed(value);
    return Put(id, typed);
}

std::string ControlHost::GetText(DISPID id)
{
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    _variant_t result;
    m_control->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr);
    return result.vt == VT_BSTR ? std::string(static_cast<const char*>(_bstr_t(result))) : "<not a text>";
}

long ControlHost::GetLong(DISPID id)
{
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    _variant_t result;
    m_control->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr);
    return result.vt == VT_I4 ? result.lVal : -999;
}

std::string ComboItems(HWND combo)
{
    return CommaJoined(ComboTexts(combo));
}

std::string ComboSelection(HWND combo)
{
    return ComboText(combo, static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0)));
}
