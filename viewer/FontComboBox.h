// A drop-down list of the font families of a printer and of the screen, each
// drawn with a glyph that tells TrueType fonts from printer fonts. The list
// owns the descriptors its items point to.
#pragma once
#include "viewer/LocalComboBox.h"
#include "afx/CGdiObjects.h"
#include <memory>
#include <vector>

// Type flags of a font descriptor.
const int kPrinterFontType = 0x100;
const int kTrueTypeFontType = 0x200;
const int kDeviceFontType = 0x400;

struct CFontDescriptor {
    CString faceName;
    CString script;  // empty when the enumeration names none
    BYTE charSet;
    BYTE pitchAndFamily;
    int typeFlags;
};

class CFontComboBox : public CLocalComboBox {
public:
    // Lists the families of the printer (when given) first, then those of the screen.
    void FillFonts(HDC printer, HDC screen);
    // Selects the entry of `name` in `charSet` (DEFAULT_CHARSET: any), else
    // the first entry that begins with `name`. With no such entry nothing is
    // selected, and the name stays the chosen one.
    void MatchFont(const char* name, BYTE charSet = DEFAULT_CHARSET);
    const CFontDescriptor* GetSelectedFont() const;
    CString GetFaceName() const;
    int GetDescriptorCount() const { return static_cast<int>(m_descriptors.size()); }
    // The height of an item: the dialog font's, and no less than a glyph's.
    int ItemHeight();

    void DrawItem(DRAWITEMSTRUCT* item);
    void MeasureItem(MEASUREITEMSTRUCT* item);
    int CompareItem(COMPAREITEMSTRUCT* item);

protected:
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    struct Enumeration {
        CFontComboBox* list;
        bool printer;
        // EnumFontFamiliesEx, which gives each character set of a family.
        bool extended;
    };
    static int CALLBACK OnFamily(const LOGFONTA* font, const TEXTMETRICA* metrics, DWORD type, LPARAM enumeration);
    void EnumerateFamilies(HDC dc, bool printer);
    void Collect(const LOGFONTA& logFont, const char* script, DWORD type, bool printer);
    // True when the enumeration of the same device gave the face before.
    bool IsCollected(const CString& faceName, BYTE charSet, bool printer) const;
    const CFontDescriptor* Descriptor(int index) const;
    void DrawGlyph(HDC dc, const RECT& item, const CFontDescriptor& font);

    std::vector<std::unique_ptr<CFontDescriptor>> m_descriptors;
    CBitmap m_glyphs;
    CString m_unmatchedName;
};
