// The program's build identification line: name, version and build time,
// printed to the product's message channel or formatted into a buffer.
#pragma once

void PrintBuildIdentification();
// The buffer must hold the line: 33 characters, the version and the time.
void FormatBuildIdentification(char* buffer);
