// The country window of the first run: what Continue writes, and when it refuses.
#include "fixture.h"

#include "player/country_window.h"

#include <QComboBox>

using namespace testing;

class CountryTest : public QObject {
    Q_OBJECT

private slots:
    void continuing()
    {
        // Typed (nullptr: "United Kingdom" picked from the list), the message ("!": the data
        // folder is a file, the game ends), the country file afterwards.
        const struct { const char *typed; const char *message; QByteArray file; } rows[] = {
            {nullptr, "", "United Kingdom\r\n"}, {"  Eire ", "", "  Eire \r\n"}, {"", "", "\r\n"},
            {"select country", "", "select country\r\n"}, {"Select Country", "Please select your country", ""},
            {"Eire", "!", ""}};
        for (const auto &r : rows) {
            ROW(r.typed ? r.typed : "picked");
            const QString message = r.message;
            Fixture f(message != "!");
            message == "!" ? f.dataIsAFile() : void(QFile::remove(f.install.dataFile("pdxcountry.pdx")));
            QPointer<CountryWindow> country = app::window<CountryWindow>();
            country->show();
            QVERIFY(control<QLabel>(country, "Label2")->font().italic());  // the footnote in italics
            auto *box = control<QComboBox>(country, "Comsel");
            QCOMPARE(box->currentText(), "Select Country");
            QTest::keyClick(box, Qt::Key_Down);  // nothing chosen yet: Down picks the first country
            QCOMPARE(box->currentIndex(), 0);
            if (r.typed)
                box->lineEdit()->clear(), QTest::keyClicks(box->lineEdit(), r.typed);
            f.expect(message);
            QTest::keyClick(country, Qt::Key_Escape);  // Escape does not dismiss it
            QTest::mouseClick(control(country, "Command1"), Qt::LeftButton);
            VERIFY_DIALOGS(f.dialogs);
            QCOMPARE(f.install.readData("pdxcountry.pdx"), r.file);
            QCOMPARE(f.install.endCodes(), message == "!" ? QList<int>{1} : QList<int>{});  // 1: ended on a fault
            processDeletes();
            QCOMPARE(country.isNull(), message.isEmpty());
            QCOMPARE(app::existingWindow<SignInWindow>() != nullptr, message.isEmpty());
        }
    }
};

PADDOX_TEST(CountryTest)
#include "country_test.moc"
