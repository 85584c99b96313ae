// Path conversions between this Wine prefix and the host, through the
// functions that Wine's kernel32 exports. Empty results when not under Wine.
#pragma once
#include <string>

class CUnixPaths {
public:
    static bool UnderWine();
    static std::string ToUnix(const std::string& windowsPath);
    static std::string ToWindows(const std::string& unixPath);
    // "C=/home/u/.wine/drive_c;Z=/": the host folder of every drive letter.
    static std::string DriveMap();
};
