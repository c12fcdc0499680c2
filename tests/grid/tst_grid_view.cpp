#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include "grid/grid_settings.h"
#include "grid/gw_grid_ctrl.h"
#include "grid/sheet_model.h"
#include "resources/message_catalogue.h"
#include "support/scripted_prompts.h"
#include "support/test_registry.h"

using namespace mw;
using namespace mw::grid;

namespace {

// The shipped ingredient settings' Hops and Yeasts sheets.
constexpr int kHops = 4;
constexpr int kYeasts = 5;
constexpr int kAlpha = 1;
constexpr int kWeight = 2;
constexpr int kBoil = 4;
constexpr int kIbu = 5;

SheetSettings sheetSettings(int sheet) {
    QString problem;
    const GridSettings settings =
        loadGridSettings(QString(), QStringLiteral("GWIngredients.gws"), &problem);
    return settings.sheets[static_cast<std::size_t>(sheet)];
}

// One sheet on the screen with a data row and the new row.
struct Shown {
    CGWSheetModel model;
    CGWGridCtrl view;
    test::ScriptedPrompts prompts;

    explicit Shown(int sheet, const QStringList& row) : model(sheetSettings(sheet), true) {
        model.setRows({row});
        view.setSheet(&model);
        view.setPrompts(&prompts);
        view.resize(800, 200);
        view.show();
    }
    QString shown(int row, int column) const {
        return view.model()->index(row, column).data(Qt::DisplayRole).toString();
    }
    // Opens a cell's editor as the user does and types over its text.
    QLineEdit* typeInto(int row, int column, const QString& text) {
        view.setCurrentCell(row, column);
        QTest::keyClick(&view, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(view.indexWidget(view.currentIndex()));
        if (editor != nullptr) {
            editor->selectAll();
            if (text.isEmpty()) {
                QTest::keyClick(editor, Qt::Key_Delete);
            }
            QTest::keyClicks(editor, text);
        }
        return editor;
    }
    // Ends the edit with a key; Enter commits once control is back in the
    // event loop.
    static void finish(QLineEdit* editor, int key) {
        QTest::keyClick(editor, static_cast<Qt::Key>(key));
        QCoreApplication::processEvents();
    }
};

QStringList hopRow() {
    return {QStringLiteral("Cascade"), QStringLiteral("10.5"), QStringLiteral("1"),
            QStringLiteral("oz"),      QStringLiteral("60"),   QStringLiteral("12.6"),
            QStringLiteral("5.25"),    QStringLiteral("1")};
}

}  // namespace

// The grid on the screen: number columns shown with their decimals, the
// report of a finished edit, and number cells refusing texts that are not
// numbers.
class TestGridView : public QObject {
    Q_OBJECT

private slots:
    void showsNumberColumnsWithTheirDecimals_data() {
        QTest::addColumn<int>("sheet");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("whole alpha gets its decimal") << kHops << kAlpha << "13"
                                                      << "13.0";
        QTest::newRow("alpha as typed") << kHops << kAlpha << "10.5"
                                        << "10.5";
        QTest::newRow("alpha rounded") << kHops << kAlpha << "10.25"
                                       << "10.3";
        QTest::newRow("IBU without decimals") << kHops << kIbu << "12.6"
                                              << "13";
        QTest::newRow("empty stays empty") << kHops << kWeight << ""
                                           << "";
        QTest::newRow("not a number as stored") << kHops << kWeight << "abc"
                                                << "abc";
        QTest::newRow("column without decimals") << kYeasts << 4 << "1.25"
                                                 << "1.25";
        QTest::newRow("attenuation two decimals") << kYeasts << 6 << "75"
                                                  << "75.00";
        QTest::newRow("whole-number column") << kHops << kBoil << "60"
                                             << "60";
    }
    void showsNumberColumnsWithTheirDecimals() {
        QFETCH(int, sheet);
        QFETCH(int, column);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QStringList row(8);
        row[column] = stored;
        Shown s(sheet, row);
        QCOMPARE(s.shown(0, column), shown);
        // The stored text and what an editor starts with stay as typed.
        QCOMPARE(s.model.cellText(0, column), stored);
        s.view.setCurrentCell(0, column);
        QTest::keyClick(&s.view, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(s.view.indexWidget(s.view.currentIndex()));
        QVERIFY(editor != nullptr);
        QCOMPARE(editor->text(), stored);
        QTest::keyClick(editor, Qt::Key_Escape);
    }

    void typedNumberIsShownWithDecimalsAndStoredAsTyped() {
        Shown s(kHops, hopRow());
        QLineEdit* editor = s.typeInto(0, kAlpha, QStringLiteral("13"));
        QVERIFY(editor != nullptr);
        QTest::keyClick(editor, Qt::Key_Tab);
        QCOMPARE(s.model.cellText(0, kAlpha), QStringLiteral("13"));
        QCOMPARE(s.shown(0, kAlpha), QStringLiteral("13.0"));
        QCOMPARE(s.shown(0, kWeight), QStringLiteral("1.0"));
    }

    void reportsTheEditedCellOnceForACommittedChange_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("reports");
        QTest::addColumn<QString>("stored");
        QTest::newRow("Tab") << "11" << int(Qt::Key_Tab) << 1 << "11";
        QTest::newRow("Enter") << "11" << int(Qt::Key_Return) << 1 << "11";
        QTest::newRow("Esc") << "11" << int(Qt::Key_Escape) << 0 << "10.5";
        QTest::newRow("unchanged, Tab") << "10.5" << int(Qt::Key_Tab) << 0 << "10.5";
    }
    void reportsTheEditedCellOnceForACommittedChange() {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(int, reports);
        QFETCH(QString, stored);
        Shown s(kHops, hopRow());
        QSignalSpy ended(&s.view, &CGWGridCtrl::editEnded);
        QLineEdit* editor = s.typeInto(0, kAlpha, typed);
        QVERIFY(editor != nullptr);
        Shown::finish(editor, key);
        QCOMPARE(s.model.cellText(0, kAlpha), stored);
        QCOMPARE(ended.count(), reports);
        if (reports > 0) {
            QCOMPARE(ended.at(0).at(0).toInt(), 0);
            QCOMPARE(ended.at(0).at(1).toInt(), kAlpha);
        }
        QVERIFY(s.prompts.shown().empty());
    }

