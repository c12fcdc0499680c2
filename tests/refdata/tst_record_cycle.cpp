// The common record cycle, met through the hop dialog: moves at both ends,
// saving with and without asking, a check that keeps the user on a record,
// closing, an empty table, Find, and a dialog that forgot its Refresh.

#include <QLineEdit>
#include <QVBoxLayout>

#include "refdata/hops_dlg.h"
#include "refdata_fixture.h"
#include "shell/hint_balloon.h"
#include "storage/data_records.h"
#include "support/test_registry.h"

namespace mw::test {

namespace {

// A dialog that supplies everything but its own Refresh.
class NoRefreshDlg final : public refdata::CAddChgOf<storage::CRecordSetGlossary> {
public:
    explicit NoRefreshDlg(const refdata::ReferenceDialogContext& context)
        : CAddChgOf(context, QStringLiteral("Glossary without refresh"), nullptr) {
        m_term = new QLineEdit(this);
        m_term->setObjectName(QStringLiteral("GlossaryTerm"));
        body()->addWidget(m_term);
    }

protected:
    QString indexName() const override { return QStringLiteral("IndexGlossaryTerm"); }
    void bindFields(refdata::RecordFields& fields) override {
        fields.text(m_term, record().m_GlossaryTerm, 129, refdata::RecordFields::Required);
    }
    int tableWordNumber() const override { return 81; }
    QString keyText() const override { return m_term->text(); }

private:
    QLineEdit* m_term;
};

}  // namespace

class TestRecordCycle : public QObject {
    Q_OBJECT

    RefdataFixture f;

    QString name(QWidget* dialog) { return shown(dialog, QStringLiteral("HopsName")); }

private slots:
    void init() { f.freshData(); }

    void movesStopAtBothEnds() {
        auto dialog = f.open(QStringLiteral("Hops"));
        QVERIFY(dialog);
        const QString first = name(dialog.get());
        keys::previous(dialog.get());
        QCOMPARE(name(dialog.get()), first);
        keys::next(dialog.get());
        const QString second = name(dialog.get());
        QVERIFY(second != first);
        keys::first(dialog.get());
        QCOMPARE(name(dialog.get()), first);
        keys::last(dialog.get());
        const QString last = name(dialog.get());
        keys::next(dialog.get());
        QCOMPARE(name(dialog.get()), last);
        keys::click(dialog.get(), refdata::CAddChgToolBar::Previous);
        QVERIFY(name(dialog.get()) != last);
        keys::click(dialog.get(), refdata::CAddChgToolBar::Last);
        QCOMPARE(name(dialog.get()), last);
        // Unchanged records are left without a question.
        QVERIFY(f.prompts.shown().empty());
        QVERIFY(!dialog->isDirty());
    }

    void aChangeIsSavedAfterAskingWhenLeaving() {
        auto dialog = f.open(QStringLiteral("Hops"));
        const QString hop = name(dialog.get());
        enter(dialog.get(), QStringLiteral("HopsOrigin"),
              QStringLiteral("Tettnang, Baden-Württemberg"));
        QVERIFY(dialog->isDirty());
        f.prompts.answerNext(PromptAnswer::No);
        keys::next(dialog.get());
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{262});
        QCOMPARE(f.prompts.shown().front().buttons, PromptButtons::YesNo);
        QVERIFY(f.query(QStringLiteral("SELECT HopsOrigin FROM Hops WHERE HopsName = ?"), {hop})
                    .toString() != QStringLiteral("Tettnang, Baden-Württemberg"));
        keys::previous(dialog.get());
        enter(dialog.get(), QStringLiteral("HopsOrigin"),
              QStringLiteral("Tettnang, Baden-Württemberg"));
        keys::next(dialog.get());  // answered Yes
        QCOMPARE(f.query(QStringLiteral("SELECT HopsOrigin FROM Hops WHERE HopsName = ?"), {hop})
                     .toString(),
                 QStringLiteral("Tettnang, Baden-Württemberg"));
    }

    void withoutWarningsAChangeIsSavedSilently() {
        f.settings->setInteger(storage::Setting::DisplayWarnings, 0);
        auto dialog = f.open(QStringLiteral("Hops"));
        const QString hop = name(dialog.get());
        enter(dialog.get(), QStringLiteral("HopsComments"), QStringLiteral("Spicy; \"noble\""));
        keys::last(dialog.get());
        QVERIFY(f.prompts.shown().empty());
        QCOMPARE(f.query(QStringLiteral("SELECT HopsComments FROM Hops WHERE HopsName = ?"), {hop})
                     .toString(),
                 QStringLiteral("Spicy; \"noble\""));
        f.settings->setInteger(storage::Setting::DisplayWarnings, 1);
    }

