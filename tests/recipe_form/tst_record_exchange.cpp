#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include "recipe_form/record_exchange.h"
#include "storage/recipe_records.h"
#include "support/scripted_prompts.h"
#include "support/test_registry.h"

using namespace mw;
using recipe_form::RecordExchange;

class TestRecordExchange : public QObject {
    Q_OBJECT

private slots:
    void doublesShowShortest_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 5.0 << "5";
        QTest::newRow("gravity") << 1.048 << "1.048";
        QTest::newRow("fifteen digits") << 1.0 / 3.0 << "0.333333333333333";
        QTest::newRow("negative") << -0.5 << "-0.5";
    }
    void doublesShowShortest() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QLineEdit edit;
        RecordExchange::show(&edit, value);
        QCOMPARE(edit.text(), text);
    }

    // What a brewer types into a number field, and whether it is taken.
    void typedNumbers_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<double>("value");
        QTest::newRow("whole number") << "42" << true << true << 42.0;
        QTest::newRow("blanks around") << " 7 " << true << true << 7.0;
        QTest::newRow("decimal into whole") << "7.5" << true << false << 0.0;
        QTest::newRow("trailing text") << "12a" << true << false << 0.0;
        QTest::newRow("empty whole") << "" << true << false << 0.0;
        QTest::newRow("decimal") << "1.048" << false << true << 1.048;
        QTest::newRow("exponent") << "1e2" << false << true << 100.0;
        QTest::newRow("comma decimal") << "1,048" << false << false << 0.0;
        QTest::newRow("empty number") << "" << false << false << 0.0;
    }
    void typedNumbers() {
        QFETCH(QString, typed);
        QFETCH(bool, whole);
        QFETCH(bool, taken);
        QFETCH(double, value);
        test::ScriptedPrompts prompts;
        RecordExchange exchange(prompts);
        QWidget window;
        auto* label = new QLabel(QStringLiteral("&Gravity:"), &window);
        auto* edit = new QLineEdit(&window);
        label->setBuddy(edit);
        QTest::keyClicks(edit, typed);
        qint32 wholeValue = -1;
        double number = -1.0;
        const bool ok = whole ? exchange.read(edit, wholeValue) : exchange.read(edit, number);
        QCOMPARE(ok, taken);
        if (taken) {
            QCOMPARE(whole ? double(wholeValue) : number, value);
            QVERIFY(prompts.shown().empty());
        } else {
            QCOMPARE(whole ? double(wholeValue) : number, -1.0);  // the column keeps its value
            QCOMPARE(prompts.shownNumbers(), (std::vector<int>{whole ? 1002 : 1001}));
            QCOMPARE(prompts.shown().front().icon, PromptIcon::Exclamation);
            QVERIFY(QString::fromStdString(prompts.shown().front().text)
                        .contains(QStringLiteral("The Gravity entered (%1)").arg(typed)));
        }
    }

    void shortColumnsRefuseWhatTheyCannotHold() {
        test::ScriptedPrompts prompts;
        RecordExchange exchange(prompts);
        QLineEdit edit;
        qint16 value = 3;
        edit.setText(QStringLiteral("40000"));
        QVERIFY(!exchange.read(&edit, value));
        QCOMPARE(value, qint16(3));
        edit.setText(QStringLiteral("-32768"));
        QVERIFY(exchange.read(&edit, value));
        QCOMPARE(value, qint16(-32768));
    }

    void radioGroupsShowAnIndex_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("shown");
        QTest::newRow("first") << 0 << 0;
        QTest::newRow("second") << 1 << 1;
        QTest::newRow("none") << -1 << -1;
        QTest::newRow("out of range") << 5 << -1;
    }
    void radioGroupsShowAnIndex() {
        QFETCH(int, index);
        QFETCH(int, shown);
        QWidget box;
        auto* english = new QRadioButton(QStringLiteral("&English"), &box);
        auto* metric = new QRadioButton(QStringLiteral("&Metric"), &box);
        const QList<QAbstractButton*> group{english, metric};
        metric->setChecked(true);
        RecordExchange::showRadio(group, index);
        QCOMPARE(RecordExchange::radioIndex(group), shown);
        QTest::mouseClick(english, Qt::LeftButton);  // still one group once shown
        QCOMPARE(RecordExchange::radioIndex(group), 0);
    }
};

MW_REGISTER_TEST(TestRecordExchange)
#include "tst_record_exchange.moc"
