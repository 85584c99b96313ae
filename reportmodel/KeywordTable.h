// The parameter keywords a report may declare, with their prompts and kind
// words in the string table, and the editor kind of each kind word.
#pragma once
#include "afx/CString.h"

struct KeywordEntry {
    const char* keyword;
    int typeCode;
    UINT promptId;
    UINT kindWordId;
    bool scope;       // gives the paths or objects other parameters depend on
    bool needsScope;  // its choices depend on the scope parameter
};

// The entry of a keyword (compared with case), or null.
const KeywordEntry* FindKeyword(const char* keyword);

// The editor kind of a kind word as the string table has it (compared with
// case); CParameterElement::kUnknownKind when the word is not a kind word.
int EditorKindOfKindWord(const char* kindWord);
