#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <clocale>
#include <string>

#include "calc/hop_utilization.h"
#include "calculator_window.h"
#include "calculators/alcohol_calc_dlg.h"
#include "calculators/bitterness_calc_dlg.h"
#include "calculators/converter_dlg.h"
#include "calculators/og_calc_dlg.h"
#include "resources/message_catalogue.h"
#include "support/qt_printers.h"
#include "support/scripted_prompts.h"
#include "support/test_registry.h"

using namespace mw;
using namespace mw::calculators;
using test::CalculatorKind;
using Typing = QList<QPair<int, QString>>;

namespace {

const calc::HopUtilizationTable& tinseth() {
    static const calc::HopUtilizationTable table = calc::HopUtilizationTable::tinsethDefaults();
    return table;
}

// Types into a field as a user would: select all, then the keys.
void type(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Delete);
    } else {
        QTest::keyClicks(field, text);
    }
}

QColor colorOf(QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

// Answers the next modal dialog by reading it and closing it.
template <typename Dialog>
void answerNextModal(std::function<void(Dialog*)> check) {
    QTimer::singleShot(0, [check] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        check(dialog);
        dialog->reject();
    });
}

// The C library and Qt both set to a comma-decimal locale for as long as it
// lives, as the program runs for a German user.
class CommaDecimalLocale {
public:
    CommaDecimalLocale() : m_saved(std::setlocale(LC_NUMERIC, nullptr)) {
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    ~CommaDecimalLocale() {
        std::setlocale(LC_NUMERIC, m_saved.c_str());
        QLocale::setDefault(m_qtSaved);
    }
    CommaDecimalLocale(const CommaDecimalLocale&) = delete;
    CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;

private:
    std::string m_saved;
    QLocale m_qtSaved;
};

template <typename Dialog>
void show(Dialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
}

}  // namespace

class TestCalculatorWindows : public QObject {
    Q_OBJECT

private slots:
    void bitternessWorkedExample() {
        test::ScriptedPrompts prompts;
        CBitternessCalcDlg dlg(tinseth(), prompts, {});
        show(dlg);
        using F = CBitternessCalcDlg::Field;
        QVERIFY(!dlg.recalculateButton()->isEnabled());
        // The defaults have two zeros.
        dlg.calculateButton()->click();
        QCOMPARE(prompts.shownNumbers(), std::vector<int>{222});
        QCOMPARE(prompts.shown()[0].icon, PromptIcon::Exclamation);
        type(dlg.field(F::Alpha), QStringLiteral("5"));
        type(dlg.field(F::Gravity), QStringLiteral("1.050"));
        type(dlg.field(F::BoilTime), QStringLiteral("60"));
        type(dlg.field(F::Ibu), QString());
        dlg.calculateButton()->click();
        QCOMPARE(dlg.field(F::Ibu)->text(), QStringLiteral("17"));
        QCOMPARE(dlg.field(F::Hbu)->text(), QStringLiteral("5.0"));
        QCOMPARE(dlg.field(F::Utilization)->text(), QStringLiteral("0.231"));
        QCOMPARE(colorOf(dlg.variableLabel(0)), QColor(0, 0, 255));
        QCOMPARE(colorOf(dlg.variableLabel(1)), QColor(0, 0, 0));
        QVERIFY(dlg.recalculateButton()->isEnabled());
        QVERIFY(dlg.solvingForList()->isEnabled());
        QCOMPARE(dlg.solvingForList()->currentRow(), 0);
        QCOMPARE(dlg.focusWidget(), dlg.field(F::Ibu));
        QCOMPARE(dlg.field(F::Ibu)->selectedText(), QStringLiteral("17"));
        // Solving for the weight of 30 IBUs: 1.73 oz, shown 2, HBU from 2.
        dlg.solvingForList()->setCurrentRow(1);
        QCOMPARE(dlg.field(F::Weight)->text(), QStringLiteral("0"));
        QCOMPARE(dlg.focusWidget(), dlg.field(F::Weight));
        type(dlg.field(F::Ibu), QStringLiteral("30"));
        dlg.calculateButton()->click();
        QCOMPARE(dlg.field(F::Weight)->text(), QStringLiteral("2"));
        QCOMPARE(dlg.field(F::Hbu)->text(), QStringLiteral("10.0"));
        QCOMPARE(colorOf(dlg.variableLabel(1)), QColor(0, 0, 255));
    }

