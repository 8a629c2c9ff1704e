#pragma once
// Several Qt Test classes in one test program: each registers itself with
// PADDOX_TEST(Class), and the programs' main runs them all.
#include <QApplication>
#include <QList>
#include <QTest>
#include <functional>

namespace testing {
using TestFactory = std::function<QObject *()>;
QList<TestFactory> &registeredTests();
struct TestRegistration {
    explicit TestRegistration(TestFactory factory) { registeredTests().append(std::move(factory)); }
};
}  // namespace testing

#define PADDOX_TEST(Class) \
    static const testing::TestRegistration registration_##Class([] { return static_cast<QObject *>(new Class); });
