#pragma once
#include "tests/common/Files.h"

#include <gtest/gtest.h>

// Compares what a test made with the approved copy in `file`; with
// SILVARIA_UPDATE_APPROVED set the copy is rewritten first (after a deliberate change).
inline void ExpectApproved(const QString &file, const QByteArray &made)
{
    if (qEnvironmentVariableIsSet("SILVARIA_UPDATE_APPROVED"))
        WriteFile(file, made);
    EXPECT_TRUE(made == ReadFile(file)) << file.toStdString() << " differs:\n" << made.left(2000).toStdString();
}
