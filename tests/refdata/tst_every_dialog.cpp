// One table of cases over every reference-data dialog: each row names the
// table, the required fields in the order the check reads them (with a value
// to type), the field that has the focus on a new record, and how the delete
// confirmation names a record.

#include <QRegularExpression>

#include "refdata_fixture.h"
#include "support/test_registry.h"

namespace mw::test {

namespace {

// "{HopsName}, {HopsAlpha}%" with the dialog's field texts put in.
QString keyTextOf(QWidget* dialog, QString format) {
    static const QRegularExpression field(QStringLiteral("\\{(\\w+)\\}"));
    QRegularExpressionMatch m;
    while ((m = field.match(format)).hasMatch()) {
        format.replace(m.capturedStart(), m.capturedLength(), shown(dialog, m.captured(1)));
    }
    return format;
}

}  // namespace

class TestEveryDialog : public QObject {
    Q_OBJECT

    RefdataFixture f;

    void rows() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("required");
        // Other fields a new record needs before it passes the checks.
        QTest::addColumn<QStringList>("others");
        QTest::addColumn<QString>("firstField");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("keyFormat");

        // A name with quotes and letters beyond ASCII, to be stored as typed.
        QTest::newRow("hops") << QStringLiteral("Hops")
                              << QStringList{QStringLiteral("HopsName=Mittelfrüh \"Jim's\""),
                                             QStringLiteral("HopsAlpha=4.5")}
                              << QStringList{QStringLiteral("HopsAlphaLo=3.5"),
                                             QStringLiteral("HopsAlphaHi=5.5")}
                              << QStringLiteral("HopsName") << QStringLiteral("Hops")
                              << QStringLiteral("{HopsName}, {HopsAlpha}%");

        // Kits, styles, water, glossary, suppliers and the brewer.
        QTest::newRow("kits") << QStringLiteral("Kits")
                              << QStringList{QStringLiteral("KitsManuf=Fässler \"Keller\" Kits"),
                                             QStringLiteral("KitsStyle=Märzen d'Or")}
                              << QStringList{QStringLiteral("KitsHBU=7.5"),
                                             QStringLiteral("KitsUnits=1"),
                                             QStringLiteral("KitsStartSPGrav=1.032")}
                              << QStringLiteral("KitsManuf") << QStringLiteral("Kit")
                              << QStringLiteral("{KitsManuf}, {KitsStyle}");
        QTest::newRow("styles")
            << QStringLiteral("Styles")
            << QStringList{QStringLiteral("StylesName=Gose \"Leipziger\" Art"),
                           QStringLiteral("StylesCategory=Historische Biere ÄÖÜ")}
            << QStringList{QStringLiteral("StylesSubcategory=27A"),
                           QStringLiteral("StylesType=Hybrid Beers"),
                           QStringLiteral("StylesGravityLo=1.036"),
                           QStringLiteral("StylesGravityHi=1.056")}
            << QStringLiteral("StylesName") << QStringLiteral("Style")
            << QStringLiteral("{StylesName}, {StylesCategory}, {StylesSubcategory}");
        QTest::newRow("water") << QStringLiteral("Water")
                               << QStringList{QStringLiteral("WaterType=Brünn \"Soft\" 'Well'")}
                               << QStringList{QStringLiteral("WaterHardness=2")}
                               << QStringLiteral("WaterType") << QStringLiteral("Water")
                               << QStringLiteral("{WaterType}");
        QTest::newRow("glossary")
            << QStringLiteral("Glossary")
            << QStringList{QStringLiteral("GlossaryTerm=Böckchen \"kleiner Bock\"")}
            << QStringList{QStringLiteral("GlossaryInfo=A small, strong lager's cousin.")}
            << QStringLiteral("GlossaryTerm") << QStringLiteral("Glossary")
            << QStringLiteral("{GlossaryTerm}");
        QTest::newRow("suppliers")
            << QStringLiteral("Suppliers")
            << QStringList{QStringLiteral("SuppliersName=Bräuhaus \"Hopfen\" & Co.")}
            << QStringList{QStringLiteral("SuppliersEMail=shop@brauhaus.example.com")}
            << QStringLiteral("SuppliersName") << QStringLiteral("Supplier")
            << QStringLiteral("{SuppliersName}");
        QTest::newRow("brewer") << QStringLiteral("Brewer")
                                << QStringList{QStringLiteral("BrewerName=Anna Ölberg \"AJ\"")}
                                << QStringList{QStringLiteral("BrewerSkill=3")}
                                << QStringLiteral("BrewerName") << QStringLiteral("Brewer")
                                << QStringLiteral("{BrewerName}");
    }

    static std::pair<QString, QString> split(const QString& assignment) {
        const qsizetype at = assignment.indexOf(QLatin1Char('='));
        return {assignment.left(at), assignment.mid(at + 1)};
    }

    // The only brewer asks a question of its own before the delete
    // (tst_kit_brewer_supplier); with a second brewer the delete is the common one.
    void addSecondBrewer(const QString& table) {
        if (table == QLatin1String("Brewer")) {
            f.exec(QStringLiteral("INSERT INTO Brewer (BrewerName) VALUES ('Zoe Second')"));
        }
    }