    void bitternessMetricAndHopChoice() {
        test::ScriptedPrompts prompts;
        CalculatorLookups lookups;
        lookups.hop = [](QWidget*) {
            return std::optional<NamedValue>({QStringLiteral("Saaz"), 3.5});
        };
        CBitternessCalcDlg dlg(tinseth(), prompts, lookups);
        show(dlg);
        using F = CBitternessCalcDlg::Field;
        QCOMPARE(dlg.hopLabel()->text(), QStringLiteral("None Selected, 0.0"));
        QCOMPARE(dlg.methodLabel()->text(), QString::fromUtf8(catalogueText(185).data()));
        dlg.selectHopButton()->click();
        QCOMPARE(dlg.hopLabel()->text(), QStringLiteral("Saaz, 3.5"));
        QCOMPARE(dlg.field(F::Alpha)->text(), QStringLiteral("3.5"));
        type(dlg.field(F::Weight), QStringLiteral("28"));
        type(dlg.field(F::BoilVolume), QStringLiteral("19"));
        type(dlg.field(F::Gravity), QStringLiteral("1.050"));
        type(dlg.field(F::BoilTime), QStringLiteral("60"));
        dlg.metricButton()->click();  // and recalculates
        QCOMPARE(dlg.weightUnitLabel()->text(), QStringLiteral("Grams"));
        QCOMPARE(dlg.volumeUnitLabel()->text(), QStringLiteral("Liters"));
        // 1000 in place of 7490 and no conversion: 3.5 x 0.01 x 1000 x 28 x 0.231 / 19.
        QCOMPARE(dlg.field(F::Ibu)->text(), QStringLiteral("12"));
        QCOMPARE(dlg.field(F::Hbu)->text(), QStringLiteral("98.0"));
    }

    // A boil time of 0: message 233 as the field is left, and the focus goes back.
    void leavingABoilTimeOfZero() {
        test::ScriptedPrompts prompts;
        CBitternessCalcDlg dlg(tinseth(), prompts, {});
        show(dlg);
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        using F = CBitternessCalcDlg::Field;
        type(dlg.field(F::BoilTime), QStringLiteral("0"));
        dlg.field(F::Weight)->setFocus();
        QTRY_COMPARE(prompts.shownNumbers(), std::vector<int>{233});
        QCOMPARE(prompts.shown()[0].icon, PromptIcon::Information);
        QTRY_COMPARE(dlg.focusWidget(), dlg.field(F::BoilTime));
        QCOMPARE(dlg.field(F::Utilization)->text(), QStringLiteral("0.000"));
        dlg.calculateButton()->click();
        QCOMPARE(prompts.shownNumbers(), (std::vector<int>{233, 223}));
    }

