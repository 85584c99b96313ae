// The simulated product for one test: its automation server registered and
// started in this process, reading a data file of the test's own.
#pragma once
#include <string>

class SimulatedProduct {
public:
    // Starts with the given data (format: productsim/README.md).
    explicit SimulatedProduct(const std::string& data);
    ~SimulatedProduct();
    SimulatedProduct(const SimulatedProduct&) = delete;
    SimulatedProduct& operator=(const SimulatedProduct&) = delete;

    // Rewrites the data file; the product reads it again at its next call.
    void SetData(const std::string& data);

private:
    std::string m_dataFile;
};

// The data `base` with each line of `records` in place of the base line of the
// same record word and name, or added at the end when there is none.
std::string WithRecords(const std::string& base, const std::string& records);
