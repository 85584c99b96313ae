// Report program: the lines of the files under the chosen view folders that
// contain a text.
#include "productsim/reports/exe/ReportArguments.h"
#include <windows.h>
#include <stdio.h>
#include <fstream>
#include <string>

namespace {

void SearchFile(const std::string& path, const std::string& wanted)
{
    std::ifstream file(path, std::ios::binary);
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (line.find(wanted) == std::string::npos)
            continue;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        for (char& c : line) {
            if (c == ';')
                c = ',';
        }
        printf("%s;%d;%s\n", path.c_str(), number, line.c_str());
    }
}

void SearchFolder(const std::string& folder, const std::string& wanted)
{
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        std::string name = entry.cFileName;
        if (name == "." || name == "..")
            continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            SearchFolder(folder + "\\" + name, wanted);
        else
            SearchFile(folder + "\\" + name, wanted);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}

}

int main(int argc, char** argv)
{
    CReportArguments arguments(argc, argv);
    if (arguments.IsInfoQuery()) {
        printf("description: \"Find a text in files\"\n"
               "id: 103\n"
               "parameters: LOOKIN STRING\n"
               "rightclick: Save_Selection(single, multiple)\n"
               "fields: \"File\"(gpath, rightclick, sort 1) \"Line\"(Integer, sort 2, initial_width 6) \"Text\"(string)\n");
        return 0;
    }
    std::string wanted = arguments.Value("STRING");
    if (wanted.empty()) {
        fprintf(stderr, "Enter the text to find.\n");
        return 1;
    }
    for (std::string folder : arguments.Paths("LOOKIN")) {
        while (folder.size() > 3 && folder.back() == '\\')
            folder.pop_back();
        if (GetFileAttributesA(folder.c_str()) == INVALID_FILE_ATTRIBUTES)
            fprintf(stderr, "No such folder: %s\n", folder.c_str());
        else
            SearchFolder(folder, wanted);
    }
    return 0;
}