    long rowsIn(const QString& table) {
        return f.query(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table)).toInt();
    }

private slots:
    void init() { f.freshData(); }

    void addFillSaveAndFindTheRow_data() { rows(); }
    void addFillSaveAndFindTheRow() {
        QFETCH(QString, table);
        QFETCH(QStringList, required);
        QFETCH(QStringList, others);
        QFETCH(QString, firstField);
        auto dialog = f.open(table);
        QVERIFY(dialog);
        const long before = rowsIn(table);
        keys::add(dialog.get());
        QVERIFY(dialog->isAdding());
        QCOMPARE(focused(), firstField);
        QVERIFY(f.prompts.shown().empty());
        for (const QString& assignment : required + others) {
            const auto [column, value] = split(assignment);
            enter(dialog.get(), column, value);
        }
        keys::next(dialog.get());
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{262});  // answered Yes
        QVERIFY(!dialog->isAdding());
        QVERIFY(!dialog->isDirty());
        QCOMPARE(rowsIn(table), before + 1);
        // Next moved on from the new record; Previous comes back to it.
        keys::previous(dialog.get());
        QStringList where;
        QVariantList values;
        for (const QString& assignment : required) {
            const auto [column, value] = split(assignment);
            QCOMPARE(shown(dialog.get(), column), value);
            where << QStringLiteral("\"%1\" = ?").arg(column);
            values << value;
        }
        QCOMPARE(f.query(QStringLiteral("SELECT count(*) FROM \"%1\" WHERE %2")
                             .arg(table, where.join(QStringLiteral(" AND "))),
                         values)
                     .toInt(),
                 1);
        QCOMPARE(dialog->lastAddedId(),
                 f.query(QStringLiteral("SELECT max(rowid) FROM \"%1\"").arg(table)).toLongLong());
    }

    void requiredFieldsAreCheckedInOrder_data() { rows(); }
    void requiredFieldsAreCheckedInOrder() {
        QFETCH(QString, table);
        QFETCH(QStringList, required);
        QFETCH(QStringList, others);
        auto dialog = f.open(table);
        QVERIFY(dialog);
        keys::add(dialog.get());
        for (const QString& assignment : others) {
            const auto [column, value] = split(assignment);
            enter(dialog.get(), column, value);
        }
        for (const QString& assignment : required) {
            enter(dialog.get(), split(assignment).first, QString());
        }
        for (const QString& assignment : required) {
            const auto [column, value] = split(assignment);
            f.prompts.clear();
            keys::next(dialog.get());
            QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{119});
            QCOMPARE(f.prompts.shown().front().icon, PromptIcon::Exclamation);
            QCOMPARE(focused(), column);
            QVERIFY(dialog->isAdding());
            enter(dialog.get(), column, value);
        }
        f.prompts.clear();
        keys::next(dialog.get());
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{262});
        QVERIFY(!dialog->isAdding());
    }

    void deleteAsksWithTheTableWordAndKey_data() { rows(); }
    void deleteAsksWithTheTableWordAndKey() {
        QFETCH(QString, table);
        addSecondBrewer(table);
        QFETCH(QString, word);
        QFETCH(QString, keyFormat);
        auto dialog = f.open(table);
        QVERIFY(dialog);
        const long before = rowsIn(table);
        const QString key = keyTextOf(dialog.get(), keyFormat);
        f.prompts.answerNext(PromptAnswer::Cancel);
        keys::remove(dialog.get());
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{32});
        const Prompt& asked = f.prompts.shown().front();
        QCOMPARE(QString::fromStdString(asked.text),
                 QStringLiteral("Please confirm delete -\n%1 - %2").arg(word, key));
        QCOMPARE(asked.icon, PromptIcon::Question);
        QCOMPARE(asked.buttons, PromptButtons::OkCancel);
        QCOMPARE(rowsIn(table), before);
        QCOMPARE(keyTextOf(dialog.get(), keyFormat), key);

        f.prompts.clear();
        keys::remove(dialog.get());  // answered OK
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{32});
        QCOMPARE(rowsIn(table), before - 1);
        // The next record in index order is shown.
        QVERIFY(keyTextOf(dialog.get(), keyFormat) != key);
        QVERIFY(dialog->hasRecord());
    }

    void deleteWithoutTheWarningDeletesAtOnce_data() { rows(); }
    void deleteWithoutTheWarningDeletesAtOnce() {
        QFETCH(QString, table);
        addSecondBrewer(table);
        f.settings->setInteger(storage::Setting::DisplayDeleteWarnings, 0);
        auto dialog = f.open(table);
        QVERIFY(dialog);
        const long before = rowsIn(table);
        keys::click(dialog.get(), refdata::CAddChgToolBar::Delete);
        QVERIFY(f.prompts.shown().empty());
        QCOMPARE(rowsIn(table), before - 1);
        f.settings->setInteger(storage::Setting::DisplayDeleteWarnings, 1);
    }
};

MW_REGISTER_TEST(TestEveryDialog)

}  // namespace mw::test

#include "tst_every_dialog.moc"
