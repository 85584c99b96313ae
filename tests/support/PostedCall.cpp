#include "tests/support/PostedCall.h"

namespace {
const char kClassName[] = "KorvastTestPostedCall";
const UINT kRunMessage = WM_APP + 1;

void RegisterClassOnce(WNDPROC procedure)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);
}
}

PostedCall::PostedCall(std::function<void()> call) : m_call(std::move(call))
{
    RegisterClassOnce(&PostedCall::WindowProc);
    m_window = CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    PostMessageA(m_window, kRunMessage, 0, 0);
}

PostedCall::~PostedCall()
{
    DestroyWindow(m_window);
}

LRESULT CALLBACK PostedCall::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<PostedCall*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message != kRunMessage || !self)
        return DefWindowProcA(window, message, wParam, lParam);
    self->m_hasRun = true;
    self->m_call();
    return 0;
}
