#include "support/test_main.h"

#include <QStandardPaths>
#include <memory>

namespace testing {

QList<TestFactory> &registeredTests()
{
    static QList<TestFactory> tests;
    return tests;
}

int runRegisteredTests(int argc, char **argv)
{
    // Settings and other per-user files go to a test folder, never the real user's.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    int failures = 0;
    for (const TestFactory &factory : registeredTests()) {
        std::unique_ptr<QObject> test(factory());
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace testing

// The test programs' main: every registered class in turn.
int main(int argc, char **argv) { return testing::runRegisteredTests(argc, argv); }
