// Base of the tests of queries over the simulated product: the product with
// a small process repository, the boxes shown, and a CProductEnv.
#pragma once
#include "tests/envlib/BstrText.h"
#include "tests/support/MessageBoxWatcher.h"
#include "envlib/ProductEnv.h"
#include "envlib/QelErrors.h"
#include "productsim/testing/SimTestData.h"
#include <gtest/gtest.h>
#include <string>

extern const char kProcessData[];

class ProductQueryTest : public testing::Test {
protected:
    ProductQueryTest()
    {
        CSimTestData::Use(kProcessData);
        CSimTestData::StartServerOnce();
    }
    // The process data with the records of `records` replaced or added.
    void UseData(const std::string& records) { CSimTestData::Use(CSimTestData::WithRecords(kProcessData, records)); }
    // Exactly one automation-error box since the last check, whose code is `code`.
    void ExpectOneComErrorBox(const std::string& code);
    // No box since the last check, within a moment.
    void ExpectNoBox();
    // The boxes shown since the last check, once there are `count` of them or the time is up.
    std::vector<RecordedBox> NewBoxes(size_t count);

    AwaitedBoxes watcher;
    CProductEnv env;
};
