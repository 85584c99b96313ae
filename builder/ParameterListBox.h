// The lines of the parameter pane: one per parameter of the current report,
// its prompt with the values as links. A click on a value edits it.
#pragma once
#include "builder/CustomListBox.h"

class CParameter;
class CReport;

class CParameterListBox : public CCustomListBox {
protected:
    void OnBeforeRebuild() override {}
    int GetLineCount() override;
    int GetElementCount(int line) override;
    CString GetElementText(int line, int element) override;
    void BindHotSpot(HotSpot* hotSpot) override;
    bool IsLiteralElement(int line, int element) override;
    bool IsDisabledElement(int, int) override { return false; }
    bool IsElementSet(int line, int element) override;
    bool IsPlainLine(int line) override;
    CString GetLineText(int line) override;

    void OnLButtonDown(UINT flags, CPoint point);
    void OnHScroll(UINT code, int position, HWND scrollBar);

    DECLARE_MESSAGE_MAP()

private:
    CParameter* GetParameter(int line) const;
    CParameterElement* GetElement(int line, int element) const;
    // Opens the editor of the clicked value; the value editors fill it in.
    void EditValue(CParameterElement* value);

    int m_scrollPosition = 0;
};
