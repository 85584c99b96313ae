// A test container for the controls: a top-level window holding a window of
// atl100's host class "AtlAxWin100" that creates the control named by its
// CLSID, as the builder hosts it; and the control's properties put and read
// by dispatch id.
#pragma once
#include <windows.h>
#include <oaidl.h>
#include <memory>
#include <string>

class InPlaceSite;
struct IOleObject;

class ControlHost {
public:
    // Creates the host window for the CLSID ("{...}") at the given client size.
    ControlHost(const char* clsid, int width = 420, int height = 460);
    // Activates a control that exists already in a window of the test's own
    // site, as Wine's AtlAxAttachControl does not.
    explicit ControlHost(IUnknown* control, int width = 420, int height = 460);
    ~ControlHost();
    ControlHost(const ControlHost&) = delete;
    ControlHost& operator=(const ControlHost&) = delete;

    // Null when the host made no control.
    IDispatch* Control() const { return m_control; }
    // The control's own window inside the host window.
    HWND ControlWindow() const;
    HWND Item(int id) const { return GetDlgItem(ControlWindow(), id); }
    HWND HostWindow() const { return m_host; }
    // Destroys the host window and lets go of the control.
    void Destroy();
    // Lets go of the control without closing or deactivating it, as a careless
    // host does, then destroys the host window.
    void Abandon();

    HRESULT Put(DISPID id, VARIANT value);
    HRESULT PutText(DISPID id, const std::string& text);
    HRESULT PutLong(DISPID id, long value);
    std::string GetText(DISPID id);
    long GetLong(DISPID id);

private:
    void CreateWindows(const char* clsid, int width, int height);
    void TakeControl();

    std::unique_ptr<InPlaceSite> m_site;
    IOleObject* m_object = nullptr;
    HWND m_frame = nullptr;
    HWND m_host = nullptr;
    IDispatch* m_control = nullptr;
};

// The items of a combo box, in the order it shows them.
std::string ComboItems(HWND combo);
// The text of the selected item of a combo box; empty when none is selected.
std::string ComboSelection(HWND combo);
