// The race card's rules: countries and currency signs, jockeys, odds, the stake checks,
// promised winnings, the wizard's stake picker, prepared horse names, and the office's files.
#include "office/office_files.h"
#include "office/race_card.h"
#include "platform/program.h"
#include "support/scripted_random.h"
#include "support/test_installation.h"
#include "support/test_main.h"

#include <QTest>

#include <limits>

using office::StakeOutcome;
using office::WizardStake;

Q_DECLARE_METATYPE(StakeOutcome)
Q_DECLARE_METATYPE(WizardStake)

class RaceCardTest : public QObject {
    Q_OBJECT
private slots:
    void countryTable_data()
    {
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("sign");
        const char *rows[][2] = {
            {"United Kingdom", "£"}, {"Austria", "€"}, {"Belgium", "€"}, {"Denmark", "€"},
            {"Eire", "$"}, {"Finland", "€"}, {"France", "€"}, {"Germany", "€"},
            {"Greece", "€"}, {"Italy", "€"}, {"Luxembourg", "€"}, {"Netherlands", "€"},
            {"N Ireland", "£"}, {"Africa", "$"}, {"Portgual", "€"}, {"Russia", "$"},
            {"Spain", "€"}, {"Sweden", "€"}, {"Switzerland", "€"}, {"Other Parts Of Europe", "$"},
            {"South America", "$"}, {"Canada", "$"}, {"China", "$"}, {"Japan", "$"},
            {"S Koera", "$"}, {"Other Parts Of Asia", "$"}, {"Australlia", "$"}, {"New Zealand", "$"},
            {"United States Of America", "$"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1]);
    }
    void countryTable()
    {
        QFETCH(QString, country);
        QFETCH(QString, sign);
        QCOMPARE(office::currencySignFor(country).value_or(QStringLiteral("none")), sign);
    }

    void unknownCountries_data()
    {
        QTest::addColumn<QString>("country");
        QTest::newRow("lower case") << QStringLiteral("eire");
        QTest::newRow("leading blank") << QStringLiteral(" Eire");
        QTest::newRow("corrected spelling") << QStringLiteral("Portugal");
        QTest::newRow("empty") << QString();
        QTest::newRow("select country") << QStringLiteral("Select Country");
    }
    void unknownCountries()
    {
        QFETCH(QString, country);
        QVERIFY(!office::currencySignFor(country));
        QCOMPARE(office::defaultCurrencySign(), QStringLiteral("£"));
    }

    void jockeyRotation_data()
    {
        QTest::addColumn<double>("rnd");
        QTest::addColumn<QStringList>("jockeys");
        const QStringList inOrder = {"Dusty Calloway", "Hank Marlowe", "Slim Tolliver", "Jed Harrow", "Amos Fairweather"};
        const QStringList fromHorse2 = {"Amos Fairweather", "Dusty Calloway", "Hank Marlowe", "Slim Tolliver", "Jed Harrow"};
        const QStringList fromHorse3 = {"Jed Harrow", "Amos Fairweather", "Dusty Calloway", "Hank Marlowe", "Slim Tolliver"};
        QTest::newRow("0.0 gives 0") << 0.0 << inOrder;
        QTest::newRow("0.49 gives 1") << 0.49 << inOrder;
        QTest::newRow("0.5 gives 2") << 0.5 << fromHorse2;
        QTest::newRow("0.74 gives 2") << 0.74 << fromHorse2;
        QTest::newRow("0.75 gives 3") << 0.75 << fromHorse3;
        QTest::newRow("just below 1 gives 3") << 0.99999994 << fromHorse3;
    }
    void jockeyRotation()
    {
        QFETCH(double, rnd);
        QFETCH(QStringList, jockeys);
        testing::ScriptedRandom random;
        random.push(rnd);
        const auto dealt = office::dealJockeys(office::drawJockeyRotation());
        QCOMPARE(QStringList(dealt.begin(), dealt.end()), jockeys);
    }

