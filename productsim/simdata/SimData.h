// The simulated product's data as read from its data file: repositories with
// their folders, projects, streams, activities, types and hyperlinks; views;
// tool commands; and the marks by which a record or a call is made to fail,
// so that every failure path of a caller can be reached.
#pragma once
#include <set>
#include <string>
#include <vector>

// Marks of one record: the operations that fail, and those that succeed
// without giving an object. Operation names are member names ("Get",
// "Parent", "Streams.Count", "Item") or registry steps ("tag", "kinds").
// The collections named by `shrink` lose their last element after each
// element fetched; those named by `grow` gain their first element again
// after the first fetch, as collections that change while a caller walks them.
struct SimMarks {
    std::set<std::string> fail;
    std::set<std::string> empty;
    std::set<std::string> shrink;
    std::set<std::string> grow;

    bool Fails(const std::string& operation) const { return fail.count(operation) != 0; }
    bool Empties(const std::string& operation) const { return empty.count(operation) != 0; }
};

struct SimOlpex {
    std::string tag;       // as the registry holds it: "\proj", "/proj" or "proj"
    std::string name;      // the tag without its leading backslash or slash
    std::string kinds;     // "polpex,sumolpex", "sumolpex", ...
    std::string access;    // attribute 6 of the registry; "public" or "private" unless given
    bool mounted = false;
    bool isPrivate = false;
    unsigned char uuid[16] = {};
    SimMarks marks;
};

enum class SimKind { Folder, Project, Stream, Activity };

struct SimObject {
    SimKind kind = SimKind::Folder;
    std::string name;
    std::string olpex;     // repository name (no backslash)
    std::string display;
    // The folder holding a folder or project, the project of a stream, the
    // stream of an activity.
    std::string parent;
    std::string integrationStream;  // projects only
    SimMarks marks;
};

struct SimType {
    std::string kind;      // "label", "branch", "attribute", "hyperlink" or "trigger"
    std::string name;
    std::string olpex;
    bool global = false;
    bool obsolete = false;
    SimMarks marks;
};

struct SimHyperlink {
    std::string type;
    std::string from;      // repository names
    std::string to;
    SimMarks marks;
};

struct SimView {
    std::string path;      // the view root, without a trailing backslash
    bool snapshot = false;
    SimMarks marks;
};

struct SimCommand {
    std::string text;
    std::string output;
    SimMarks marks;
};

class CSimData {
public:
    std::vector<SimOlpex> olpexes;
    std::vector<SimObject> objects;
    std::vector<SimType> types;
    std::vector<SimHyperlink> hyperlinks;
    std::vector<SimView> views;
    std::vector<SimCommand> commands;
    SimMarks application;  // "create", or the name of an Application member
    SimMarks tool;         // "create", "Execute"
    SimMarks registry;     // "region", "entries", "more"
    int registryBatch = 4096;
    bool heapOnlyStorage = false;
    bool entryLevelEdition = false;
    bool compTest = true;
    bool extendedHelp = true;

    // Repository by name; a leading backslash or slash is ignored, case is not.
    const SimOlpex* FindOlpex(const std::string& name) const;
    // Object of a kind by name in a repository; an empty repository name
    // matches the first object of that name in any repository.
    const SimObject* FindObject(SimKind kind, const std::string& name, const std::string& olpex) const;
    // Objects of a kind whose parent is `parent` in the repository, in file order.
    std::vector<const SimObject*> Children(SimKind kind, const std::string& parent, const std::string& olpex) const;
    // The view whose root is the path or a folder above it; the longest root wins.
    const SimView* FindViewHolding(const std::string& path) const;
};

// "kind:name@\tag", optionally in double quotes; the kind word in any case.
struct SimSelector {
    std::string kindWord;  // lower case, without the colon
    std::string name;
    std::string olpex;

    static bool Parse(const std::string& text, SimSelector& selector);
};

bool SimEqualNoCase(const std::string& a, const std::string& b);
const char* SimKindWord(SimKind kind);
