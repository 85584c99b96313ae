// One piece of a parameter's prompt: literal text, or the value the user edits.
// The value element starts as the kind word of the prompt ("pathnames", "user")
// and its editor kind tells the builder which editor opens it.
#pragma once
#include "afx/CString.h"

class CParameterElement {
public:
    static const int kLiteral = 31;
    static const int kUnknownKind = 32;

    CParameterElement() = default;
    virtual ~CParameterElement() = default;

    const CString& GetText() const { return m_text; }
    // Sets the text and the saved text, and with `alsoDefault` the default too.
    void SetText(const char* text, bool alsoDefault = false);
    const CString& GetDefault() const { return m_default; }
    const CString& GetSavedText() const { return m_savedText; }
    void SetSavedText(const char* text) { m_savedText = text; }
    // Text and saved text back to the default.
    void Reset();

    int GetEditorKind() const { return m_editorKind; }
    void SetEditorKind(int kind) { m_editorKind = kind; }
    bool IsLiteral() const { return m_editorKind == kLiteral; }
    // A value element whose text differs from its default (with case).
    bool IsModified() const;
    // The value as it goes between the quotes of NAME=\"...\" in the script's
    // command line, so that the script's C runtime reads it back as entered:
    // every quote escaped, and the backslashes before a quote or at the end
    // doubled. Path values hold their quotes escaped already; they are read plain first.
    CString GetArgumentText() const;

    // Kept for the parameter pane; nothing in the model reads them.
    int GetPaneWord() const { return m_paneWord; }
    void SetPaneWord(int word) { m_paneWord = word; }
    bool GetPaneFlag() const { return m_paneFlag; }
    void SetPaneFlag(bool flag) { m_paneFlag = flag; }

private:
    CString m_text;
    CString m_default;
    CString m_savedText;
    int m_paneWord = 0;
    bool m_paneFlag = false;
    int m_editorKind = kLiteral;
};
