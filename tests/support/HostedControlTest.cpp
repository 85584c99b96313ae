#include "tests/support/HostedControlTest.h"

std::unique_ptr<ControlHost> HostedControlTest::Host(std::initializer_list<_variant_t> properties)
{
    auto host = std::make_unique<ControlHost>(m_clsid, m_width, m_height);
    if (!host->Control()) {
        ADD_FAILURE() << "the host made no control";
        return host;
    }
    DISPID id = 1;
    for (const _variant_t& value : properties) {
        EXPECT_EQ(S_OK, host->Put(id, value)) << "property " << id;
        ++id;
    }
    return host;
}
