// A control whose window is a child dialog (T::IDD) from the module's
// resource instance, created with the ANSI API so that its controls send
// their notifications in the A forms. Messages go to T::ProcessWindowMessage,
// whose map chains to this class's own handling of focus.
#pragma once
#include "atl/AtlMessageMap.h"
#include "atl/CComControlBase.h"
#include "atl/CComModule.h"

// The size of a dialog template in HIMETRIC, from its dialog units.
SIZEL DialogTemplateExtent(HINSTANCE resources, UINT dialogId);

template <class T>
class CComCompositeControl : public CComControlBase {
public:
    CComCompositeControl() { m_sizeExtent = DialogTemplateExtent(_Module.GetResourceInstance(), T::IDD); }
    // A control whose destructor left its window takes it along; the window's
    // last messages no longer reach the control, whose parts are gone.
    ~CComCompositeControl() override
    {
        if (!m_hWnd)
            return;
        SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
        DestroyWindow(m_hWnd);
    }

    BEGIN_MSG_MAP(CComCompositeControl)
        MESSAGE_HANDLER(WM_SETFOCUS, OnSetFocus)
    END_MSG_MAP()

protected:
    // For the control's destructor, while its parts still live: a host may
    // release the control without closing it, and the window's destroy
    // handlers must still free what the window holds.
    void DestroyControlWindow()
    {
        if (m_hWnd)
            DestroyWindow(m_hWnd);
    }

    HWND CreateControlWindow(HWND parent, const RECT& position) override
    {
        HWND window = CreateDialogParamA(_Module.GetResourceInstance(), MAKEINTRESOURCEA(T::IDD), parent,
                                         &DialogProc, reinterpret_cast<LPARAM>(static_cast<T*>(this)));
        if (window)
            MoveWindow(window, position.left, position.top, position.right - position.left,
                       position.bottom - position.top, FALSE);
        return window;
    }

private:
    // Focus given to the control goes on to its first control.
    LRESULT OnSetFocus(UINT, WPARAM, LPARAM, BOOL& handled)
    {
        HWND first = GetNextDlgTabItem(m_hWnd, nullptr, FALSE);
        if (first)
            SetFocus(first);
        else
            handled = FALSE;
        return 0;
    }

    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrA(window, DWLP_USER, lParam);
            reinterpret_cast<T*>(lParam)->m_hWnd = window;
        }
        T* control = reinterpret_cast<T*>(GetWindowLongPtrA(window, DWLP_USER));
        if (!control)
            return FALSE;
        if (message == WM_NCDESTROY) {
            control->m_hWnd = nullptr;
            SetWindowLongPtrA(window, DWLP_USER, 0);
        }
        LRESULT result = 0;
        if (!control->ProcessWindowMessage(window, message, wParam, lParam, result))
            return FALSE;
        if (message == WM_INITDIALOG)
            return static_cast<INT_PTR>(result);
        SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
        return TRUE;
    }
};
