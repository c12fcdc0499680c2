#include <QtTest>

#include "recipe_form/lookup_fixture.h"
#include "support/test_registry.h"

using namespace mw;
using namespace mw::recipe_form;
using mw::test::DirectRead;

using mw::test::Kind;

// What each lookup hands back for a selected row, against the row as the data
// database holds it, and the Info box of each kind.
class TestLookupChoices : public QObject {
    Q_OBJECT

    test::LookupFixture f;

    template <typename Lookup>
    std::unique_ptr<Lookup> selected(const QStringList& row) {
        auto lookup = f.lookup<Lookup>();
        if (!lookup->load() || !test::LookupFixture::selectRow(*lookup, row)) {
            return nullptr;
        }
        lookup->OnSelect();
        return lookup;
    }

private slots:
    void initTestCase() { f.makeSeededDatabase(); }
    void init() {
        f.useDataFile(f.seeded());
        f.prompts.clear();
    }

    void adjunct_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("fermentable") << QStringLiteral("Belgian Candi Syrup, Dark (D-180)");
        QTest::newRow("not fermentable") << QStringLiteral("Irish Moss");
    }
    void adjunct() {
        QFETCH(QString, name);
        const auto lookup = selected<CLookupAdjunct>({name});
        QVERIFY(lookup);
        QCOMPARE(lookup->result(), int(QDialog::Accepted));
        DirectRead<storage::CRecordSetAdjuncts> row(f.seeded());
        QVERIFY(row.find([&](const auto& r) { return r.m_AdjunctsName == name; }));
        const AdjunctChoice& choice = lookup->choice();
        QCOMPARE(choice.name, row->m_AdjunctsName);
        QCOMPARE(choice.fermentable, row->m_AdjunctsFermentable);
        QCOMPARE(choice.specificGravity, row->m_AdjunctsSPGrav);
        QCOMPARE(choice.color, row->m_AdjunctsColor);
        QVERIFY(f.prompts.shown().empty());
    }

    void extract_data() {
        QTest::addColumn<QString>("manufacturer");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("form");
        QTest::newRow("dry") << QStringLiteral("Larkspur Hollow Maltings")
                             << QStringLiteral("Amber DME") << QStringLiteral("Dry");
        QTest::newRow("hopped syrup")
            << QStringLiteral("Copperwick Extract Co.") << QStringLiteral("Hopped Dark LME")
            << QStringLiteral("Syrup");
    }
    void extract() {
        QFETCH(QString, manufacturer);
        QFETCH(QString, name);
        QFETCH(QString, form);
        const auto lookup = selected<CLookupExtract>({manufacturer, name});
        QVERIFY(lookup);
        QCOMPARE(lookup->result(), int(QDialog::Accepted));
        DirectRead<storage::CRecordSetExtracts> row(f.seeded());
        QVERIFY(row.find([&](const auto& r) { return r.m_ExtractsName == name; }));
        const ExtractChoice& choice = lookup->choice();
        QCOMPARE(choice.manufacturer, manufacturer);
        QCOMPARE(choice.name, name);
        QCOMPARE(choice.hbu, row->m_ExtractsHBU);
        QCOMPARE(choice.weight, row->m_ExtractsWeight);
        QCOMPARE(choice.units, QStringLiteral("lbs"));
        QCOMPARE(choice.form, form);
        QCOMPARE(choice.hopped, row->m_ExtractsHopped);
        QCOMPARE(choice.specificGravity, row->m_ExtractsSpecificGravity);
        QCOMPARE(choice.color, row->m_ExtractsColor);
    }

    void kit_data() {
        QTest::addColumn<QString>("manufacturer");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("units");
        QTest::newRow("kilograms") << QStringLiteral("Fernwhistle Homebrew Co.")
                                   << QStringLiteral("Bohemian Pilsner") << QStringLiteral("kg");
        QTest::newRow("pounds") << QStringLiteral("Hearthstone Brewkits")
                                << QStringLiteral("Best Bitter") << QStringLiteral("lbs");
    }
    void kit() {
        QFETCH(QString, manufacturer);
        QFETCH(QString, style);
        QFETCH(QString, units);
        auto lookup = f.lookup<CLookupKit>();
        QVERIFY(lookup->load());
        QVERIFY(test::LookupFixture::selectRow(*lookup, {manufacturer, style}));
        lookup->OnSelect();
        QCOMPARE(lookup->result(), int(QDialog::Accepted));
        DirectRead<storage::CRecordSetKits> row(f.seeded());
        QVERIFY(row.find([&](const auto& r) { return r.m_KitsStyle == style; }));
        const KitChoice& choice = lookup->choice();
        QCOMPARE(choice.manufacturer, manufacturer);
        QCOMPARE(choice.style, style);
        QCOMPARE(choice.hbu, row->m_KitsHBU);
        QCOMPARE(choice.weight, row->m_KitsWeight);
        QCOMPARE(choice.units, units);
        QCOMPARE(choice.startSpecificGravity, row->m_KitsStartSPGrav);
        QCOMPARE(choice.color, row->m_KitsColor);
    }

    void yeastWithoutAttenuation_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<double>("expected");
        QTest::newRow("zero") << QVariant(0.0) << 75.0;
        QTest::newRow("negative") << QVariant(-5.0) << 75.0;
        QTest::newRow("missing") << QVariant() << 75.0;
        QTest::newRow("given") << QVariant(68.5) << 68.5;
    }
    void yeastWithoutAttenuation() {
        QFETCH(QVariant, stored);
        QFETCH(double, expected);
        const QString file = f.useCopyOfSeeded(QStringLiteral("yeast.mdb"));
        {
            storage::Database db;
            db.open(file);
            db.exec(QStringLiteral("INSERT INTO Yeast (YeastManuf, YeastStrain, YeastType, "
                                   "YeastForm, YeastAttenuation) VALUES ('Aa Test', 'Lager', 0, 0, "
                                   "?)"),
                    {stored});
        }
        const auto lookup =
            selected<CLookupYeast>({QStringLiteral("Aa Test"), QStringLiteral("Lager")});
        QVERIFY(lookup);
        QCOMPARE(lookup->choice().attenuation, expected);
        QCOMPARE(lookup->choice().typeText(), QStringLiteral("Lager"));
        QCOMPARE(lookup->choice().formText(), QStringLiteral("Liquid"));
    }

    void info_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QStringList>("row");
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("text");
        QTest::newRow("adjunct")
            << Kind::Adjunct << QStringList{"Honey"} << 161
            << "Name: \tHoney\nFermentable: \tYes\nFactor: \t\t76.00\nSpecific Gravity: "
               "\t1.035\nDegrees Balling: \t8.8\nComments:\nColour and yield vary with the honey. "
               "Can be used for priming.\n";
        QTest::newRow("extract")
            << Kind::Extract << QStringList{"Larkspur Hollow Maltings", "Amber DME"} << 158
            << "Manufacturer:\tLarkspur Hollow Maltings\nType:\t\tAmber DME\nHBU:\t\t0.0\n"
               "Weight:\t\t3.0\nUnits:\t\tlbs\nForm:\t\tDry\nHopped:\t\tNo\nSpecific Gravity: "
               "\t1.044\nDegrees Balling: \t11.0\nColor:\t\t10.0\nComments:\nDry extract with "
               "some crystal malt character. DME = dry malt extract.\n";
        QTest::newRow("grain")
            << Kind::Grain << QStringList{"Light Pale Malts", "Maris Otter Pale Ale Malt"} << 179
            << "Category:\tLight Pale Malts\nName: \tMaris Otter Pale Ale Malt\nColor: \t3.0\n"
               "Protein: \t9.50\nYield: \t82.00\nSpecific Gravity: \t1.038\nDegrees Balling: "
               "\t9.5\nComments:\nPremium English base malt; rich and biscuity; bitters and pale "
               "ales.\n";
        QTest::newRow("hop")
            << Kind::Hop << QStringList{"Ahtanum", "5.2"} << 90
            << "Name:\t\tAhtanum\nAlpha:\t\t5.2\nAlpha Range, Low:\t4.0\nAlpha Range, "
               "High:\t6.3\nStability:\t\tGood\nOrigin:\t\tUnited States\nComments:\nAroma hop; "
               "floral, citrus and pine; used late in pale ales. Storage stability not well "
               "documented.\n";
        QTest::newRow("kit")
            << Kind::Kit << QStringList{"Fernwhistle Homebrew Co.", "Bohemian Pilsner"} << 96
            << "Manufacturer:\tFernwhistle Homebrew Co.\nStyle:\t\tBohemian Pilsner\nHBU:\t\t6.0\n"
               "Weight:\t\t1.7\nUnits:\t\tkg\nSP Gravity:\t1.027\nDescription:\nGolden pilsner "
               "with a spicy, Saaz-style hop character. The 1.7 kg can alone gives about 1.027 in "
               "18.9 l; add about 1 kg of extra light dry malt extract.\n";
        QTest::newRow("yeast")
            << Kind::Yeast << QStringList{"Fermentis", "SafAle US-05 American Ale"} << 158
            << "Manufacturer:\tFermentis\nAttenuation:\t80.00\nName:\t\tSafAle US-05 American "
               "Ale\nType:\t\tAle\nForm:\t\tDry\nComments:\nAttenuation 78-82%. Clean, neutral dry "
               "American ale yeast.\n";
    }
    void info() {
        QFETCH(Kind, kind);
        QFETCH(QStringList, row);
        QFETCH(int, context);
        QFETCH(QString, text);
        const auto lookup = f.lookupOf(kind);
        QVERIFY(lookup->load());
        QVERIFY(test::LookupFixture::selectRow(*lookup, row));
        lookup->show();
        lookup->OnInfo();
        QCOMPARE(f.prompts.shown().size(), std::size_t(1));
        const Prompt& box = f.prompts.shown().front();
        QCOMPARE(QString::fromStdString(box.text), text);
        QCOMPARE(box.icon, PromptIcon::Information);
        QCOMPARE(box.helpContext, context);
        // Info leaves the dialog open for a choice.
        QVERIFY(lookup->isVisible());
    }
};

MW_REGISTER_TEST(TestLookupChoices)
#include "tst_lookup_choices.moc"
