// Reads the text of a data file into a CSimData. One record a line: a record
// word, usually a name, then attributes "key=value" and flags; values and
// names with blanks are written in double quotes. '#' starts a comment line.
// The format is described in productsim/README.md.
#pragma once
#include "productsim/simdata/SimData.h"
#include <map>
#include <string>
#include <vector>

class CSimDataReader {
public:
    // False with a message naming the line when the text is not well formed.
    bool Read(const std::string& text, CSimData& data, std::string& error);

private:
    struct Record {
        std::string word;
        std::string name;
        std::map<std::string, std::string> values;
        std::set<std::string> flags;

        // The value of an attribute, or the fallback where it is not given.
        std::string Value(const std::string& key, const std::string& fallback = "") const;
    };

    bool ReadLine(const std::string& line, CSimData& data);
    bool SplitTokens(const std::string& line, std::vector<std::string>& tokens);
    bool ParseRecord(const std::vector<std::string>& tokens, Record& record);
    bool CheckKeys(const Record& record, const char* const* allowed);
    // The repository of an object record (olpex=, required), without a leading backslash.
    bool TakeOlpex(const Record& record, std::string& olpex);
    SimMarks TakeMarks(const Record& record);
    bool AddOlpex(const Record& record, CSimData& data);
    bool AddObject(const Record& record, SimKind kind, const char* parentKey, CSimData& data);
    bool AddType(const Record& record, const std::string& kind, CSimData& data);
    bool AddSettings(const Record& record, CSimData& data);
    bool Fail(const std::string& message);

    int m_line = 0;
    std::string m_error;
};
