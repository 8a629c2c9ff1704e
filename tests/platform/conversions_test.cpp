// Number reading and money arithmetic: what the player types and what files hold.
#include "platform/conversions.h"
#include "support/test_main.h"

#include <QTest>
#include <limits>

using platform::Money;

class ConversionsTest : public QObject {
    Q_OBJECT
private slots:
    void halfToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");
        QTest::newRow("127.5 up to even") << 127.5 << 128.0;
        QTest::newRow("76.5 down to even") << 76.5 << 76.0;
        QTest::newRow("0.5 to 0") << 0.5 << 0.0;
        QTest::newRow("1.5 to 2") << 1.5 << 2.0;
        QTest::newRow("-2.5 to -2") << -2.5 << -2.0;
        QTest::newRow("-3.5 to -4") << -3.5 << -4.0;
        QTest::newRow("below half") << 12.49 << 12.0;
        QTest::newRow("above half") << 12.51 << 13.0;
        QTest::newRow("interest on 500") << 500.0 / 100 * 25.5 << 128.0;
        QTest::newRow("interest on 300") << 300.0 / 100 * 25.5 << 76.0;
    }
    void halfToEven()
    {
        QFETCH(double, value);
        QFETCH(double, rounded);
        QCOMPARE(platform::roundHalfEven(value), rounded);
    }

    void wholeNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("value");
        QTest::newRow("digits") << "500" << true << 500.0;
        QTest::newRow("blanks around") << " 50 " << true << 50.0;
        QTest::newRow("number line") << " 1 " << true << 1.0;
        QTest::newRow("negative") << "-5" << true << -5.0;
        QTest::newRow("minus zero") << "-0" << true << 0.0;
        QTest::newRow("plus sign") << "+7" << true << 7.0;
        QTest::newRow("fraction rounds to even") << "76.5" << true << 76.0;
        QTest::newRow("leading point") << ".5" << true << 0.0;
        QTest::newRow("exponent") << "1e3" << true << 1000.0;
        QTest::newRow("huge") << "99999999999" << true << 99999999999.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("blank") << "   " << false << 0.0;
        QTest::newRow("letters") << "Enter Your Stake......" << false << 0.0;
        QTest::newRow("digits then letters") << "50abc" << false << 0.0;
        QTest::newRow("letters then digits") << "abc50" << false << 0.0;
        QTest::newRow("separator") << "10,000" << false << 0.0;
        QTest::newRow("currency sign") << "£50" << false << 0.0;
        QTest::newRow("two points") << "1.2.3" << false << 0.0;
        QTest::newRow("infinite") << "1e999" << false << 0.0;
        QTest::newRow("inf word") << "inf" << false << 0.0;
        QTest::newRow("nan word") << "nan" << false << 0.0;
        QTest::newRow("ten thousand digits") << QString(10000, QLatin1Char('9')) << false << 0.0;
    }
    void wholeNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(double, value);
        const auto number = platform::wholeNumber(text);
        QCOMPARE(number.has_value(), isNumber);
        if (isNumber)
            QCOMPARE(*number, value);
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("digits then letters") << "50abc" << 50.0;
        QTest::newRow("blank first") << "  12 horses" << 12.0;
        QTest::newRow("letters first") << "abc50" << 0.0;
        QTest::newRow("half to even") << "2.5kg" << 2.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("sign only") << "-" << 0.0;
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(platform::leadingNumber(text), value);
    }

    void readMoney_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("value");
        const int ok = int(platform::MoneyStatus::Ok), nan = int(platform::MoneyStatus::NotANumber),
                  out = int(platform::MoneyStatus::OutOfRange);
        QTest::newRow("plain") << "500" << ok << 500;
        QTest::newRow("largest") << "2147483647" << ok << std::numeric_limits<int>::max();
        QTest::newRow("smallest") << "-2147483648" << ok << std::numeric_limits<int>::min();
        QTest::newRow("one past largest") << "2147483648" << out << 0;
        QTest::newRow("one past smallest") << "-2147483649" << out << 0;
        QTest::newRow("half rounds into range") << "2147483646.5" << ok << 2147483646;
        QTest::newRow("huge") << "99999999999" << out << 0;
        QTest::newRow("text") << "Enter Amount" << nan << 0;
    }
    void readMoney()
    {
        QFETCH(QString, text);
        QFETCH(int, status);
        QFETCH(int, value);
        const platform::MoneyRead read = platform::readMoney(text);
        QCOMPARE(int(read.status), status);
        QCOMPARE(read.value, value);
        QCOMPARE(platform::moneyOrZero(text), value);
    }

    void checkedSums()
    {
        constexpr Money top = std::numeric_limits<Money>::max();
        constexpr Money bottom = std::numeric_limits<Money>::min();
        QCOMPARE(platform::checkedAdd(500, 2000).value(), 2500);
        QVERIFY(!platform::checkedAdd(top, 1).has_value());
        QVERIFY(!platform::checkedSub(bottom, 1).has_value());
        QCOMPARE(platform::checkedSub(0, top).value(), -top);
        QCOMPARE(platform::checkedAdd(top - 20000, 20000).value(), top);
    }

    void heldSums()
    {
        constexpr Money top = std::numeric_limits<Money>::max();
        constexpr Money bottom = std::numeric_limits<Money>::min();
        bool held = false;
        QCOMPARE(platform::heldAdd(100, 200, &held), 300);
        QVERIFY(!held);
        QCOMPARE(platform::heldAdd(top, 10000, &held), top);
        QVERIFY(held);
        held = false;
        QCOMPARE(platform::heldSub(bottom + 5, 30000, &held), bottom);
        QVERIFY(held);
        held = false;
        QCOMPARE(platform::heldMoney(1e12, &held), top);
        QVERIFY(held);
        // A held flag once set stays set: a settlement can say so once at its end.
        QCOMPARE(platform::heldAdd(1, 1, &held), 2);
        QVERIFY(held);
    }

    void moneyTextIsPlainDigits()
    {
        QCOMPARE(platform::moneyText(-500), QStringLiteral("-500"));
        QCOMPARE(platform::moneyText(100000), QStringLiteral("100000"));
    }
};
PADDOX_TEST(ConversionsTest)

#include "conversions_test.moc"
