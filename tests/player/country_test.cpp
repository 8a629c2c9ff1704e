// The country window of the first run: what Continue writes, and when it refuses.
#include "fixture.h"

#include "player/country_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace testing;

class CountryTest : public QObject {
    Q_OBJECT

private slots:
    void continuing()
    {
        // typed (nullptr: "United Kingdom" picked from the list), the message, the country file afterwards
        const struct { const char *typed; const char *message; QByteArray file; } rows[] = {
            {nullptr, "", "United Kingdom\r\n"}, {"  Eire ", "", "  Eire \r\n"}, {"", "", "\r\n"},
            {"select country", "", "select country\r\n"}, {"Select Country", "Please select your country", ""}};
        for (const auto &r : rows) {
            ROW(r.typed ? r.typed : "picked");
            Fixture f;
            QFile::remove(f.install.dataFile("pdxcountry.pdx"));
            QPointer<Form14> country = app::window<Form14>();
            country->show();
            QCOMPARE(country->Comsel->currentText(), QStringLiteral("Select Country"));
            if (r.typed) {
                country->Comsel->lineEdit()->clear();
                QTest::keyClicks(country->Comsel->lineEdit(), r.typed);
            } else {
                country->Comsel->setCurrentIndex(0);
            }
            if (*r.message)
                f.dialogs.expectMessage(r.message);
            QTest::keyClick(country, Qt::Key_Escape);  // Escape does not dismiss it
            QTest::mouseClick(country->Command1, Qt::LeftButton);
            VERIFY_DIALOGS(f.dialogs);
            QCOMPARE(f.install.readData("pdxcountry.pdx"), r.file);
            processDeletes();
            QCOMPARE(country.isNull(), !*r.message);
            QCOMPARE(app::existingWindow<frmcontrol>() != nullptr, !*r.message);
        }
    }

    void unwritableDataFolder()
    {
        Fixture f(false);
        f.dataIsAFile();
        app::window<Form14>()->Comsel->setCurrentIndex(2);
        f.dialogs.expectAnyMessage();
        app::window<Form14>()->Command1_Click();
        VERIFY_DIALOGS(f.dialogs);
        QVERIFY(f.dialogs.messages().first().text.contains("Paddox6 will now close."));
        QCOMPARE(f.install.endRequests(), 1);
        QVERIFY(!app::existingWindow<frmcontrol>());
    }
};

PADDOX_TEST(CountryTest)
#include "country_test.moc"
