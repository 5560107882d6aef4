// A demo back end per test, on a free loopback port, with the city's clock
// fixed at 2026-12-11 08:30:00 (a Friday morning with every line running).
#pragma once

#include "DemoServer.h"
#include "support/SoapTestClient.h"

#include <gtest/gtest.h>

#include <memory>

namespace tansu::demo::test {

class ServerFixture : public ::testing::Test {
protected:
    void SetUp() override {
        DemoServerOptions options;
        options.clock = "2026-12-11 08:30:00";
        server = std::make_unique<DemoServer>(options);
        ASSERT_TRUE(server->start()) << server->error();
    }

    // Calls an action on the official endpoint and expects an answer with a fragment.
    Fragment call(const std::string& action, const Parameters& parameters = {}) {
        SoapResult result = SoapTestClient(server->port()).call(action, parameters);
        EXPECT_EQ(result.status, 200) << result.body;
        EXPECT_TRUE(result.fragment.has_value()) << result.body;
        return result.fragment.value_or(Fragment{});
    }

    std::unique_ptr<DemoServer> server;
};

} // namespace tansu::demo::test
