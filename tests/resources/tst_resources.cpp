#include <QtTest>
#include <clocale>

#include "resources/message_catalogue.h"
#include "resources/number_text.h"
#include "support/qt_printers.h"
#include "support/scripted_prompts.h"

using namespace mw;

class TestResources : public QObject {
    Q_OBJECT

private slots:
    void catalogueIsSortedAndUnique() {
        const std::vector<int> numbers = catalogueNumbers();
        QVERIFY(numbers.size() > 200);
        for (std::size_t i = 1; i < numbers.size(); ++i) {
            QVERIFY2(numbers[i - 1] < numbers[i],
                     qPrintable(QStringLiteral("out of order at %1").arg(numbers[i])));
        }
    }

    // Blanks, tabs and carriage returns are part of the texts the program has
    // always shown; a "tidy-up" of the catalogue must not lose them.
    void awkwardTextsAreExact_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<std::string>("expected");
        QTest::newRow("233 two blanks before hops")
            << 233
            << std::string(
                   "Information: During Hops IBU calculation the Boil Time was zero.  "
                   "These will be assumed to be finishing  hops, and not contribute to "
                   "bitterness.");
        QTest::newRow("120 trailing blank")
            << 120 << std::string("Data Error:\nAlpha values must be between 1 and 20. ");
        QTest::newRow("251 carriage return")
            << 251 << std::string("Check if ferments\rWill be used during OG calculation");
        QTest::newRow("174 trailing blank") << 174 << std::string("Target ");
        QTest::newRow("12 two blanks after the colon")
            << 12
            << std::string(
                   "Warning:  During the recipe calculations for predicted Original Gravity, "
                   "Alcohol content, Bitterness (IBU) and Color one or more potential errors "
                   "were encountered.  Please check the Calculation Messages list for details by "
                   "selecting that button in the Target Style window.");
        QTest::newRow("234 keeps 1and") << 234
                                        << std::string(
                                               "Warning: Color (degrees Lovibond) of %1 invalid "
                                               "in %2 number %d.  Please enter a value between "
                                               "1and 500 (English measures) or 1 and 2000 "
                                               "(Metric)");
        QTest::newRow("88 tabs") << 88 << std::string("Name: \t%1\nColor: \t%2\n");
        QTest::newRow("193 format") << 193 << std::string("%.3f");
    }
    void awkwardTextsAreExact() {
        QFETCH(int, number);
        QFETCH(std::string, expected);
        QVERIFY(catalogueHas(number));
        QCOMPARE(std::string(catalogueText(number)), expected);
    }

    void missingNumberNamesItself() {
        QVERIFY(!catalogueHas(999999));
        QCOMPARE(std::string(catalogueText(999999)),
                 std::string("Message 999999 is missing from the catalogue."));
    }

    void formatStrings_data() {
        QTest::addColumn<std::string>("pattern");
        QTest::addColumn<std::string>("arg1");
        QTest::addColumn<std::string>("arg2");
        QTest::addColumn<std::string>("expected");
        QTest::newRow("both") << std::string("IBU %1 - %2") << std::string("10")
                              << std::string("20") << std::string("IBU 10 - 20");
        QTest::newRow("reversed and repeated") << std::string("%2/%1/%2") << std::string("a")
                                               << std::string("b") << std::string("b/a/b");
        QTest::newRow("replacement not rescanned") << std::string("%1 and %2") << std::string("%2")
                                                   << std::string("x") << std::string("%2 and x");
        QTest::newRow("no argument for %3")
            << std::string("%1 %3") << std::string("a") << std::string("b") << std::string("a %3");
        QTest::newRow("other percent signs kept")
            << std::string("80% of %1, %d, %") << std::string("a") << std::string("b")
            << std::string("80% of a, %d, %");
    }
    void formatStrings() {
        QFETCH(std::string, pattern);
        QFETCH(std::string, arg1);
        QFETCH(std::string, arg2);
        QFETCH(std::string, expected);
        QCOMPARE(mw::formatStrings(pattern, {arg1, arg2}), expected);
    }

    // The row number goes only into the catalogue text's own %d; what a
    // brewer typed into a cell reaches the message unchanged.
    void rowMessagesKeepCellPercents() {
        QCOMPARE(formatRowMessage(149, "1.0%d%s", "Grain", 3),
                 std::string("Warning: Specific Gravity of 1.0%d%s invalid in Grain number 3.  "
                             "Please enter a value between 1.000 and 1.200."));
        QCOMPARE(formatRowMessage(286, ".028", "Grain", 12),
                 std::string("Information: Assumed extract potential of .028 due to invalid SG "
                             "on Grain 12"));
        QCOMPARE(formatMessage(285, "Extract", "2"),
                 std::string("Warning: Weight is zero or missing for Extract 2.  This ingredient "
                             "was excluded from the calculations."));
    }

    void formatNumber_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<double>("value");
        QTest::addColumn<std::string>("expected");
        QTest::newRow("whole 17.30") << 194 << 17.30 << std::string("17");
        QTest::newRow("whole 0.5 half away from zero") << 194 << 0.5 << std::string("1");
        QTest::newRow("whole 2.5 half away from zero") << 194 << 2.5 << std::string("3");
        QTest::newRow("whole -2.5") << 194 << -2.5 << std::string("-3");
        QTest::newRow("one decimal 5.25 reads 5.3") << 192 << 5.25 << std::string("5.3");
        QTest::newRow("just below a half") << 192 << 0.2499999 << std::string("0.2");
        QTest::newRow("whole 1.73") << 194 << 1.73 << std::string("2");
        QTest::newRow("one decimal") << 192 << 5.0 << std::string("5.0");
        QTest::newRow("three decimals") << 193 << 1.0576 << std::string("1.058");
        QTest::newRow("three decimals binary 1.0345") << 193 << 1.0345 << std::string("1.034");
        QTest::newRow("two decimals") << 214 << 4.08 << std::string("4.08");
        QTest::newRow("unsigned") << 191 << 121.0 << std::string("121");
        QTest::newRow("unsigned keeps sign") << 191 << -5.0 << std::string("-5");
    }
    void formatNumber() {
        QFETCH(int, format);
        QFETCH(double, value);
        QFETCH(std::string, expected);
        QCOMPARE(mw::formatNumber(format, value), expected);
    }

    // A format asking for more places than any double has writes them all,
    // however many digits its precision is written with.
    void longPrecisions() {
        QCOMPARE(mw::formatNumber("%.500f", 0.5), "0.5" + std::string(499, '0'));
        QCOMPARE(mw::formatNumber("%.99999999999f", 0.5), "0.5" + std::string(1099, '0'));
        QCOMPARE(mw::formatNumber("%.400f", 1e300).size(), std::size_t(301 + 1 + 400));
    }

    void fieldTexts() {
        QCOMPARE(fieldText(1.0), std::string("1"));
        QCOMPARE(fieldText(1.03), std::string("1.03"));
        QCOMPARE(fieldText(-0.0), std::string("0"));
        QCOMPARE(fieldText(0.1 + 0.2), std::string("0.3"));
    }

    // Independent of the process locale: Qt sets the user's locale at start,
    // and a comma-decimal locale must not turn 1.048 into 1,048.
    void numbersIgnoreTheLocale() {
        const char* previous = std::setlocale(LC_NUMERIC, nullptr);
        const std::string saved = previous ? previous : "C";
        if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") &&
            !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) {
            QSKIP("no comma-decimal locale installed");
        }
        const std::string written = mw::formatNumber(193, 1.048);
        const double read = mw::leadingNumber("1.048");
        std::setlocale(LC_NUMERIC, saved.c_str());
        QCOMPARE(written, std::string("1.048"));
        QCOMPARE(read, 1.048);
    }

    void leadingNumber_data() {
        QTest::addColumn<std::string>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("plain") << std::string("1.048") << 1.048;
        QTest::newRow("trailing text") << std::string("1.048abc") << 1.048;
        QTest::newRow("leading blanks") << std::string("  \t7.5") << 7.5;
        QTest::newRow("sign") << std::string("-2") << -2.0;
        QTest::newRow("point first") << std::string(".5") << 0.5;
        QTest::newRow("exponent") << std::string("1e3") << 1000.0;
        QTest::newRow("dangling exponent") << std::string("2e") << 2.0;
        QTest::newRow("empty") << std::string("") << 0.0;
        QTest::newRow("word") << std::string("abc") << 0.0;
        QTest::newRow("nan") << std::string("nan") << 0.0;
        QTest::newRow("inf") << std::string("inf") << 0.0;
        QTest::newRow("hex reads its 0") << std::string("0x10") << 0.0;
        QTest::newRow("overflow") << std::string("1e999") << 0.0;
        QTest::newRow("underflow") << std::string("1e-999") << 0.0;
    }
    void leadingNumber() {
        QFETCH(std::string, text);
        QFETCH(double, expected);
        QCOMPARE(mw::leadingNumber(text), expected);
    }

    void leadingInteger_data() {
        QTest::addColumn<std::string>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("fraction cut") << std::string("7.5") << 7;
        QTest::newRow("negative") << std::string(" -3min") << -3;
        QTest::newRow("empty") << std::string("") << 0;
        QTest::newRow("clamped") << std::string("99999999999") << INT_MAX;
        QTest::newRow("clamped negative") << std::string("-99999999999") << INT_MIN;
    }
    void leadingInteger() {
        QFETCH(std::string, text);
        QFETCH(int, expected);
        QCOMPARE(mw::leadingInteger(text), expected);
    }

    void strictParsing() {
        QCOMPARE(parseNumber(" 2.5 "), std::optional<double>(2.5));
        QCOMPARE(parseNumber("1.05abc"), std::optional<double>());
        QCOMPARE(parseNumber(""), std::optional<double>());
        QCOMPARE(parseNumber("nan"), std::optional<double>());
        QCOMPARE(parseNumber("1e999"), std::optional<double>());
        QCOMPARE(parseInteger(" 60 "), std::optional<int>(60));
        QCOMPARE(parseInteger("7.5"), std::optional<int>());
        QCOMPARE(parseInteger("-"), std::optional<int>());
        QCOMPARE(parseInteger("99999999999"), std::optional<int>());
    }

    void promptCarriesItsNumber() {
        test::ScriptedPrompts prompts;
        prompts.answerNext(PromptAnswer::Cancel);
        QCOMPARE(prompts.show(13, PromptIcon::Information, PromptButtons::OkCancel),
                 PromptAnswer::Cancel);
        QCOMPARE(prompts.shown().size(), std::size_t(1));
        QCOMPARE(prompts.shown()[0].helpContext, 13);
        QCOMPARE(prompts.shown()[0].text, std::string(catalogueText(13)));
    }
};

QTEST_GUILESS_MAIN(TestResources)
#include "tst_resources.moc"
