// A printer of the test prefix with no daemon behind it: Wine's PostScript
// driver writes each job into a file, complete once EndDoc returns. The pages
// of such a file are read back as text by the host's ghostscript.
#pragma once
#include <string>
#include <vector>

namespace TestPrinter {

// Adds the printer `name` printing into the Windows path `portFile` (or points
// it there again) and makes it the default printer; false when that failed.
bool Install(const std::string& name, const std::string& portFile);

// One text per page of a PostScript file. With positions, each run of text is
// a <span> whose "bbox" gives its left, top, right and bottom in points.
std::vector<std::string> ReadPages(const std::string& postScriptFile, bool withPositions = false);

}