    void aFailedCheckOnNextKeepsTheRecordAndItsValues() {
        auto dialog = f.open(QStringLiteral("Hops"));
        const QString hop = name(dialog.get());
        const QVariant stored =
            f.query(QStringLiteral("SELECT HopsAlpha FROM Hops WHERE HopsName = ?"), {hop});
        enter(dialog.get(), QStringLiteral("HopsAlpha"), QStringLiteral("25"));
        keys::next(dialog.get());
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{120});
        QCOMPARE(name(dialog.get()), hop);
        QCOMPARE(shown(dialog.get(), QStringLiteral("HopsAlpha")), QStringLiteral("25"));
        QCOMPARE(focused(), QStringLiteral("HopsAlpha"));
        QVERIFY(dialog->isDirty());

        // Text in a number field: refused by name, kept on screen.
        f.prompts.clear();
        enter(dialog.get(), QStringLiteral("HopsAlpha"), QStringLiteral("five"));
        keys::add(dialog.get());
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{1001});
        QVERIFY(QString::fromStdString(f.prompts.shown().front().text)
                    .contains(QStringLiteral("Alpha Acid Percent")));
        QVERIFY(!dialog->isAdding());
        QCOMPARE(shown(dialog.get(), QStringLiteral("HopsAlpha")), QStringLiteral("five"));
        QCOMPARE(focused(), QStringLiteral("HopsAlpha"));
        QCOMPARE(f.query(QStringLiteral("SELECT HopsAlpha FROM Hops WHERE HopsName = ?"), {hop}),
                 stored);

        // Refresh puts the stored values back.
        keys::refresh(dialog.get());
        QVERIFY(!dialog->isDirty());
        QCOMPARE(shown(dialog.get(), QStringLiteral("HopsAlpha")),
                 refdata::RecordFields::numberText(stored.toDouble(),
                                                   refdata::RecordFields::OneDecimal));
    }

    void aStoredRecordThatBreaksTheChecksCannotBeLeft() {
        f.exec(
            QStringLiteral("UPDATE Hops SET HopsAlpha = 30 WHERE HopsID = "
                           "(SELECT HopsID FROM Hops ORDER BY HopsName LIMIT 1)"));
        auto dialog = f.open(QStringLiteral("Hops"));
        const QString hop = name(dialog.get());
        QVERIFY(!dialog->isDirty());
        keys::next(dialog.get());
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{120});
        QCOMPARE(name(dialog.get()), hop);
    }

    void closingAsksAndSavesOrDiscards() {
        {
            auto dialog = f.open(QStringLiteral("Hops"));
            enter(dialog.get(), QStringLiteral("HopsOrigin"), QStringLiteral("Kept"));
            keys::escape(dialog.get());
            QVERIFY(!dialog->isVisible());
            QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{262});
        }
        QCOMPARE(
            f.query(QStringLiteral("SELECT count(*) FROM Hops WHERE HopsOrigin = 'Kept'")).toInt(),
            1);
        f.prompts.clear();
        {
            auto dialog = f.open(QStringLiteral("Hops"));
            enter(dialog.get(), QStringLiteral("HopsOrigin"), QStringLiteral("Dropped"));
            f.prompts.answerNext(PromptAnswer::No);
            dialog->close();
            QVERIFY(!dialog->isVisible());
        }
        QCOMPARE(f.query(QStringLiteral("SELECT count(*) FROM Hops WHERE HopsOrigin = 'Dropped'"))
                     .toInt(),
                 0);
        // A new record left untouched is not stored.
        const int hops = f.query(QStringLiteral("SELECT count(*) FROM Hops")).toInt();
        {
            auto dialog = f.open(QStringLiteral("Hops"));
            keys::add(dialog.get());
            keys::escape(dialog.get());
        }
        QCOMPARE(f.query(QStringLiteral("SELECT count(*) FROM Hops")).toInt(), hops);
    }

    void refreshAfterAddShowsTheRecordBefore() {
        auto dialog = f.open(QStringLiteral("Hops"));
        keys::next(dialog.get());
        const QString hop = name(dialog.get());
        keys::add(dialog.get());
        QCOMPARE(name(dialog.get()), QString());
        QCOMPARE(shown(dialog.get(), QStringLiteral("HopsAlpha")), QStringLiteral("1.0"));
        enter(dialog.get(), QStringLiteral("HopsName"), QStringLiteral("Abandoned"));
        keys::refresh(dialog.get());
        QVERIFY(!dialog->isAdding());
        QCOMPARE(name(dialog.get()), hop);
        QCOMPARE(f.query(QStringLiteral("SELECT count(*) FROM Hops WHERE HopsName = 'Abandoned'"))
                     .toInt(),
                 0);
    }

    void deletingTheLastRecordShowsTheNewLast() {
        f.settings->setInteger(storage::Setting::DisplayDeleteWarnings, 0);
        auto dialog = f.open(QStringLiteral("Hops"));
        keys::last(dialog.get());
        const QString last = name(dialog.get());
        keys::previous(dialog.get());
        const QString beforeLast = name(dialog.get());
        keys::last(dialog.get());
        keys::remove(dialog.get());
        QCOMPARE(name(dialog.get()), beforeLast);
        QCOMPARE(
            f.query(QStringLiteral("SELECT count(*) FROM Hops WHERE HopsName = ?"), {last}).toInt(),
            0);
        f.settings->setInteger(storage::Setting::DisplayDeleteWarnings, 1);
    }

    void anEmptyTableOffersOnlyAdd() {
        f.exec(QStringLiteral("DELETE FROM Hops"));
        auto dialog = f.open(QStringLiteral("Hops"));
        QVERIFY(dialog);
        QVERIFY(!dialog->hasRecord());
        QCOMPARE(name(dialog.get()), QString());
        QVERIFY(!control(dialog.get(), QStringLiteral("HopsName"))->isEnabled());
        QVERIFY(!dialog->toolBar()->action(refdata::CAddChgToolBar::Delete)->isEnabled());
        keys::next(dialog.get());
        keys::remove(dialog.get());
        keys::refresh(dialog.get());
        QVERIFY(f.prompts.shown().empty());
        // No hints without records.
        QTest::mouseMove(control(dialog.get(), QStringLiteral("HopsName")));
        QCOMPARE(dialog->hintBalloon()->currentTool(), nullptr);

        keys::add(dialog.get());
        QVERIFY(control(dialog.get(), QStringLiteral("HopsName"))->isEnabled());
        enter(dialog.get(), QStringLiteral("HopsName"), QStringLiteral("First Hop"));
        enter(dialog.get(), QStringLiteral("HopsAlpha"), QStringLiteral("6"));
        enter(dialog.get(), QStringLiteral("HopsAlphaLo"), QString());
        enter(dialog.get(), QStringLiteral("HopsAlphaHi"), QString());
        keys::next(dialog.get());
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{262});
        QCOMPARE(f.query(QStringLiteral("SELECT HopsAlpha FROM Hops WHERE HopsName = 'First Hop'"))
                     .toDouble(),
                 6.0);
        QCOMPARE(name(dialog.get()), QStringLiteral("First Hop"));
    }

    void fieldsShowTheirHints() {
        auto dialog = f.open(QStringLiteral("Hops"));
        QWidget* alpha = control(dialog.get(), QStringLiteral("HopsAlpha"));
        QTest::mouseMove(alpha);
        QCOMPARE(dialog->hintBalloon()->currentTool(), alpha);
    }

    void withoutToolTipsNoHintIsShown() {
        f.settings->setInteger(storage::Setting::DisplayToolTips, 0);
        auto dialog = f.open(QStringLiteral("Hops"));
        f.settings->setInteger(storage::Setting::DisplayToolTips, 1);
        QTest::mouseMove(control(dialog.get(), QStringLiteral("HopsAlpha")));
        QCOMPARE(dialog->hintBalloon()->currentTool(), nullptr);
    }

    void findSaysItIsPlanned() {
        auto dialog = f.open(QStringLiteral("Hops"));
        keys::click(dialog.get(), refdata::CAddChgToolBar::Find);
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{19});
        QCOMPARE(f.prompts.shown().front().icon, PromptIcon::Information);
    }

    void aDialogWithoutItsOwnRefreshReportsALogicError() {
        NoRefreshDlg dialog(f.context());
        QVERIFY(dialog.load());
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        keys::refresh(&dialog);
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{1240});
        const Prompt& box = f.prompts.shown().front();
        QCOMPARE(box.icon, PromptIcon::Stop);
        QVERIFY(QString::fromStdString(box.text).startsWith(
            QStringLiteral("CAddChgDAO::OnRecordRefresh; DAO logic error\n")));
        QVERIFY(QString::fromStdString(box.text).contains(QStringLiteral("Help-About")));
    }

    void aDataFileThatCannotBeOpenedIsReported() {
        f.settings->setString(storage::Setting::DefaultDataFile,
                              f.path(QStringLiteral("none/x.mdb")));
        const refdata::ReferenceDialogKind* kind =
            refdata::referenceDialogKind(QStringLiteral("Hops"));
        auto dialog = kind->make(f.context(), nullptr);
        QVERIFY(!dialog->load());
        QVERIFY(!f.prompts.shown().empty());
        QCOMPARE(f.prompts.shownNumbers().back(), 1241);
    }
};

MW_REGISTER_TEST(TestRecordCycle)

}  // namespace mw::test

#include "tst_record_cycle.moc"
