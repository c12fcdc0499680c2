// The ingredient lookups' Add: the hop dialog opens over the lookup, and
// the hop added there is listed and selected when it closes.

#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "recipe_form/ingredient_lookups.h"
#include "refdata_fixture.h"
#include "support/test_registry.h"

namespace mw::test {

class TestLookupAdd : public QObject {
    Q_OBJECT

    RefdataFixture f;

private slots:
    void init() { f.freshData(); }
    void cleanup() { recipe_form::CLookupDlg::setTableAdder({}); }

    void aHopAddedFromTheLookupIsSelectedInIt() {
        // As the program wires it: the table's dialog, run modally.
        recipe_form::CLookupDlg::setTableAdder(
            [this](const QString& table, QWidget* parent) -> std::optional<qint64> {
                if (refdata::referenceDialogKind(table) == nullptr) {
                    return std::nullopt;
                }
                return refdata::runReferenceDialog(table, f.context(), parent);
            });
        recipe_form::CLookupHop lookup(*f.settings, f.prompts, &f.help);
        QVERIFY(lookup.load());
        lookup.show();
        const int listed = lookup.list()->topLevelItemCount();

        bool typed = false;
        // The user's hands on the hop dialog once it is up.
        QTimer::singleShot(0, this, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog != nullptr && dialog->objectName() == QStringLiteral("refdataHops"));
            // The offscreen platform does not activate a window by itself.
            QApplication::setActiveWindow(dialog);
            keys::add(dialog);
            QVERIFY(static_cast<refdata::CAddChgDAO*>(dialog)->isAdding());
            enter(dialog, QStringLiteral("HopsName"), QStringLiteral("Žatecký poloraný"));
            enter(dialog, QStringLiteral("HopsAlpha"), QStringLiteral("3.5"));
            enter(dialog, QStringLiteral("HopsAlphaLo"), QStringLiteral("3"));
            enter(dialog, QStringLiteral("HopsAlphaHi"), QStringLiteral("4.5"));
            enter(dialog, QStringLiteral("HopsOrigin"), QStringLiteral("Žatec"));
            typed = true;
            keys::escape(dialog);  // asks, answered Yes: saved and closed
        });
        QTest::mouseClick(lookup.addButton(), Qt::LeftButton);
        QVERIFY(typed);
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{262});
        QCOMPARE(f.query(QStringLiteral("SELECT HopsOrigin FROM Hops WHERE HopsName = ?"),
                         {QStringLiteral("Žatecký poloraný")})
                     .toString(),
                 QStringLiteral("Žatec"));
        QCOMPARE(lookup.list()->topLevelItemCount(), listed + 1);
        QTreeWidgetItem* selected = lookup.list()->currentItem();
        QVERIFY(selected != nullptr);
        QCOMPARE(selected->text(0), QStringLiteral("Žatecký poloraný"));
        lookup.OnSelect();
        QCOMPARE(lookup.choice().name, QStringLiteral("Žatecký poloraný"));
        QCOMPARE(lookup.choice().alpha, 3.5);
    }

    void aTableWithoutADialogStillSaysAddingIsPlanned() {
        recipe_form::CLookupDlg::setTableAdder(
            [](const QString&, QWidget*) -> std::optional<qint64> { return std::nullopt; });
        recipe_form::CLookupKit lookup(*f.settings, f.prompts, &f.help);
        QVERIFY(lookup.load());
        QTest::mouseClick(lookup.addButton(), Qt::LeftButton);
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{19});
    }
};

MW_REGISTER_TEST(TestLookupAdd)

}  // namespace mw::test

#include "tst_lookup_add.moc"
