// The country window of the first run.
#include "player_test_support.h"
#include "support/scripted_dialogs.h"
#include "support/test_main.h"

#include "platform/twips.h"
#include "player/country_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace testing;

class CountryTest : public QObject {
    Q_OBJECT

private slots:
    void windowAsItOpens()
    {
        TestInstallation install;
        Form14 *country = app::window<Form14>();
        QCOMPARE(country->windowTitle(), QStringLiteral("Welcome To Paddox6.6"));
        QCOMPARE(country->Comsel->currentText(), QStringLiteral("Select Country"));
        QVERIFY(country->Comsel->isEditable());
        QStringList entries;
        for (int i = 0; i < country->Comsel->count(); ++i)
            entries << country->Comsel->itemText(i);
        // The list as the player sees it, in its order and with its spellings.
        const QStringList expected{"United Kingdom", "Austria", "Belgium", "Denmark", "Eire", "Finland", "France",
                                   "Germany", "Greece", "Italy", "Luxembourg", "Netherlands", "N Ireland", "Portgual",
                                   "Russia", "Spain", "Sweden", "Switzerland", "Other Parts Of Europe", "South America",
                                   "Canada", "China", "Japan", "S Koera", "Other Parts Of Asia", "Africa", "Australlia",
                                   "New Zealand", "United States Of America"};
        QCOMPARE(entries, expected);
        QCOMPARE(country->Label8->text(), QStringLiteral("Important Information"));
        QCOMPARE(country->Label1->text(), QStringLiteral("Parental Notice"));
        QCOMPARE(country->Label2->text(), QStringLiteral("Designed For Microsoft Windows"));
        QCOMPARE(country->Label5->text(), QStringLiteral("This software may not be suitable for those 16 years and younger. "
                                                         "We recommend that this software is used under Parental Supervision "));
        QCOMPARE(country->Label7->text(), QStringLiteral("Select Your Country And Press Continue:"));
        QCOMPARE(country->Command1->text(), QStringLiteral("Continue"));
        QVERIFY(!country->Command1->icon().isNull());
        QVERIFY(!country->Comsel->accessibleName().isEmpty());
        QVERIFY(!country->Comsel->lineEdit()->accessibleName().isEmpty());
        const QStringList clipped = clippedControls(country);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
        // The notice fits in its box.
        QVERIFY(country->Label5->heightForWidth(country->Label5->width()) <= country->Label5->height());
    }

    void selectCountryIsRefused()
    {
        TestInstallation install;
        ScriptedDialogs dialogs;
        QPointer<Form14> country = app::window<Form14>();
        country->show();
        dialogs.expectMessage(QStringLiteral("Please select your country"));
        QTest::mouseClick(country->Command1, Qt::LeftButton);
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(dialogs.messages().first().buttons, platform::Buttons::Ok);
        processDeletes();
        QVERIFY(country);
        QVERIFY(country->isVisible());
        QVERIFY(!install.dataExists(player::countryFileName));
        QVERIFY(!app::existingWindow<frmcontrol>());
    }

    void continueWritesTheText_data()
    {
        QTest::addColumn<int>("picked");    // list entry picked, -1 when typed
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("picked United Kingdom") << 0 << QString() << QByteArray("United Kingdom\r\n");
        QTest::newRow("typed elsewhere") << -1 << "Narnia" << QByteArray("Narnia\r\n");
        QTest::newRow("typed with blanks") << -1 << "  Eire " << QByteArray("  Eire \r\n");
        QTest::newRow("empty text") << -1 << "" << QByteArray("\r\n");
        QTest::newRow("another case") << -1 << "select country" << QByteArray("select country\r\n");
    }

    void continueWritesTheText()
    {
        QFETCH(int, picked);
        QFETCH(QString, typed);
        QFETCH(QByteArray, file);
        TestInstallation install;
        NoOtherEdition noOther;
        ScriptedDialogs dialogs;
        QPointer<Form14> country = app::window<Form14>();
        country->show();
        if (picked >= 0) {
            country->Comsel->setCurrentIndex(picked);
        } else {
            country->Comsel->lineEdit()->clear();
            QTest::keyClicks(country->Comsel->lineEdit(), typed);
        }
        // The sign-in window that follows sets up the new installation.
        dialogs.expectMessage(player::noPreviousVersionsMessage);
        country->Command1_Click();
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(install.readData(player::countryFileName), file);
        frmcontrol *signIn = app::existingWindow<frmcontrol>();
        QVERIFY(signIn);
        QVERIFY(signIn->isVisible());
        QCOMPARE(signIn->combo1->count(), 5);
        processDeletes();
        QVERIFY(!country);
    }

    void unwritableDataFolder()
    {
        TestInstallation install;
        ScriptedDialogs dialogs;
        QDir(install.dataFile(QString())).removeRecursively();
        QFile blocker(QDir(install.folder()).filePath(QStringLiteral("data")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        Form14 *country = app::window<Form14>();
        country->Comsel->setCurrentIndex(2);
        dialogs.expectAnyMessage();
        country->Command1_Click();
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(dialogs.messages().first().icon, platform::Icon::Critical);
        QVERIFY(dialogs.messages().first().text.contains(QDir::toNativeSeparators(QDir(install.folder()).filePath("data"))));
        QCOMPARE(install.endRequests(), 1);
        QVERIFY(!app::existingWindow<frmcontrol>());
    }

    void escapeKeepsTheWindow()
    {
        TestInstallation install;
        ScriptedDialogs dialogs;
        QPointer<Form14> country = app::window<Form14>();
        country->show();
        QVERIFY(QTest::qWaitForWindowExposed(country));
        QTest::keyClick(country->Comsel, Qt::Key_Escape);
        QTest::keyClick(country, Qt::Key_Escape);
        processDeletes();
        QVERIFY(country);
        QVERIFY(country->isVisible());
        QVERIFY(!install.dataExists(player::countryFileName));
        QVERIFY(!app::existingWindow<frmcontrol>());
        // The close box does close it.
        QVERIFY(country->close());
        processDeletes();
        QVERIFY(!country);
        VERIFY_DIALOGS(dialogs);
    }
};

PADDOX_TEST(CountryTest)
#include "country_test.moc"