    void gravityWorkedExampleAndIngredients() {
        test::ScriptedPrompts prompts;
        CalculatorLookups lookups;
        lookups.extract = [](QWidget*) {
            return std::optional<NamedValue>({QStringLiteral("Light DME"), 1.044});
        };
        lookups.grain = [](QWidget*) {
            return std::optional<NamedValue>({QStringLiteral("Pale Ale Malt"), 1.038});
        };
        COGCalcDlg dlg(prompts, lookups);
        show(dlg);
        using F = COGCalcDlg::Field;
        type(dlg.field(F::Potential), QStringLiteral("1.040"));
        type(dlg.field(F::Efficiency), QStringLiteral("100"));
        type(dlg.field(F::OriginalGravity), QString());
        dlg.calculateButton()->click();
        QCOMPARE(dlg.field(F::OriginalGravity)->text(), QStringLiteral("1.008"));
        QCOMPARE(dlg.field(F::Balling)->text(), QStringLiteral("2.0"));
        dlg.kilogramsButton()->click();
        dlg.recalculateButton()->click();
        QCOMPARE(dlg.field(F::OriginalGravity)->text(), QStringLiteral("1.018"));
        QCOMPARE(dlg.field(F::Balling)->text(), QStringLiteral("4.5"));

        dlg.extractButton()->click();
        QCOMPARE(dlg.field(F::Efficiency)->text(), QStringLiteral("100"));
        QVERIFY(!dlg.field(F::Efficiency)->isEnabled());
        QCOMPARE(dlg.ingredientLabel()->text(), QStringLiteral("Light DME"));
        QCOMPARE(dlg.field(F::Potential)->text(), QStringLiteral("1.044"));
        dlg.grainButton()->click();
        QVERIFY(dlg.field(F::Efficiency)->isEnabled());
        QCOMPARE(dlg.field(F::Efficiency)->text(), QStringLiteral("80"));
        dlg.clearButton()->click();
        QCOMPARE(dlg.ingredientLabel()->text(), QStringLiteral("None Selected"));
        QVERIFY(!dlg.clearButton()->isEnabled());
        QCOMPARE(dlg.focusWidget(), dlg.field(F::Weight));
    }

    void gravityRefusals_data() {
        QTest::addColumn<QString>("efficiency");
        QTest::addColumn<QString>("potential");
        QTest::addColumn<int>("message");
        QTest::newRow("efficiency empty") << ""
                                          << "1.040" << 240;
        QTest::newRow("efficiency 101") << "101"
                                        << "1.040" << 248;
        QTest::newRow("potential 1.201") << "80"
                                         << "1.201" << 249;
        QTest::newRow("potential 1.000 for the weight") << "80"
                                                        << "1.000" << 1004;
    }
    void gravityRefusals() {
        QFETCH(QString, efficiency);
        QFETCH(QString, potential);
        QFETCH(int, message);
        test::ScriptedPrompts prompts;
        COGCalcDlg dlg(prompts, {});
        show(dlg);
        using F = COGCalcDlg::Field;
        type(dlg.field(F::Efficiency), efficiency);
        type(dlg.field(F::Potential), potential);
        type(dlg.field(F::Weight), QStringLiteral("0"));
        type(dlg.field(F::OriginalGravity), QStringLiteral("1.050"));
        dlg.calculateButton()->click();
        QCOMPARE(prompts.shownNumbers(), std::vector<int>{message});
        // Never "inf" or "nan" in a field.
        for (int f = 0; f < F::FieldCount; ++f) {
            QVERIFY(!dlg.field(f)->text().contains(QStringLiteral("inf")));
            QVERIFY(!dlg.field(f)->text().contains(QStringLiteral("nan")));
        }
    }

    void alcoholWorkedExampleAndConverters() {
        test::ScriptedPrompts prompts;
        CAlcoholCalcDlg dlg(prompts);
        show(dlg);
        using F = CAlcoholCalcDlg::Field;
        type(dlg.field(F::OriginalGravity), QStringLiteral("1.048"));
        type(dlg.field(F::TerminalGravity), QString());
        type(dlg.field(F::ByVolume), QString());
        dlg.calculateButton()->click();
        QCOMPARE(dlg.field(F::TerminalGravity)->text(), QStringLiteral("1.036"));
        QCOMPARE(dlg.field(F::ByVolume)->text(), QStringLiteral("1.53"));
        QCOMPARE(dlg.field(F::ByWeight)->text(), QStringLiteral("1.22"));
        // The converter buttons open the converters empty.
        answerNextModal<CConverterDlg>([](CConverterDlg* converter) {
            QCOMPARE(converter->windowTitle(),
                     QStringLiteral("Alcohol by Volume to/from Alcohol by Weight"));
            QCOMPARE(converter->field(0)->text(), QStringLiteral("5.00"));
            QCOMPARE(converter->field(1)->text(), QString());
        });
        dlg.abvAbwButton()->click();
        answerNextModal<CConverterDlg>([](CConverterDlg* converter) {
            QCOMPARE(converter->field(0)->text(), QStringLiteral("1.000"));
        });
        dlg.sgBallingButton()->click();
        type(dlg.field(F::Attenuation), QStringLiteral("96"));
        dlg.recalculateButton()->click();
        QCOMPARE(prompts.shownNumbers(), std::vector<int>{247});
    }

