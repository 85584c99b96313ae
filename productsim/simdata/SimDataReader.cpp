#include "productsim/simdata/SimDataReader.h"
#include <stdio.h>
#include <stdlib.h>

namespace {

std::set<std::string> SplitList(const std::string& text)
{
    std::set<std::string> items;
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (!item.empty())
            items.insert(item);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return items;
}

std::string UnescapeLineEnds(const std::string& text)
{
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            result += "\r\n";
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

void DeriveUuid(const std::string& name, unsigned char uuid[16])
{
    unsigned int hash = 2166136261u;
    for (int i = 0; i < 16; ++i) {
        for (char c : name)
            hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
        hash = (hash ^ static_cast<unsigned int>(i)) * 16777619u;
        uuid[i] = static_cast<unsigned char>(hash >> 24);
    }
}

bool ParseUuid(const std::string& text, unsigned char uuid[16])
{
    std::string digits;
    for (char c : text) {
        if (c != '-')
            digits += c;
    }
    if (digits.size() != 32)
        return false;
    for (int i = 0; i < 16; ++i) {
        char* end = nullptr;
        std::string pair = digits.substr(2 * i, 2);
        uuid[i] = static_cast<unsigned char>(strtoul(pair.c_str(), &end, 16));
        if (*end != '\0')
            return false;
    }
    return true;
}

// Repository names may be written as tags, with a leading backslash.
std::string WithoutBackslash(const std::string& name)
{
    return !name.empty() && name[0] == '\\' ? name.substr(1) : name;
}

const char* const kMarkKeys[] = {"fail", "empty", "shrink", "grow", nullptr};

}

bool CSimDataReader::Read(const std::string& text, CSimData& data, std::string& error)
{
    m_line = 0;
    m_error.clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        ++m_line;
        if (!ReadLine(line, data)) {
            error = m_error;
            return false;
        }
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return true;
}

bool CSimDataReader::Fail(const std::string& message)
{
    m_error = "line " + std::to_string(m_line) + ": " + message;
    return false;
}

bool CSimDataReader::SplitTokens(const std::string& line, std::vector<std::string>& tokens)
{
    size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        std::string token;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') {
            if (line[i] == '"') {
                size_t close = line.find('"', i + 1);
                if (close == std::string::npos)
                    return Fail("a double quote is not closed");
                token += line.substr(i + 1, close - i - 1);
                i = close + 1;
            } else {
                token += line[i++];
            }
        }
        tokens.push_back(token);
    }
    return true;
}

bool CSimDataReader::ParseRecord(const std::vector<std::string>& tokens, Record& record)
{
    static const std::set<std::string> unnamed = {"application", "tool", "registry", "product"};
    record.word = tokens[0];
    size_t next = 1;
    if (unnamed.count(record.word) == 0) {
        if (tokens.size() < 2 || tokens[1].empty())
            return Fail("\"" + record.word + "\" needs a name");
        record.name = tokens[1];
        next = 2;
    }
    for (size_t i = next; i < tokens.size(); ++i) {
        size_t equals = tokens[i].find('=');
        if (equals == std::string::npos)
            record.flags.insert(tokens[i]);
        else
            record.values[tokens[i].substr(0, equals)] = tokens[i].substr(equals + 1);
    }
    return true;
}

bool CSimDataReader::CheckKeys(const Record& record, const char* const* allowed)
{
    auto isAllowed = [allowed](const std::string& key) {
        for (const char* const* k = allowed; *k != nullptr; ++k) {
            if (key == *k)
                return true;
        }
        for (const char* const* k = kMarkKeys; *k != nullptr; ++k) {
            if (key == *k)
                return true;
        }
        return false;
    };
    for (const auto& value : record.values) {
        if (!isAllowed(value.first))
            return Fail("\"" + record.word + "\" has no attribute \"" + value.first + "\"");
    }
    for (const std::string& flag : record.flags) {
        if (!isAllowed(flag))
            return Fail("\"" + record.word + "\" has no flag \"" + flag + "\"");
    }
    return true;
}

std::string CSimDataReader::Record::Value(const std::string& key, const std::string& fallback) const
{
    auto value = values.find(key);
    return value == values.end() ? fallback : value->second;
}

bool CSimDataReader::TakeOlpex(const Record& record, std::string& olpex)
{
    auto value = record.values.find("olpex");
    if (value == record.values.end())
        return Fail("\"" + record.word + "\" needs olpex=");
    olpex = WithoutBackslash(value->second);
    return true;
}

SimMarks CSimDataReader::TakeMarks(const Record& record)
{
    SimMarks marks;
    for (auto mark : {std::make_pair("fail", &marks.fail), std::make_pair("empty", &marks.empty),
                      std::make_pair("shrink", &marks.shrink), std::make_pair("grow", &marks.grow)}) {
        auto value = record.values.find(mark.first);
        if (value != record.values.end())
            *mark.second = SplitList(value->second);
    }
    return marks;
}

