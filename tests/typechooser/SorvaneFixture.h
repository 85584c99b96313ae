// Base of Sorvane's tests: the library registered from the test program's
// folder, the simulated product with a view "bob" of its repositories, the
// boxes shown, and hosts of the control.
#pragma once
#include "tests/support/ProductViews.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/HostedControlTest.h"
#include <gtest/gtest.h>
#include <Sorvane.h>
#include <memory>
#include <string>

extern const char kSorvaneClsid[];
extern const char kSorvaneData[];

// The library as the test program loaded it, registered once per process.
HMODULE SorvaneLibrary();
// What the library's DllCanUnloadNow answers.
HRESULT SorvaneCanUnloadNow();

class SorvaneTest : public HostedControlTest {
protected:
    SorvaneTest();

    // The data of the view with each line of `records` replaced or added.
    void UseData(const std::string& records);
    // A path in the view, inside the repository `tag`.
    std::string PathIn(const std::string& tag) const { return m_view + "\\" + tag + "\\src\\main.c"; }
    // A hosted control given the selector, the value and the kind, in that order.
    std::unique_ptr<ControlHost> Choose(const std::string& selector, const std::string& value, long kind)
    {
        return Host({ selector.c_str(), value.c_str(), kind });
    }

    ProductViews m_views;
    ScratchFolder m_folder{"views"};
    std::string m_view;
};
