#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <algorithm>

#include "recipe_form/lookup_fixture.h"
#include "resources/message_catalogue.h"
#include "resources/number_text.h"
#include "shell/help_topic.h"
#include "shell/hint_balloon.h"
#include "storage/schema.h"
#include "support/test_registry.h"

using namespace mw;
using namespace mw::recipe_form;
using mw::test::Kind;

namespace {

bool isAscending(const QStringList& texts) {
    return std::is_sorted(texts.begin(), texts.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
}

std::vector<double> numbers(const QStringList& texts) {
    std::vector<double> values;
    for (const QString& t : texts) {
        values.push_back(leadingNumber(t.toStdString()));
    }
    return values;
}

}  // namespace

// The list: headings, widths, order, sorting by a clicked heading, the adjunct
// modes and the hints.
class TestLookupList : public QObject {
    Q_OBJECT

    test::LookupFixture f;

private slots:
    void initTestCase() {
        f.makeSeededDatabase();
        storage::createDatabase(
            f.path(QStringLiteral("short.mdb")), storage::DatabaseKind::Data,
            [](storage::Database& db) {
                db.exec(
                    QStringLiteral("INSERT INTO Hops (HopsName, HopsAlpha, HopsOrigin) "
                                   "VALUES ('Saaz', 3.5, 'CZ')"));
                db.exec(QStringLiteral("INSERT INTO Adjuncts (AdjunctsName) VALUES ('Salt')"));
                db.exec(
                    QStringLiteral("INSERT INTO Yeast (YeastManuf, YeastStrain) "
                                   "VALUES ('W', 'S-23')"));
            });
    }
    void init() {
        f.useDataFile(f.seeded());
        f.prompts.clear();
    }

    void headings_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QStringList>("headings");
        QTest::newRow("adjunct") << Kind::Adjunct << QStringList{"Name"};
        QTest::newRow("fermentable")
            << Kind::FermentableOnly << QStringList{"Name (Fermentable Only)"};
        QTest::newRow("priming") << Kind::Priming << QStringList{"Name (Priming Only)"};
        QTest::newRow("extract") << Kind::Extract << QStringList{"Manufacturer", "Name"};
        QTest::newRow("grain") << Kind::Grain << QStringList{"Category", "Name"};
        QTest::newRow("hop") << Kind::Hop << QStringList{"Name", "Alpha", "Origin"};
        QTest::newRow("kit") << Kind::Kit << QStringList{"Manufacturer", "Style"};
        QTest::newRow("yeast") << Kind::Yeast << QStringList{"Manufacturer", "Strain"};
    }
    void headings() {
        QFETCH(Kind, kind);
        QFETCH(QStringList, headings);
        const auto lookup = f.lookupOf(kind);
        QVERIFY(lookup->load());
        QCOMPARE(lookup->headings(), headings);
        QCOMPARE(lookup->windowTitle(), QStringLiteral("Lookup Ingredient"));
        QVERIFY(lookup->selectButton()->isDefault());
        // The first row is selected and current.
        QTreeWidgetItem* first = lookup->list()->topLevelItem(0);
        QCOMPARE(lookup->list()->currentItem(), first);
        QVERIFY(first->isSelected());
    }

