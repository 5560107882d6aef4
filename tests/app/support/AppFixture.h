// A running client against its own demo back end: the test driver (manual
// clock, empty window), an in-process demo server with a fixed clock, the
// configuration pointed at it, and a fresh data folder state.
#pragma once

#include "Classes/OrvelaAppDelegate.h"
#include "Classes/RootViewController.h"
#include "DemoServer.h"
#include "Helper/Common/AppConfig.h"
#include "Helper/WebService/WebURL.h"
#include "platform/Http.h"
#include "platform/Paths.h"
#include "platform/ui/PhoneWindow.h"
#include "platform/ui/TestDriver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

class AppFixture : public testing::Test {
protected:
    void SetUp() override {
        setWebURLString("");
        std::error_code ec;
        std::filesystem::remove_all(platform::documentsDirectory(), ec);
        tansu::demo::DemoServerOptions options;
        options.clock = "2026-12-11 08:30:00";
        server = std::make_unique<tansu::demo::DemoServer>(options);
        ASSERT_TRUE(server->start()) << server->error();
        AppConfig::shared().useServer(server->baseUrl());
    }

    void TearDown() override {
        app.reset();
        setWebURLString("");
        platform::httpCloseIdleConnections();
        driver.runUntilIdle();
        server->stop();
    }

    // Starts the client and waits until a server is chosen.
    void launch() {
        app = std::make_unique<OrvelaAppDelegate>(&platform::ui::PhoneWindow::instance());
        app->applicationDidFinishLaunchingWithOptions();
        ASSERT_TRUE(driver.runUntil([] { return !WebURLString().empty(); }));
    }

    RootViewController& root() { return *app->rootViewController; }

    platform::ui::TestDriver driver;
    std::unique_ptr<tansu::demo::DemoServer> server;
    std::unique_ptr<OrvelaAppDelegate> app;
};