    void converters_data() {
        QTest::addColumn<bool>("gravity");
        QTest::addColumn<QString>("field0");
        QTest::addColumn<QString>("field1");
        QTest::addColumn<QString>("result0");
        QTest::addColumn<QString>("result1");
        QTest::addColumn<int>("message");
        QTest::newRow("gravity to Balling") << true << "1.048"
                                            << ""
                                            << "1.048"
                                            << "12.00" << 0;
        QTest::newRow("Balling to gravity") << true << ""
                                            << "12"
                                            << "1.048"
                                            << "12.00" << 0;
        QTest::newRow("gravity 1.250 as typed") << true << "1.250"
                                                << ""
                                                << "1.250"
                                                << "0" << 267;
        QTest::newRow("both filled") << false << "5"
                                     << "4"
                                     << "5"
                                     << "4" << 270;
        QTest::newRow("by weight 0.3") << false << ""
                                       << "0.3"
                                       << "0"
                                       << "0.3" << 275;
    }
    void converters() {
        QFETCH(bool, gravity);
        QFETCH(QString, field0);
        QFETCH(QString, field1);
        QFETCH(QString, result0);
        QFETCH(QString, result1);
        QFETCH(int, message);
        test::ScriptedPrompts prompts;
        CConverterDlg dlg(gravity ? CConverterDlg::Kind::SgBalling : CConverterDlg::Kind::AbvAbw,
                          prompts);
        show(dlg);
        type(dlg.field(0), field0);
        type(dlg.field(1), field1);
        dlg.calculateButton()->click();
        QCOMPARE(dlg.field(0)->text(), result0);
        QCOMPARE(dlg.field(1)->text(), result1);
        if (message != 0) {
            QCOMPARE(prompts.shownNumbers(), std::vector<int>{message});
            QVERIFY(!dlg.recalculateButton()->isEnabled());
            if (message == 267) {
                QCOMPARE(prompts.shown()[0].text, formatMessage(267, "1.250"));
            }
        } else {
            QVERIFY(prompts.shown().empty());
            QVERIFY(dlg.recalculateButton()->isEnabled());
            const int solved = field0.isEmpty() ? 0 : 1;
            QCOMPARE(colorOf(dlg.fieldLabel(solved)), QColor(0, 0, 255));
            QCOMPARE(colorOf(dlg.fieldLabel(1 - solved)), QColor(0, 0, 0));
        }
    }

    void aTextThatIsNoNumberIsNamed() {
        test::ScriptedPrompts prompts;
        CConverterDlg dlg(CConverterDlg::Kind::SgBalling, prompts);
        show(dlg);
        type(dlg.field(0), QStringLiteral("SG 1.048"));
        dlg.calculateButton()->click();
        QCOMPARE(prompts.shownNumbers(), std::vector<int>{1001});
        QCOMPARE(prompts.shown()[0].text, formatMessage(1001, "Specific Gravity", "SG 1.048"));
        QCOMPARE(dlg.focusWidget(), dlg.field(0));
    }