    void oddsAtTheEdgesOfTheDraw()
    {
        testing::ScriptedRandom random;
        for (int i = 0; i < 5; ++i)
            random.push(0.0);
        for (int i = 0; i < 5; ++i)
            random.push(0.99999994);  // the largest single-precision value below 1
        QCOMPARE(office::drawOdds(), (std::array<int, 5>{1, 1, 1, 1, 1}));
        QCOMPARE(office::drawOdds(), (std::array<int, 5>{15, 25, 45, 75, 100}));
    }

    void oddsRangesOverManyDraws()
    {
        std::array<int, 5> lowest{1000, 1000, 1000, 1000, 1000}, highest{};
        for (int round = 0; round < 20000; ++round) {
            const auto odds = office::drawOdds();
            for (int i = 0; i < 5; ++i) {
                QVERIFY2(odds[i] >= 1 && odds[i] <= office::oddsTop[i],
                         qPrintable(QStringLiteral("horse %1 drew %2").arg(i + 1).arg(odds[i])));
                lowest[i] = std::min(lowest[i], odds[i]);
                highest[i] = std::max(highest[i], odds[i]);
            }
        }
        QCOMPARE(lowest, (std::array<int, 5>{1, 1, 1, 1, 1}));
        QCOMPARE(highest, (std::array<int, 5>{15, 25, 45, 75, 100}));
    }

