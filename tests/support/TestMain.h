#pragma once

#include "TestEnvironment.h"

#include <QTest>

// Test entry points that isolate the process first (see TestEnvironment.h).
#define VELLUMRY_TEST_MAIN_WITH(AppClass, TestObject)                                                              \
    int main(int argc, char** argv)                                                                                \
    {                                                                                                              \
        prepareTestEnvironment();                                                                                  \
        AppClass app(argc, argv);                                                                                  \
        TestObject test;                                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                 \
        return QTest::qExec(&test, argc, argv);                                                                    \
    }

// For widget tests.
#define VELLUMRY_TEST_MAIN(TestObject) VELLUMRY_TEST_MAIN_WITH(QApplication, TestObject)
// For tests without widgets.
#define VELLUMRY_TEST_GUILESS_MAIN(TestObject) VELLUMRY_TEST_MAIN_WITH(QCoreApplication, TestObject)
