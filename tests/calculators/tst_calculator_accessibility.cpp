#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QApplication>
#include <QtTest>

#include "calculator_window.h"
#include "support/scripted_prompts.h"
#include "support/test_registry.h"

using namespace mw;
using namespace mw::calculators;
using test::CalculatorKind;

namespace {

QString accessibleText(QWidget* widget, QAccessible::Text which) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface == nullptr ? QString() : iface->text(which);
}

void addEveryWindow() {
    QTest::newRow("bitterness") << CalculatorKind::Bitterness;
    QTest::newRow("original gravity") << CalculatorKind::Gravity;
    QTest::newRow("alcohol") << CalculatorKind::Alcohol;
    QTest::newRow("SG to/from Balling") << CalculatorKind::SgBalling;
    QTest::newRow("ABV to/from ABW") << CalculatorKind::AbvAbw;
}

// How a value reaches a field through the accessibility interface.
enum class Via { SetValue, ReplaceText, InsertText };

struct AccessibleEntry {
    int field = 0;
    Via via = Via::SetValue;
    QString text;
};
using AccessibleEntries = QList<AccessibleEntry>;

void enterAccessibly(QLineEdit* field, const AccessibleEntry& entry) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(field);
    QVERIFY(iface != nullptr);
    switch (entry.via) {
        case Via::SetValue:
            iface->setText(QAccessible::Value, entry.text);
            break;
        case Via::ReplaceText: {
            QAccessibleEditableTextInterface* editable = iface->editableTextInterface();
            QVERIFY(editable != nullptr);
            editable->replaceText(0, static_cast<int>(field->text().size()), entry.text);
            break;
        }
        case Via::InsertText: {
            QAccessibleEditableTextInterface* editable = iface->editableTextInterface();
            QVERIFY(editable != nullptr);
            editable->insertText(static_cast<int>(field->text().size()), entry.text);
            break;
        }
    }
}

// The accessible names met while pressing Tab from the focused widget until
// the focus comes back to it (at most `limit` presses).
QStringList tabCycle(int limit = 40) {
    QStringList names;
    QWidget* start = QApplication::focusWidget();
    if (start == nullptr) {
        return {QStringLiteral("(no focus)")};
    }
    QWidget* current = start;
    do {
        names << accessibleText(current, QAccessible::Name);
        QTest::keyClick(current, Qt::Key_Tab);
        current = QApplication::focusWidget();
    } while (current != nullptr && current != start && names.size() < limit);
    return names;
}

// Brings a window to a state in which Calculate solves, so that every
// control is enabled.
void makeSolvable(CalculatorKind kind, test::CalculatorWindow& w) {
    if (kind == CalculatorKind::Bitterness) {
        test::typeInto(w.field(CBitternessCalcDlg::Field::Alpha), QStringLiteral("5"));
    }
}

}  // namespace

Q_DECLARE_METATYPE(AccessibleEntries)

class TestCalculatorAccessibility : public QObject {
    Q_OBJECT

private slots:
    // Tab walks the window as it reads: the left column top to bottom, the
    // right column, then the buttons along the bottom. A group of option
    // buttons is one stop, at its checked button; the arrow keys move within.
    void tabFollowsTheLayout_data() {
        QTest::addColumn<CalculatorKind>("kind");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("bitterness") << CalculatorKind::Bitterness
                                    << QStringList{"Select a Hop...",
                                                   "Weight",
                                                   "% Alpha acid of hops",
                                                   "Boil Volume",
                                                   "Original Gravity",
                                                   "Boil Time",
                                                   "% Utilization of hops",
                                                   "English",
                                                   "Currently solving for:",
                                                   "IBUs",
                                                   "HBUs",
                                                   "Calculate",
                                                   "Recalculate",
                                                   "Clear",
                                                   "Close"};
        QTest::newRow("original gravity") << CalculatorKind::Gravity
                                          << QStringList{"Extract...",
                                                         "Adjunct...",
                                                         "Grain...",
                                                         "Weight",
                                                         "Pounds",
                                                         "Extract Potential",
                                                         "Boil Volume",
                                                         "Efficiency",
                                                         "Currently solving for:",
                                                         "Original Gravity",
                                                         "Balling",
                                                         "Calculate",
                                                         "Recalculate",
                                                         "Clear",
                                                         "SG to/from Balling...",
                                                         "Close"};
        QTest::newRow("alcohol") << CalculatorKind::Alcohol
                                 << QStringList{"Original Gravity",
                                                "Terminal Gravity*",
                                                "Yeast Attenuation",
                                                "Currently solving for:",
                                                "% by Volume",
                                                "% by Weight",
                                                "Calculate",
                                                "Recalculate",
                                                "Clear",
                                                "ABV to/from ABW...",
                                                "SG to/from Balling...",
                                                "Close"};
        QTest::newRow("SG to/from Balling")
            << CalculatorKind::SgBalling << QStringList{"Specific Gravity", "Balling", "Calculate",
                                                        "Recalculate",      "Clear",   "Close"};
        QTest::newRow("ABV to/from ABW")
            << CalculatorKind::AbvAbw
            << QStringList{"By Volume", "By Weight", "Calculate", "Recalculate", "Clear", "Close"};
    }
    void tabFollowsTheLayout() {
        QFETCH(CalculatorKind, kind);
        QFETCH(QStringList, order);
        test::ScriptedPrompts prompts;
        test::CalculatorWindow w = test::openCalculator(kind, prompts);
        QVERIFY(QTest::qWaitForWindowActive(w.dialog.get()));
        makeSolvable(kind, w);
        w.calculate->click();
        QCOMPARE(prompts.shownNumbers(), std::vector<int>{});
        QWidget* first = w.dialog->nextInFocusChain();
        while (!(first->focusPolicy() & Qt::TabFocus) || !first->isEnabled()) {
            first = first->nextInFocusChain();
        }
        first->setFocus();
        QStringList cycle = tabCycle();
        // The cycle starts wherever the chain starts; compare it from the
        // first name of the expected order.
        const qsizetype at = cycle.indexOf(order.first());
        QVERIFY2(at >= 0, qPrintable(cycle.join(QStringLiteral(" | "))));
        cycle = cycle.mid(at) + cycle.mid(0, at);
        QCOMPARE(cycle.join(QStringLiteral(" | ")), order.join(QStringLiteral(" | ")));
    }

