// A combo box with type-ahead: after each change of its edit text it selects
// the first item that begins with the text and highlights the completed tail,
// and it drops a typed character that no item continues. Delete or Backspace
// pause the completion for a second, so the user can shorten the text.
//
// The box subclasses its window and its edit field, so each box keeps its own
// pause and its timer stops with it. Its parent forwards the box's
// CBN_EDITUPDATE to AutoComplete.
#pragma once
#include "afx/CComboBox.h"

class CComboBoxAC : public CComboBox {
public:
    CComboBoxAC();
    ~CComboBoxAC() override;

    void AutoComplete();
    // A key pressed in the edit field, before the field handles it.
    void OnKeyDown(UINT key);

protected:
    void PreSubclassWindow() override;
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    // The edit field of the box, watched for the keys that reach it.
    class CEditKeys : public CWnd {
    public:
        explicit CEditKeys(CComboBoxAC& box) : m_box(box) {}
        LRESULT OnKeyDown(WPARAM key, LPARAM);
        DECLARE_MESSAGE_MAP()
    private:
        CComboBoxAC& m_box;
    };

    void StopPause();

    static const UINT_PTR kPauseTimer = 1;
    static const UINT kPauseMs = 1000;

    bool m_completion = true;
    UINT_PTR m_timerId = 0;
    // Set while the box changes its own text, whose notification must not complete again.
    bool m_completing = false;
    CEditKeys m_edit;
};
