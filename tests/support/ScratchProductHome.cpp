#include "tests/support/ScratchProductHome.h"
#include "envlib/ProductEnv.h"
#include "tests/support/RegistryText.h"
#include <gtest/gtest.h>

ScratchProductHome::ScratchProductHome() : m_settings(HKEY_LOCAL_MACHINE, kProductVersionKey)
{
    const std::string home = m_home.Path().substr(0, m_home.Path().size() - 1);
    EXPECT_TRUE(SetRegistryText(HKEY_LOCAL_MACHINE, kProductVersionKey, "ProductHome", home)) << home;
}
