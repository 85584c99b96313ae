// Report programs that show what they were given: one row "NAME;value" for
// every argument, in the order received.
#pragma once

// Prints the header (its description, id and parameters lines, then the
// fields of these rows) for "-i", else the rows; the program's exit code.
int PrintArgumentRows(int argc, char** argv, const char* headerWithoutFields);
