// Base of the tests of a control hosted as the builder hosts it: hosts of the
// control given its properties, and the boxes it shows. Every box is
// answered; one that the test did not take with NewBoxes fails it.
#pragma once
#include "tests/support/ControlHost.h"
#include "tests/support/MessageBoxWatcher.h"
#include <gtest/gtest.h>
#include <comutil.h>
#include <initializer_list>
#include <memory>
#include <vector>

class HostedControlTest : public testing::Test {
protected:
    // Hosts of the control of the CLSID ("{...}") at the given client size.
    HostedControlTest(const char* clsid, int width, int height) : m_clsid(clsid), m_width(width), m_height(height) {}

    // A hosted control given `properties` in the order of their dispatch ids, from 1.
    std::unique_ptr<ControlHost> Host(std::initializer_list<_variant_t> properties);
    // The boxes shown since the last call, once there are `count` of them or the time is up.
    std::vector<RecordedBox> NewBoxes(size_t count) { return m_boxes.NewBoxes(count); }

private:
    const char* m_clsid;
    int m_width;
    int m_height;
    AwaitedBoxes m_boxes;
};