    // A field is read for the number it begins with, as strtod reads it, and
    // never in the user's locale: "5%" is 5, "  1 oz" is 1, "1.2e1x" is 12.
    // Only a text that begins with no number at all is refused, naming the field.
    void fieldsReadTheirLeadingNumber_data() {
        QTest::addColumn<CalculatorKind>("kind");
        QTest::addColumn<Typing>("typing");
        QTest::addColumn<int>("resultField");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("refusal");  // the message shown, or none
        using B = CBitternessCalcDlg::Field;
        using G = COGCalcDlg::Field;
        using A = CAlcoholCalcDlg::Field;
        // 5 x 0.01 x 7490 x 1 x 0.231 / 5 = 17.3 (utilization 0.231 at 1.050, 60 minutes)
        QTest::newRow("hop addition with units") << CalculatorKind::Bitterness
                                                 << Typing{{B::Weight, "  1 oz"},
                                                           {B::Alpha, "5%"},
                                                           {B::Gravity, "1.050 SG"},
                                                           {B::BoilTime, "60 min"},
                                                           {B::Ibu, ""}}
                                                 << int(B::Ibu) << "17" << QString();
        // 40 points x 1 lb / 5 gallons at 100 percent
        QTest::newRow("efficiency with a percent sign")
            << CalculatorKind::Gravity
            << Typing{{G::Potential, "1.040 (DME)"},
                      {G::Efficiency, "100%"},
                      {G::OriginalGravity, ""}}
            << int(G::OriginalGravity) << "1.008" << QString();
        // (50 - 10) x 0.1275 = 5.10
        QTest::newRow("gravities with their names") << CalculatorKind::Alcohol
                                                    << Typing{{A::OriginalGravity, "1.050 OG"},
                                                              {A::TerminalGravity, "1.010 TG"},
                                                              {A::ByVolume, ""}}
                                                    << int(A::ByVolume) << "5.10" << QString();
        // 12 x 0.004 + 1
        QTest::newRow("exponent and trailing text")
            << CalculatorKind::SgBalling << Typing{{0, ""}, {1, "1.2e1x"}} << 0 << "1.048"
            << QString();
        // 5 x 0.8
        QTest::newRow("percent after the number")
            << CalculatorKind::AbvAbw << Typing{{0, "5%"}} << 1 << "4.00" << QString();
        QTest::newRow("a word") << CalculatorKind::Bitterness
                                << Typing{{B::Alpha, "abc"}, {B::Ibu, ""}} << int(B::Alpha) << "abc"
                                << QString::fromStdString(
                                       formatMessage(1001, "% Alpha acid", "abc"));
        QTest::newRow("percent before the number")
            << CalculatorKind::AbvAbw << Typing{{0, "%5"}} << 0 << "%5"
            << QString::fromStdString(formatMessage(1001, "By Volume", "%5"));
        QTest::newRow("boil time in words")
            << CalculatorKind::Bitterness
            << Typing{{B::Alpha, "5"}, {B::BoilTime, "min"}, {B::Ibu, ""}} << int(B::BoilTime)
            << "min" << QString::fromStdString(formatMessage(1002, "Boil Time", "min"));
    }
    void fieldsReadTheirLeadingNumber() {
        QFETCH(CalculatorKind, kind);
        QFETCH(Typing, typing);
        QFETCH(int, resultField);
        QFETCH(QString, result);
        QFETCH(QString, refusal);
        const CommaDecimalLocale german;
        test::ScriptedPrompts prompts;
        test::CalculatorWindow w = test::openCalculator(kind, prompts);
        for (const auto& [field, text] : typing) {
            type(w.field(field), text);
        }
        w.calculate->click();
        QCOMPARE(w.field(resultField)->text(), result);
        if (refusal.isEmpty()) {
            QCOMPARE(prompts.shownNumbers(), std::vector<int>{});
        } else {
            QCOMPARE(prompts.shown().size(), std::size_t(1));
            QCOMPARE(QString::fromStdString(prompts.shown()[0].text), refusal);
            QCOMPARE(w.dialog->focusWidget(), w.field(resultField));
        }
    }
};

MW_REGISTER_TEST(TestCalculatorWindows)
#include "tst_calculator_windows.moc"