    void stakeChecks_data()
    {
        QTest::addColumn<QString>("stake");
        QTest::addColumn<QString>("cash");
        QTest::addColumn<StakeOutcome>("outcome");
        QTest::addColumn<int>("accepted");
        QTest::addColumn<QString>("message");
        const QString over = QStringLiteral(" The bet is over £800 ");
        const QString poor = QStringLiteral("you dont have enough cash, please try again");
        const QString none = QStringLiteral("Please enter the amount you wish to bet");
        QTest::newRow("800 with 1000") << "800" << "1000" << StakeOutcome::Accepted << 800
                                       << "You are placing £800 on this next race";
        QTest::newRow("801 with 1000") << "801" << "1000" << StakeOutcome::OverLimit << 0 << over;
        QTest::newRow("800 with 800") << "800" << "800" << StakeOutcome::NotEnoughCash << 0 << poor;
        QTest::newRow("800 with 801") << "800" << "801" << StakeOutcome::Accepted << 800
                                      << "You are placing £800 on this next race";
        QTest::newRow("499 with 500") << "499" << "500" << StakeOutcome::Accepted << 499
                                      << "You are placing £499 on this next race";
        QTest::newRow("500 with 500") << "500" << "500" << StakeOutcome::NotEnoughCash << 0 << poor;
        QTest::newRow("0") << "0" << "500" << StakeOutcome::NoStake << 0 << none;
        QTest::newRow("-5") << "-5" << "500" << StakeOutcome::NoStake << 0 << none;
        QTest::newRow("prompt text") << "Enter Your Stake......" << "500" << StakeOutcome::NoStake << 0 << none;
        QTest::newRow("over 800 comes first") << "900" << "100" << StakeOutcome::OverLimit << 0 << over;
        QTest::newRow("cash before the lower bound") << "0" << "0" << StakeOutcome::NotEnoughCash << 0 << poor;
        QTest::newRow("negative cash") << "50" << "-100" << StakeOutcome::NotEnoughCash << 0 << poor;
        QTest::newRow("half to even down") << "76.5" << "500" << StakeOutcome::Accepted << 76
                                           << "You are placing £76 on this next race";
        QTest::newRow("half to even up") << "127.5" << "500" << StakeOutcome::Accepted << 128
                                         << "You are placing £128 on this next race";
        QTest::newRow("800.5 rounds to 800") << "800.5" << "1000" << StakeOutcome::Accepted << 800
                                             << "You are placing £800 on this next race";
        QTest::newRow("800.6 rounds to 801") << "800.6" << "1000" << StakeOutcome::OverLimit << 0 << over;
        QTest::newRow("0.4 rounds to 0") << "0.4" << "500" << StakeOutcome::NoStake << 0 << none;
        // Hostile texts: one of the four outcomes, never a wrapped number.
        QTest::newRow("too large for 32 bits") << "99999999999" << "500" << StakeOutcome::OverLimit << 0 << over;
        QTest::newRow("2^32 + 50") << "4294967346" << "1000" << StakeOutcome::OverLimit << 0 << over;
        QTest::newRow("too large for a double") << "1e400" << "500" << StakeOutcome::OverLimit << 0 << over;
        QTest::newRow("10,000 nines") << QString(10000, QLatin1Char('9')) << "500" << StakeOutcome::OverLimit << 0 << over;
        QTest::newRow("10,000 letters") << QString(10000, QLatin1Char('x')) << "500" << StakeOutcome::NoStake << 0 << none;
        QTest::newRow("huge negative") << "-99999999999" << "500" << StakeOutcome::NoStake << 0 << none;
        QTest::newRow("minus zero") << "-0" << "500" << StakeOutcome::NoStake << 0 << none;
        QTest::newRow("blanks around") << " 50 " << "500" << StakeOutcome::Accepted << 50
                                       << "You are placing £50 on this next race";
        QTest::newRow("letters and digits") << "50abc" << "500" << StakeOutcome::NoStake << 0 << none;
        QTest::newRow("digits after letters") << "abc50" << "500" << StakeOutcome::NoStake << 0 << none;
        QTest::newRow("thousands separator") << "1,000" << "5000" << StakeOutcome::NoStake << 0 << none;
        QTest::newRow("empty") << "" << "500" << StakeOutcome::NoStake << 0 << none;
        QTest::newRow("cash not a number") << "50" << "lots" << StakeOutcome::NotEnoughCash << 0 << poor;
        QTest::newRow("cash past 32 bits") << "50" << "99999999999" << StakeOutcome::NotEnoughCash << 0 << poor;
        QTest::newRow("cash with blanks") << "50" << " 500 " << StakeOutcome::Accepted << 50
                                          << "You are placing £50 on this next race";
    }
    void stakeChecks()
    {
        QFETCH(QString, stake);
        QFETCH(QString, cash);
        QFETCH(StakeOutcome, outcome);
        QFETCH(int, accepted);
        QFETCH(QString, message);
        const office::StakeCheck check = office::checkStake(stake, cash);
        QCOMPARE(check.outcome, outcome);
        if (outcome == StakeOutcome::Accepted)
            QCOMPARE(check.stake, accepted);
        QCOMPARE(office::stakeMessage(check, QStringLiteral("£")), message);
    }

    void messagesCarryTheCountrysSign()
    {
        office::StakeCheck over;
        over.outcome = StakeOutcome::OverLimit;
        QCOMPARE(office::stakeMessage(over, QStringLiteral("€")), QStringLiteral(" The bet is over €800 "));
    }

    void oddsCaptions()
    {
        QCOMPARE(office::oddsValue(QStringLiteral("45")), 45);
        QCOMPARE(office::oddsValue(QString()), 0);
        QCOMPARE(office::oddsValue(QStringLiteral("n/a")), 0);
    }

