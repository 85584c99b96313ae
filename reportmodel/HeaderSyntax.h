// Syntax that the fields header and the parameters header share: blanks
// between items, attribute lists in parentheses, and the message about a
// character that fits nowhere.
#pragma once
#include "afx/CString.h"

// A blank, tab or line feed.
bool IsHeaderBlank(char ch);
int SkipHeaderBlanks(const CString& text, int position);

// Reads the attribute list whose "(" stands at `position`. On success `list`
// holds the text after the blanks up to and including the ")", or is empty for
// a list without content, and `position` is past the ")". On failure `error`
// is the message to show.
bool ReadAttributeList(const CString& text, int& position, CString& list, const char*& error);

CString UnexpectedCharacterMessage(int position, char ch);
