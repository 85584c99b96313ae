// For test programs: gives the simulated product a data file of the test's
// own, and registers the QEL server that korvast_product_runtime put beside
// the test program. The server and the libraries read the file named by the
// environment variable KORVAST_SIM_DATA, which this sets for the process.
#pragma once
#include <string>

class CSimTestData {
public:
    // Writes the text to a new data file of this process and makes it the
    // one the product reads; returns the file's path.
    static std::string Use(const std::string& text);
    // Registers KorvastQel.dll from the test program's folder; true on success.
    static bool RegisterServer();
    // Once per process: joins this thread to an apartment and registers the
    // server, for tests whose cached Application object outlives each test.
    static void StartServerOnce();
    // The data `base` with each line of `records` in place of the base line of
    // the same record word and name, or added at the end when there is none.
    static std::string WithRecords(const std::string& base, const std::string& records);
};
