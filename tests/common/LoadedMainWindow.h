#pragma once
#include "app/frmMain.h"
#include "tests/common/FixtureCatalogue.h"

#include <gtest/gtest.h>

#include <QTest>

// A test fixture with the main window started on the fixture catalogue (plus
// any extra rows), as a user sees it after start-up.
class LoadedMainWindow : public ::testing::Test {
protected:
    explicit LoadedMainWindow(const QString &extraSql = QString()) : app(extraSql) {}
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
