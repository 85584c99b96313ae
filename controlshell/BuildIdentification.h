// The build identification line of a control library: its module name in a
// column of 33, the version, and the build date in the form
// "Fri Oct 30 21:20:58 2015".
#pragma once
#include <cstddef>

// Prints the line through the maker's message printer; its result.
int PrintBuildIdentification(const char* module);
// Writes the same line into the buffer, cut to fit its size; the line's full length.
int FormatBuildIdentification(char* buffer, size_t size, const char* module);
