// Binding the host table: every name, in look-up order, or nothing usable.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "host/host_functions.h"

namespace stelmarin::host {
namespace {

int FilledEntries(const HostFunctionTable &table) {
    int filled = 0;
#define COUNT_TYPED(ret, name, params, args) filled += table.name != nullptr;
#define COUNT_UNTYPED(name) filled += table.name.address != nullptr;
#define COUNT_AGAIN(name)
    STELMARIN_HOST_FUNCTIONS(COUNT_TYPED, COUNT_UNTYPED, COUNT_AGAIN)
#undef COUNT_TYPED
#undef COUNT_UNTYPED
#undef COUNT_AGAIN
    return filled;
}

TEST(HostBinding, ACompleteHostModuleFillsEveryEntry) {
    HostFunctionTable table;
    EXPECT_EQ(BindHostFunctions(SIMHOST_HOST_DETACHED, table), 1);
    EXPECT_EQ(FilledEntries(table), 177);
}

TEST(HostBinding, AHostLackingTheLastNameIsRefusedWithTheEarlierEntriesFilled) {
    HostFunctionTable table;
    EXPECT_EQ(BindHostFunctions(SIMHOST_HOST_NOCANVAS, table), 0);
    EXPECT_EQ(FilledEntries(table), 176);
    EXPECT_EQ(table.MQCanvas_Value.address, nullptr);
    EXPECT_NE(table.MQWidget_Value, nullptr);
}

TEST(HostBinding, AModuleThatCannotBeLoadedLeavesTheTableAsItWas) {
    HostFunctionTable table;
    EXPECT_EQ(BindHostFunctions("/nonexistent/host-module.so", table), 0);
    EXPECT_EQ(BindHostFunctions(nullptr, table), 0);
    EXPECT_EQ(FilledEntries(table), 0);
}

TEST(HostBinding, TheNameListHoldsEachNameOnce) {
    std::set<std::string> names;
    int typed = 0;
    for (const auto &info : kHostFunctions) {
        names.insert(info.name);
        typed += info.typed;
    }
    EXPECT_EQ(names.size(), 177u);
    EXPECT_EQ(typed, 17);
}

TEST(VersionCheck, AcceptsFromTheMinimumOnWithAnUnsignedComparison) {
    EXPECT_EQ(CheckHostVersion(kMinimumHostVersion), kPluginInterfaceVersion);
    EXPECT_EQ(CheckHostVersion(kMinimumHostVersion - 1), 0u);
    EXPECT_EQ(CheckHostVersion(0xFFFFFFFFu), kPluginInterfaceVersion);
    EXPECT_EQ(CheckHostVersion(kPluginInterfaceVersion), 0u) << "the answer is not the threshold";
    EXPECT_EQ(CheckHostVersion(0), 0u);
}

}  // namespace
}  // namespace stelmarin::host
