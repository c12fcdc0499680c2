#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "calc/sheets.h"
#include "grid/grid_settings.h"
#include "grid/sheet_model.h"
#include "support/qt_printers.h"
#include "support/scripted_prompts.h"
#include "support/test_registry.h"

using namespace mw::grid;

namespace {
GridSettings shipped(const char* name) {
    QFile file(QStringLiteral(MW_SOURCE_RESOURCES "/grid/") + QLatin1String(name));
    file.open(QIODevice::ReadOnly);
    const GridSettingsRead read = parseGridSettings(QString::fromUtf8(file.readAll()));
    return read.settings.value_or(GridSettings{});
}
}  // namespace

class TestGridSettings : public QObject {
    Q_OBJECT

private slots:
    void ingredientsFileHasTheSixSheets() {
        const GridSettings s = shipped("GWIngredients.gws");
        QCOMPARE(s.title, QStringLiteral("Recipe Ingredients"));
        QCOMPARE(s.fontFamily, QStringLiteral("Arial"));
        QCOMPARE(s.secondFontFamily, QStringLiteral("MS San Serif"));
        QCOMPARE(int(s.sheets.size()), mw::calc::kSheetCount);
        for (int i = 0; i < mw::calc::kSheetCount; ++i) {
            QCOMPARE(int(s.sheets[std::size_t(i)].columns.size()),
                     mw::calc::columnCount(static_cast<mw::calc::Sheet>(i)));
            // The owning recipe's column is there but hidden.
            QCOMPARE(s.sheets[std::size_t(i)].columns.back().widthTenths, 0);
        }
        const ColumnSettings& hopUnits = s.sheets[4].columns[mw::calc::HopCol::Units];
        QCOMPARE(hopUnits.kind, CellKind::DropDownList);
        QCOMPARE(hopUnits.items, (QStringList{"oz", "g"}));
        QCOMPARE(s.sheets[1].columns[mw::calc::ExtractCol::Hopped].kind, CellKind::CheckBox);
    }

    void targetStyleFileIsFiveBySix() {
        const GridSettings s = shipped("GWTargetStyle.gws");
        QCOMPARE(int(s.sheets.size()), 1);
        QCOMPARE(int(s.sheets[0].columns.size()), 6);
        QCOMPARE(s.sheets[0].rowHeadings.size(), qsizetype(4));
        int tenths = 0;
        for (const ColumnSettings& c : s.sheets[0].columns) {
            tenths += c.widthTenths;
        }
        QCOMPARE(tenths, 32);
    }

    void writingAndReadingAgreeAndKeepQuotes() {
        GridSettings s = shipped("GWIngredients.gws");
        s.sheets[0].columns[0].heading = QStringLiteral("The \"maker\"");
        s.sheets[0].rowHeadings = QStringList{"a b", ""};
        const GridSettingsRead again = parseGridSettings(writeGridSettings(s));
        QVERIFY(again.settings.has_value());
        QVERIFY(*again.settings == s);
    }

    void damagedFiles_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");
        QTest::newRow("unclosed quote") << "grid \"x\nsheet \"a\"\n" << 1;
        QTest::newRow("unknown kind") << "sheet \"a\"\ncolumn \"b\" slider 5\n" << 2;
        QTest::newRow("column before sheet") << "# c\ncolumn \"b\" edit 5\n" << 2;
        QTest::newRow("width not a number") << "sheet \"a\"\ncolumn \"b\" edit wide\n" << 2;
        QTest::newRow("font size") << "font \"Arial\" big\nsheet \"a\"\n" << 1;
        QTest::newRow("no sheet") << "grid \"x\"\n" << 2;
        QTest::newRow("unknown statement") << "sheet \"a\"\nfooter \"x\"\n" << 2;
        QTest::newRow("more decimals than a double holds")
            << "sheet \"a\"\ncolumn \"b\" float 5 decimals=2147483647\n"
            << 2;
    }
    void damagedFiles() {
        QFETCH(QString, text);
        QFETCH(int, line);
        const GridSettingsRead read = parseGridSettings(text);
        QVERIFY(!read.settings.has_value());
        QCOMPARE(read.errorLine, line);
        QVERIFY(!read.error.isEmpty());
    }

    void missingOrDamagedFileFallsBackToTheBuiltInCopy() {
        QTemporaryDir dir;
        QString problem;
        const GridSettings fromMissing =
            loadGridSettings(dir.filePath(QStringLiteral("GWIngredients.gws")),
                             QStringLiteral("GWIngredients.gws"), &problem);
        QVERIFY(fromMissing == shipped("GWIngredients.gws"));
        QVERIFY(problem.contains(QStringLiteral("missing")));

        QFile damaged(dir.filePath(QStringLiteral("GWTargetStyle.gws")));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("sheet \"a\"\ncolumn \"b\" slider 5\n");
        damaged.close();
        problem.clear();
        const GridSettings fromDamaged =
            loadGridSettings(damaged.fileName(), QStringLiteral("GWTargetStyle.gws"), &problem);
        QVERIFY(fromDamaged == shipped("GWTargetStyle.gws"));
        QVERIFY(problem.contains(QStringLiteral("line 2")));
    }

    void fallbackIsAnnounced() {
        QTemporaryDir dir;
        mw::test::ScriptedPrompts prompts;
        const GridSettings s = loadGridSettings(dir.filePath(QStringLiteral("GWIngredients.gws")),
                                                QStringLiteral("GWIngredients.gws"), prompts);
        QCOMPARE(int(s.sheets.size()), 6);
        QCOMPARE(prompts.shownNumbers(), std::vector<int>{1053});
        QVERIFY(prompts.shown()[0].text.find("GWIngredients.gws (the file is missing)") !=
                std::string::npos);

        // Not found in any program folder: there is no path, and the message
        // still names the file.
        prompts.clear();
        loadGridSettings(QString(), QStringLiteral("GWTargetStyle.gws"), prompts);
        QVERIFY(prompts.shown()[0].text.find("GWTargetStyle.gws (the file is missing)") !=
                std::string::npos);
    }

    // A fixed table: its rows are the row headings, which are not editable.
    void fixedSizeSheet() {
        CGWSheetModel model(shipped("GWTargetStyle.gws").sheets[0], false);
        QCOMPARE(model.rowCount(), 4);
        QCOMPARE(model.columnCount(), 6);
        QCOMPARE(model.cellText(0, 0), QStringLiteral("Original Gravity"));
        QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
        QCOMPARE(model.headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Predicted"));
        model.setCellText(0, 3, QStringLiteral("1.052"));
        model.setCellColor(0, 3, QColor(255, 0, 0));
        QCOMPARE(model.data(model.index(0, 3), Qt::ForegroundRole).value<QColor>(),
                 QColor(255, 0, 0));
        QCOMPARE(model.data(model.index(0, 3), Qt::DisplayRole).toString(),
                 QStringLiteral("1.052"));
    }

    // (pixels per inch / 10, a whole number) x tenths.
    void widthsFollowTheScreen() {
        QCOMPARE(GridSettings::pixels(11, 96.0), 99);
        QCOMPARE(GridSettings::pixels(5, 120.0), 60);
        QCOMPARE(GridSettings::pixels(0, 96.0), 0);
    }
};

MW_REGISTER_TEST(TestGridSettings)
#include "tst_grid_settings.moc"
