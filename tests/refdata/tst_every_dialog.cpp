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
        // What a new record shows ("Column=text"; a radio group shows the chosen index).
        QTest::addColumn<QStringList>("defaults");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("keyFormat");

        // Names with quotes and letters beyond ASCII, stored as typed.
        QTest::newRow("hops")
            << QStringLiteral("Hops")
            << QStringList{QStringLiteral("HopsName=Mittelfrüh \"Jim's\""),
                           QStringLiteral("HopsAlpha=4.5")}
            << QStringList{QStringLiteral("HopsAlphaLo=3.5"), QStringLiteral("HopsAlphaHi=5.5")}
            << QStringLiteral("HopsName")
            << QStringList{QStringLiteral("HopsAlpha=1.0"), QStringLiteral("HopsAlphaLo=1.0"),
                           QStringLiteral("HopsAlphaHi=1.0"), QStringLiteral("HopsStability=2"),
                           QStringLiteral("HopsOrigin=")}
            << QStringLiteral("Hops") << QStringLiteral("{HopsName}, {HopsAlpha}%");
        QTest::newRow("grains")
            << QStringLiteral("Grains")
            << QStringList{QStringLiteral("GrainsCategory=Crystal, Caramel, Carastan Malts"),
                           QStringLiteral("GrainsName=Crème \"Caramünch\" 60")}
            << QStringList{} << QStringLiteral("GrainsManuf")
            << QStringList{QStringLiteral("GrainsCategory="), QStringLiteral("GrainsColor=")}
            << QStringLiteral("Grain") << QStringLiteral("{GrainsName}");
        QTest::newRow("extracts") << QStringLiteral("Extracts")
                                  << QStringList{QStringLiteral("ExtractsManuf=Bräu & Söhne"),
                                                 QStringLiteral("ExtractsName=\"Extra\" Light")}
                                  << QStringList{} << QStringLiteral("ExtractsManuf")
                                  << QStringList{QStringLiteral("ExtractsHopped=0"),
                                                 QStringLiteral("ExtractsForm="),
                                                 QStringLiteral("ExtractsUnits=")}
                                  << QStringLiteral("Malt Extract")
                                  << QStringLiteral("{ExtractsName}");
        QTest::newRow("yeast") << QStringLiteral("Yeast")
                               << QStringList{QStringLiteral("YeastManuf=Levure d'Île"),
                                              QStringLiteral("YeastStrain=Saison «Dupont»")}
                               << QStringList{} << QStringLiteral("YeastManuf")
                               << QStringList{QStringLiteral("YeastType=0"),
                                              QStringLiteral("YeastForm=0"),
                                              QStringLiteral("YeastAttenuation=")}
                               << QStringLiteral("Yeast") << QStringLiteral("{YeastStrain}");
        QTest::newRow("adjuncts") << QStringLiteral("Adjuncts")
                                  << QStringList{QStringLiteral(
                                         "AdjunctsName=Candi sugar \"D-180\", Belgian")}
                                  << QStringList{} << QStringLiteral("AdjunctsName")
                                  << QStringList{QStringLiteral("AdjunctsFermentable=0"),
                                                 QStringLiteral("AdjunctsPriming=0")}
                                  << QStringLiteral("Adjuncts") << QStringLiteral("{AdjunctsName}");
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
        QFETCH(QStringList, defaults);
        auto dialog = f.open(table);
        QVERIFY(dialog);
        const long before = rowsIn(table);
        keys::add(dialog.get());
        QVERIFY(dialog->isAdding());
        QVERIFY(!dialog->isDirty());
        QCOMPARE(focused(), firstField);
        // Required fields without a default start empty.
        QMap<QString, QString> expected;
        for (const QString& assignment : required) {
            expected.insert(split(assignment).first, QString());
        }
        for (const QString& assignment : defaults) {
            const auto [column, value] = split(assignment);
            expected.insert(column, value);
        }
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            QCOMPARE(shown(dialog.get(), it.key()), it.value());
        }
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
