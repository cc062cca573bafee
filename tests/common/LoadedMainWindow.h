#pragma once
#include "app/frmMain.h"
#include "tests/common/FixtureCatalogue.h"

#include <gtest/gtest.h>

#include <QTest>

// A test fixture with the main window started on the fixture catalogue, as a
// user sees it after start-up.
class LoadedMainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        main = new frmMain;
        main->Load();
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    }
    // Child and owned windows close with the main window.
    void TearDown() override { delete main; }

    FixtureApplication app;
    frmMain *main = nullptr;
};