    void columnWidthsInUnits_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QList<int>>("units");
        QTest::newRow("hop") << Kind::Hop << QList<int>{4, 2, 4};
        QTest::newRow("adjunct") << Kind::Adjunct << QList<int>{8};
        QTest::newRow("yeast") << Kind::Yeast << QList<int>{6, 5};
    }
    // Over short texts the columns are exactly their width units wide, but for a
    // heading that needs more and for the last column, which takes the room left.
    void columnWidthsInUnits() {
        QFETCH(Kind, kind);
        QFETCH(QList<int>, units);
        f.useDataFile(f.path(QStringLiteral("short.mdb")));
        const auto lookup = f.lookupOf(kind);
        QVERIFY(lookup->load());
        lookup->show();
        const int u = lookup->widthUnit();
        QCOMPARE(u, static_cast<int>(lookup->logicalDpiX() * 0.3));
        const QHeaderView* header = lookup->list()->header();
        for (int c = 0; c < units.size(); ++c) {
            const int size = header->sectionSize(c);
            if (c == units.size() - 1 || header->sectionSizeHint(c) > units[c] * u) {
                QVERIFY2(size >= units[c] * u, qPrintable(QString::number(c)));
                QVERIFY2(size < (units[c] + 1) * u || c == units.size() - 1,
                         qPrintable(QString::number(c)));
            } else {
                QCOMPARE(size, units[c] * u);
            }
        }
    }

    void wholeTextsShown_data() {
        QTest::addColumn<Kind>("kind");
        QTest::newRow("adjunct") << Kind::Adjunct;
        QTest::newRow("extract") << Kind::Extract;
        QTest::newRow("grain") << Kind::Grain;
        QTest::newRow("hop") << Kind::Hop;
        QTest::newRow("kit") << Kind::Kit;
        QTest::newRow("yeast") << Kind::Yeast;
    }
    void wholeTextsShown() {
        QFETCH(Kind, kind);
        const auto lookup = f.lookupOf(kind);
        QVERIFY(lookup->load());
        lookup->show();
        const QTreeWidget* list = lookup->list();
        const QFontMetrics metrics(list->font());
        for (int c = 0; c < list->columnCount(); ++c) {
            int widest = 0;
            for (const QString& t : test::LookupFixture::column(list, c)) {
                widest = std::max(widest, metrics.horizontalAdvance(t));
            }
            QVERIFY2(list->header()->sectionSize(c) > widest, qPrintable(QString::number(c)));
        }
        // Every column fits in the list without scrolling sideways.
        QVERIFY(!list->horizontalScrollBar()->isVisible());
    }

    void listsTheTableInIndexOrder() {
        const auto lookup = f.lookup<CLookupHop>();
        QVERIFY(lookup->load());
        test::DirectRead<storage::CRecordSetHops> hops(f.seeded());
        QStringList names;
        QStringList alphas;
        hops.record().setCurrentIndex(QStringLiteral("IndexHopsNameAlpha"));
        for (hops.record().moveFirst(); !hops->isEOF(); hops.record().moveNext()) {
            names << hops->m_HopsName;
            alphas << QString::fromStdString(formatNumber("%.1f", hops->m_HopsAlpha));
        }
        QCOMPARE(test::LookupFixture::column(lookup->list(), 0), names);
        QCOMPARE(test::LookupFixture::column(lookup->list(), 1), alphas);
        QCOMPARE(lookup->list()->header()->sortIndicatorSection(), 0);
        QCOMPARE(lookup->list()->header()->sortIndicatorOrder(), Qt::AscendingOrder);
    }

    void sortsByAClickedHeading() {
        const auto lookup = f.lookup<CLookupHop>();
        QVERIFY(lookup->load());
        lookup->show();
        QTreeWidget* list = lookup->list();

        // Alpha sorts by value: 9.5 before 10.0, ascending on the first click.
        test::LookupFixture::clickHeading(list, 1);
        std::vector<double> alpha = numbers(test::LookupFixture::column(list, 1));
        QVERIFY(std::is_sorted(alpha.begin(), alpha.end()));
        QVERIFY(alpha.front() < 10.0 && alpha.back() >= 10.0);
        test::LookupFixture::clickHeading(list, 1);
        alpha = numbers(test::LookupFixture::column(list, 1));
        QVERIFY(std::is_sorted(alpha.rbegin(), alpha.rend()));

        // Origin sorts as text, ascending on its first click.
        test::LookupFixture::clickHeading(list, 2);
        const QStringList origins = test::LookupFixture::column(list, 2);
        QVERIFY(isAscending(origins));
        QVERIFY(origins.front() != origins.back());

        // The selection follows its row, and Select still finds it.
        QVERIFY(test::LookupFixture::selectRow(*lookup, {QStringLiteral("Cascade")}));
        lookup->OnSelect();
        QCOMPARE(lookup->choice().name, QStringLiteral("Cascade"));
    }

    void fermentableOnlyListsNoOtherAdjunct() {
        const auto lookup = f.lookupOf(Kind::FermentableOnly);
        QVERIFY(lookup->load());
        test::DirectRead<storage::CRecordSetAdjuncts> adjuncts(f.seeded());
        QStringList fermentable;
        QStringList others;
        for (adjuncts.record().moveFirst(); !adjuncts->isEOF(); adjuncts.record().moveNext()) {
            (adjuncts->m_AdjunctsFermentable ? fermentable : others) << adjuncts->m_AdjunctsName;
        }
        QVERIFY(!others.isEmpty());
        const QStringList listed = test::LookupFixture::column(lookup->list(), 0);
        QCOMPARE(listed.size(), fermentable.size());
        for (const QString& name : others) {
            QVERIFY2(!listed.contains(name), qPrintable(name));
        }
    }

    void primingListsItsTwoRowsFirst() {
        const auto lookup = f.lookupOf(Kind::Priming);
        QVERIFY(lookup->load());
        lookup->show();
        test::DirectRead<storage::CRecordSetAdjuncts> adjuncts(f.seeded());
        QStringList priming;
        for (adjuncts.record().moveFirst(); !adjuncts->isEOF(); adjuncts.record().moveNext()) {
            if (adjuncts->m_AdjunctsPriming) {
                priming << adjuncts->m_AdjunctsName;
            }
        }
        QTreeWidget* list = lookup->list();
        const QStringList listed = test::LookupFixture::column(list, 0);
        QCOMPARE(listed.mid(0, 2), (QStringList{"Forced Carbonation", "Dry Malt Extract"}));
        QCOMPARE(listed.size(), priming.size() + 2);
        QVERIFY(isAscending(listed.mid(2)));
        QVERIFY(!listed.contains(QStringLiteral("Lactose (Milk Sugar)")));

        // Sorting either way keeps them on top.
        test::LookupFixture::clickHeading(list, 0);
        QCOMPARE(list->header()->sortIndicatorOrder(), Qt::DescendingOrder);
        const QStringList descending = test::LookupFixture::column(list, 0);
        QCOMPARE(descending.mid(0, 2), (QStringList{"Forced Carbonation", "Dry Malt Extract"}));
        QVERIFY(isAscending(QStringList(descending.rbegin(), descending.rend() - 2)));
    }

    // The balloon shows the list's hint, and a button's.
    void hintsOnTheListAndButtons_data() {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<int>("number");
        QTest::newRow("list") << "list" << 1033;
        QTest::newRow("add") << "add" << 1038;
    }
    void hintsOnTheListAndButtons() {
        QFETCH(QString, widget);
        QFETCH(int, number);
        const auto lookup = f.lookup<CLookupGrain>();
        QVERIFY(lookup->load());
        lookup->show();
        QVERIFY(QTest::qWaitForWindowExposed(lookup.get()));
        lookup->hintBalloon()->setTimings(20, 20, 2000);
        QWidget* field = widget == QLatin1String("list") ? static_cast<QWidget*>(lookup->list())
                                                         : lookup->addButton();
        QTest::mouseMove(field, QPoint(field->width() / 2, field->height() / 2));
        QTRY_VERIFY_WITH_TIMEOUT(lookup->hintBalloon()->isShowingHint(), 1000);
        const QString text = QString::fromUtf8(catalogueText(number).data());
        QCOMPARE(lookup->hintBalloon()->shownText(), shell::CHintBalloon::shortForm(text));
    }

    // F1 anywhere in the lookup opens the lookup's help topic.
    void f1OpensTheLookupsTopic() {
        shell::HelpKeyFilter keys(f.help);
        f.help.contexts.clear();
        const auto lookup = f.lookup<CLookupHop>();
        QVERIFY(lookup->load());
        lookup->show();
        QVERIFY(QTest::qWaitForWindowExposed(lookup.get()));
        QTest::keyClick(lookup->list(), Qt::Key_F1);
        QCOMPARE(f.help.contexts, std::vector<int>{181});
    }
};

MW_REGISTER_TEST(TestLookupList)
#include "tst_lookup_list.moc"
