// The lines of the parameter pane: one per parameter of the current report,
// its prompt with the values as links. A click on a value edits it.
#pragma once
#include "builder/CustomListBox.h"
#include "controlshell/ChooserValues.h"

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
    // The editors of the values, by the value's editor kind. Each is owned by
    // the main window, so no other report can be chosen while one is open.
    void EditValue(CParameterElement* value);
    void ChoosePaths(CHOOSER_MODE mode, long constraints, CParameterElement* value);
    void ChooseType(CParameterElement* value);
    void EnterDateTime(CParameterElement* value);
    void EnterText(CParameterElement* value);
    // A refusal: a box over the list, OK only.
    void Refuse(const CString& text, UINT captionId);
    void RefuseMissingMaster(const CString& masterName);

    int m_scrollPosition = 0;
};
