#include "support/test_main.h"

#include <QStandardPaths>
#include <memory>

namespace testing {

QList<TestFactory> &registeredTests()
{
    static QList<TestFactory> tests;
    return tests;
}

}  // namespace testing

// The test programs' main: every registered class in turn.
int main(int argc, char **argv)
{
    // Settings and other per-user files go to a test folder, never the real user's.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    int failures = 0;
    for (const testing::TestFactory &factory : testing::registeredTests())
        failures += QTest::qExec(std::unique_ptr<QObject>(factory()).get(), argc, argv);
    return failures == 0 ? 0 : 1;
}