    // Return in a field presses Calculate; Escape closes the window.
    void returnCalculatesAndEscapeCloses_data() {
        QTest::addColumn<CalculatorKind>("kind");
        addEveryWindow();
    }
    void returnCalculatesAndEscapeCloses() {
        QFETCH(CalculatorKind, kind);
        test::ScriptedPrompts prompts;
        test::CalculatorWindow w = test::openCalculator(kind, prompts);
        QVERIFY(QTest::qWaitForWindowActive(w.dialog.get()));
        makeSolvable(kind, w);
        QWidget* field = QApplication::focusWidget();
        QVERIFY(qobject_cast<QLineEdit*>(field) != nullptr);
        QSignalSpy calculated(w.calculate, &QPushButton::clicked);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(calculated.count(), 1);
        QCOMPARE(prompts.shownNumbers(), std::vector<int>{});
        QVERIFY(w.dialog->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!w.dialog->isVisible());
        QCOMPARE(w.dialog->result(), int(QDialog::Rejected));
    }

    // A value a screen reader, voice control or on-screen keyboard puts into
    // a field is the value calculated with, and the field it went into counts
    // as the one edited last.
    void valuesEnteredThroughAccessibility_data() {
        QTest::addColumn<CalculatorKind>("kind");
        QTest::addColumn<AccessibleEntries>("entries");
        QTest::addColumn<int>("resultField");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("focusField");
        using B = CBitternessCalcDlg::Field;
        using G = COGCalcDlg::Field;
        using A = CAlcoholCalcDlg::Field;
        // 5 x 0.01 x 7490 x 1 x 0.231 / 5 = 17.3 (utilization 0.231 at 1.050, 60 minutes)
        QTest::newRow("bitterness") << CalculatorKind::Bitterness
                                    << AccessibleEntries{{B::Alpha, Via::SetValue, "5"},
                                                         {B::Gravity, Via::ReplaceText, "1.050"},
                                                         {B::BoilTime, Via::SetValue, "60"},
                                                         {B::Ibu, Via::ReplaceText, ""}}
                                    << int(B::Ibu) << "17" << int(B::Ibu);
        // 40 points x 1 lb / 5 gallons at 100 percent: 1.008
        QTest::newRow("original gravity")
            << CalculatorKind::Gravity
            << AccessibleEntries{{G::OriginalGravity, Via::SetValue, ""},
                                 {G::Efficiency, Via::ReplaceText, "100"},
                                 {G::Potential, Via::SetValue, "1.040"}}
            << int(G::OriginalGravity) << "1.008" << int(G::Potential);
        // "1.04" and an inserted "8" read 1.048; 75 percent of 48 points remain: 1.036
        QTest::newRow("alcohol") << CalculatorKind::Alcohol
                                 << AccessibleEntries{{A::TerminalGravity, Via::SetValue, ""},
                                                      {A::ByVolume, Via::SetValue, ""},
                                                      {A::OriginalGravity, Via::InsertText, "8"}}
                                 << int(A::TerminalGravity) << "1.036" << int(A::OriginalGravity);
        // (1.048 - 1) x 250 = 12
        QTest::newRow("SG to/from Balling")
            << CalculatorKind::SgBalling << AccessibleEntries{{0, Via::ReplaceText, "1.048"}} << 1
            << "12.00" << 0;
        // 10 x 0.8 = 8
        QTest::newRow("ABV to/from ABW")
            << CalculatorKind::AbvAbw << AccessibleEntries{{0, Via::SetValue, "10"}} << 1 << "8.00"
            << 0;
        // The By Weight field was the one filled: 4 x 1.25 = 5
        QTest::newRow("ABW to ABV")
            << CalculatorKind::AbvAbw
            << AccessibleEntries{{0, Via::SetValue, ""}, {1, Via::InsertText, "4"}} << 0 << "5.00"
            << 1;
    }
    void valuesEnteredThroughAccessibility() {
        QFETCH(CalculatorKind, kind);
        QFETCH(AccessibleEntries, entries);
        QFETCH(int, resultField);
        QFETCH(QString, result);
        QFETCH(int, focusField);
        test::ScriptedPrompts prompts;
        test::CalculatorWindow w = test::openCalculator(kind, prompts);
        for (const AccessibleEntry& entry : entries) {
            enterAccessibly(w.field(entry.field), entry);
        }
        w.calculate->click();
        QCOMPARE(prompts.shownNumbers(), std::vector<int>{});
        QCOMPARE(w.field(resultField)->text(), result);
        QCOMPARE(w.dialog->focusWidget(), w.field(focusField));
    }
};

MW_REGISTER_TEST(TestCalculatorAccessibility)
#include "tst_calculator_accessibility.moc"