bool CSimDataReader::AddOlpex(const Record& record, CSimData& data)
{
    static const char* const keys[] = {"kinds", "access", "uuid", "mounted", "private", nullptr};
    if (!CheckKeys(record, keys))
        return false;
    SimOlpex olpex;
    olpex.tag = record.name;
    olpex.name = record.name[0] == '\\' || record.name[0] == '/' ? record.name.substr(1) : record.name;
    olpex.mounted = record.flags.count("mounted") != 0;
    olpex.isPrivate = record.flags.count("private") != 0;
    olpex.access = record.Value("access", olpex.isPrivate ? "private" : "public");
    olpex.kinds = record.Value("kinds");
    auto value = record.values.find("uuid");
    if (value == record.values.end())
        DeriveUuid(olpex.name, olpex.uuid);
    else if (!ParseUuid(value->second, olpex.uuid))
        return Fail("the uuid needs 32 hexadecimal digits");
    olpex.marks = TakeMarks(record);
    data.olpexes.push_back(olpex);
    return true;
}

bool CSimDataReader::AddObject(const Record& record, SimKind kind, const char* parentKey, CSimData& data)
{
    const char* const keys[] = {"olpex", "display", "istream", parentKey, nullptr};
    if (!CheckKeys(record, keys))
        return false;
    if (kind != SimKind::Project && record.values.count("istream") != 0)
        return Fail("only a project has an integration stream");
    SimObject object;
    object.kind = kind;
    object.name = record.name;
    if (!TakeOlpex(record, object.olpex))
        return false;
    object.display = record.Value("display");
    object.parent = record.Value(parentKey);
    object.integrationStream = record.Value("istream");
    object.marks = TakeMarks(record);
    data.objects.push_back(object);
    return true;
}

bool CSimDataReader::AddType(const Record& record, const std::string& kind, CSimData& data)
{
    static const char* const keys[] = {"olpex", "global", "obsolete", nullptr};
    if (!CheckKeys(record, keys))
        return false;
    SimType type;
    type.kind = kind;
    type.name = record.name;
    if (!TakeOlpex(record, type.olpex))
        return false;
    type.global = record.flags.count("global") != 0;
    type.obsolete = record.flags.count("obsolete") != 0;
    type.marks = TakeMarks(record);
    data.types.push_back(type);
    return true;
}

bool CSimDataReader::AddSettings(const Record& record, CSimData& data)
{
    static const char* const none[] = {nullptr};
    static const char* const registryKeys[] = {"batch", nullptr};
    static const char* const productKeys[] = {"elkv", "comptest", "extendedhelp", "heaparea", nullptr};
    if (record.word == "application" || record.word == "tool") {
        if (!CheckKeys(record, none))
            return false;
        (record.word == "application" ? data.application : data.tool) = TakeMarks(record);
        return true;
    }
    if (record.word == "registry") {
        if (!CheckKeys(record, registryKeys))
            return false;
        data.registry = TakeMarks(record);
        auto batch = record.values.find("batch");
        if (batch != record.values.end())
            data.registryBatch = atoi(batch->second.c_str());
        if (data.registryBatch < 1)
            return Fail("the batch size must be at least 1");
        return true;
    }
    if (!CheckKeys(record, productKeys))
        return false;
    auto flag = [&record](const char* key, bool fallback) { return record.Value(key, fallback ? "1" : "0") != "0"; };
    data.entryLevelEdition = flag("elkv", data.entryLevelEdition);
    data.compTest = flag("comptest", data.compTest);
    data.extendedHelp = flag("extendedhelp", data.extendedHelp);
    data.heapOnlyStorage = flag("heaparea", data.heapOnlyStorage);
    return true;
}

bool CSimDataReader::ReadLine(const std::string& line, CSimData& data)
{
    std::vector<std::string> tokens;
    if (!SplitTokens(line, tokens))
        return false;
    if (tokens.empty() || tokens[0][0] == '#')
        return true;
    Record record;
    if (!ParseRecord(tokens, record))
        return false;
    const std::string& word = record.word;
    if (word == "olpex")
        return AddOlpex(record, data);
    if (word == "folder")
        return AddObject(record, SimKind::Folder, "parent", data);
    if (word == "project")
        return AddObject(record, SimKind::Project, "folder", data);
    if (word == "stream")
        return AddObject(record, SimKind::Stream, "project", data);
    if (word == "activity")
        return AddObject(record, SimKind::Activity, "stream", data);
    if (word == "labeltype" || word == "branchtype" || word == "attributetype" || word == "hyperlinktype" || word == "triggertype")
        return AddType(record, word.substr(0, word.size() - 4), data);
    if (word == "hyperlink") {
        static const char* const keys[] = {"from", "to", nullptr};
        if (!CheckKeys(record, keys))
            return false;
        if (record.values.count("from") == 0 || record.values.count("to") == 0)
            return Fail("a hyperlink needs from= and to=");
        data.hyperlinks.push_back(
            {record.name, WithoutBackslash(record.Value("from")), WithoutBackslash(record.Value("to")), TakeMarks(record)});
        return true;
    }
    if (word == "view") {
        static const char* const keys[] = {"snapshot", nullptr};
        if (!CheckKeys(record, keys))
            return false;
        SimView view{record.name, record.flags.count("snapshot") != 0, TakeMarks(record)};
        while (view.path.size() > 3 && view.path.back() == '\\')
            view.path.pop_back();
        data.views.push_back(view);
        return true;
    }
    if (word == "command") {
        static const char* const keys[] = {"output", nullptr};
        if (!CheckKeys(record, keys))
            return false;
        data.commands.push_back({record.name, UnescapeLineEnds(record.Value("output")), TakeMarks(record)});
        return true;
    }
    if (word == "application" || word == "tool" || word == "registry" || word == "product")
        return AddSettings(record, data);
    return Fail("unknown record \"" + word + "\"");
}