    void wizardPicker_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<WizardStake>("outcome");
        QTest::addColumn<QString>("message");
        QTest::newRow("Select Your Stake") << "Select Your Stake" << WizardStake::NotChosen << "Please Select A Stake";
        QTest::newRow("initial text") << "Enter Your Stake......" << WizardStake::NotChosen << "Please Select A Stake";
        QTest::newRow("letters") << "fifty" << WizardStake::NotChosen << "Please Select A Stake";
        QTest::newRow("empty") << "" << WizardStake::NotChosen << "Please Select A Stake";
        QTest::newRow("900") << "900" << WizardStake::TooLarge << "Please enter a stake less than 800";
        QTest::newRow("801") << "801" << WizardStake::TooLarge << "Please enter a stake less than 800";
        QTest::newRow("huge") << "99999999999" << WizardStake::TooLarge << "Please enter a stake less than 800";
        QTest::newRow("800") << "800" << WizardStake::Accepted << "";
        QTest::newRow("800.6 is below 801") << "800.6" << WizardStake::Accepted << "";
        QTest::newRow("801.0") << "801.0" << WizardStake::TooLarge << "Please enter a stake less than 800";
        QTest::newRow("50") << "50" << WizardStake::Accepted << "";
        QTest::newRow("-5 goes on to the checks") << "-5" << WizardStake::Accepted << "";
    }
    void wizardPicker()
    {
        QFETCH(QString, text);
        QFETCH(WizardStake, outcome);
        QFETCH(QString, message);
        QCOMPARE(office::checkWizardStake(text), outcome);
        if (outcome != WizardStake::Accepted)
            QCOMPARE(office::wizardStakeMessage(outcome), message);
    }

    void tip()
    {
        QCOMPARE(office::tipText(QStringLiteral("Mr Ed")), QStringLiteral("Scorhers Predicts That Mr Ed Will Win This Race"));
        testing::ScriptedRandom random;
        random.push(0.0);
        random.push(0.99999994);
        QCOMPARE(office::drawTipHorse(), 1);
        QCOMPARE(office::drawTipHorse(), 5);
    }
};
PADDOX_TEST(RaceCardTest)

class OfficeFilesTest : public QObject {
    Q_OBJECT
private slots:
    void wizardFlag_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("showTitle");
        QTest::newRow("missing") << false << QByteArray() << true;
        QTest::newRow("1") << true << QByteArray("1\r\n") << true;
        QTest::newRow("blank 1 blank") << true << QByteArray(" 1 \r\n") << true;
        QTest::newRow("0") << true << QByteArray("0\r\n") << false;
        QTest::newRow("empty file") << true << QByteArray() << false;
        QTest::newRow("last line counts") << true << QByteArray("1\r\n0\r\n") << false;
        QTest::newRow("garbage") << true << QByteArray("\xff\xfe yes") << false;
    }
    void wizardFlag()
    {
        QFETCH(bool, present);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, showTitle);
        testing::TestInstallation installation;
        if (present)
            installation.writeData(office::wizardFlagFileName, bytes);
        QCOMPARE(office::readWizardFlag(), showTitle);
        QVERIFY(office::writeWizardFlag(true));
        QCOMPARE(installation.readData(office::wizardFlagFileName), QByteArray("1\r\n"));
        QVERIFY(office::writeWizardFlag(false));
        QCOMPARE(installation.readData(office::wizardFlagFileName), QByteArray("0\r\n"));
    }

    void optionFile_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("setting");
        QTest::newRow("missing") << false << QByteArray() << 1;
        QTest::newRow("number line 1") << true << QByteArray(" 1 \r\n") << 0;
        QTest::newRow("1") << true << QByteArray("1") << 0;
        QTest::newRow("2") << true << QByteArray(" 2 \r\n") << 1;
        QTest::newRow("0") << true << QByteArray("0\r\n") << 1;
        QTest::newRow("text") << true << QByteArray("tabs\r\n") << 1;
        QTest::newRow("empty") << true << QByteArray() << 1;
        QTest::newRow("1 then 0") << true << QByteArray("1\r\n0\r\n") << 1;
        QTest::newRow("0 then 1") << true << QByteArray("0\r\n 1 \r\n") << 0;
    }
    void optionFile()
    {
        QFETCH(bool, present);
        QFETCH(QByteArray, bytes);
        QFETCH(int, setting);
        testing::TestInstallation installation;
        if (present)
            installation.writeData(office::optionFileName, bytes);
        QCOMPARE(office::readTabPresentation(), setting);
    }
};
PADDOX_TEST(OfficeFilesTest)

#include "race_card_test.moc"
