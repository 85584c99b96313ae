// A combo box of the point sizes a font offers. Each item's data is its size
// in twips (1 point = 20 twips); the typed text converts to and from twips.
#pragma once
#include "viewer/LocalComboBox.h"

class CSizeComboBox : public CLocalComboBox {
public:
    // A scalable font offers the standard sizes, a raster font its own.
    void EnumFontSizes(HDC dc, const char* faceName);
    // Adds the size in ascending order unless its text is listed already.
    void InsertSize(int twips);
    // The typed size in twips: -1 for no size, -2 for what is not a number,
    // 0 for a negative number; "10.5" is 210.
    int GetTwipSize() const;
    void SetTwipSize(int twips);
    // The size SetTwipSize set or the user picked from the list last, or 0.
    int GetLastTwipSize() const { return m_lastTwips; }

    // Whole points as "12", other sizes in half points as "10.5".
    static CString FormatTwips(int twips);
    static int ParseTwips(const char* text);

protected:
    BOOL OnSelectionChange();

    DECLARE_MESSAGE_MAP()

private:
    static int CALLBACK OnFace(const LOGFONTA* font, const TEXTMETRICA* metrics, DWORD type, LPARAM list);
    void InsertStandardSizes();

    int m_pixelsPerInch = 0;
    int m_lastTwips = 0;
};