    void refusesANumberCellTextThatIsNotANumber_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("message");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<int>("finish");  // a key, or 0 for a click on another cell
        QTest::newRow("decimal comma, Tab")
            << kWeight << "1,5" << 1001 << "Weight" << int(Qt::Key_Tab);
        QTest::newRow("letters, Enter")
            << kWeight << "abc" << 1001 << "Weight" << int(Qt::Key_Return);
        QTest::newRow("letters, a click elsewhere") << kWeight << "abc" << 1001 << "Weight" << 0;
        QTest::newRow("a minus sign only")
            << kAlpha << "-" << 1001 << "Alpha %" << int(Qt::Key_Tab);
        QTest::newRow("decimals in whole minutes")
            << kBoil << "1.5" << 1002 << "Boil (min)" << int(Qt::Key_Tab);
        QTest::newRow("letters in whole minutes")
            << kBoil << "ten" << 1002 << "Boil (min)" << int(Qt::Key_Return);
    }
    // The message names the column; the stored text stays, and what the
    // user typed stays in the cell's editor, which keeps the focus.
    void refusesANumberCellTextThatIsNotANumber() {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(int, message);
        QFETCH(QString, heading);
        QFETCH(int, finish);
        Shown s(kHops, hopRow());
        s.view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s.view));
        const QString before = s.model.cellText(0, column);
        QSignalSpy edited(&s.model, &CGWSheetModel::cellEdited);
        QSignalSpy ended(&s.view, &CGWGridCtrl::editEnded);
        QLineEdit* editor = s.typeInto(0, column, typed);
        QVERIFY(editor != nullptr);
        if (finish != 0) {
            Shown::finish(editor, finish);
        } else {
            const QRect other = s.view.visualRect(s.model.index(0, 0));
            QTest::mouseClick(s.view.viewport(), Qt::LeftButton, {}, other.center());
        }
        QCOMPARE(s.prompts.shownNumbers(), std::vector<int>{message});
        QCOMPARE(QString::fromStdString(s.prompts.shown().front().text),
                 QString::fromStdString(
                     formatMessage(message, heading.toStdString(), typed.toStdString())));
        QCOMPARE(s.prompts.shown().front().icon, PromptIcon::Exclamation);
        QCOMPARE(s.model.cellText(0, column), before);
        QCOMPARE(edited.count(), 0);
        QCOMPARE(ended.count(), 0);
        // Nothing typed is lost: the editor stays on the refused cell.
        QCOMPARE(s.view.currentIndex(), s.model.index(0, column));
        auto* still = qobject_cast<QLineEdit*>(s.view.indexWidget(s.model.index(0, column)));
        QVERIFY(still != nullptr);
        QCOMPARE(still->text(), typed);
        QCOMPARE(QApplication::focusWidget(), still);
        QVERIFY(s.view.indexWidget(s.model.index(0, column + 1)) == nullptr);
        // Corrected, it is stored; Esc instead would leave the cell as it was.
        still->selectAll();
        QTest::keyClicks(still, QStringLiteral("2"));
        Shown::finish(still, Qt::Key_Return);
        QCOMPARE(s.model.cellText(0, column), QStringLiteral("2"));
        QCOMPARE(s.prompts.shownNumbers(), std::vector<int>{message});
    }

    void acceptsNumbersInNumberCells_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::newRow("decimal point") << kWeight << "1.5";
        QTest::newRow("negative") << kAlpha << "-2";
        QTest::newRow("blanks around") << kWeight << " 2.25 ";
        QTest::newRow("emptied") << kWeight << "";
        QTest::newRow("whole minutes") << kBoil << "15";
    }
    void acceptsNumbersInNumberCells() {
        QFETCH(int, column);
        QFETCH(QString, typed);
        Shown s(kHops, hopRow());
        QLineEdit* editor = s.typeInto(0, column, typed);
        QVERIFY(editor != nullptr);
        QTest::keyClick(editor, Qt::Key_Tab);
        QVERIFY(s.prompts.shown().empty());
        QCOMPARE(s.model.cellText(0, column), typed);
    }
};

MW_REGISTER_TEST(TestGridView)

#include "tst_grid_view.moc"
