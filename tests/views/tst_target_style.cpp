#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "calc/calc_message_list.h"
#include "recipe_form/picture_button.h"
#include "resources/message_catalogue.h"
#include "shell/color_static.h"
#include "shell/help_topic.h"
#include "shell/shell_fixture.h"
#include "storage/database.h"
#include "storage/seed_data.h"
#include "support/test_registry.h"
#include "target_style_fixture.h"
#include "views/calc_messages_dlg.h"
#include "views/style_tree.h"
#include "views/target_style_dlg.h"
#include "views/target_style_grid2.h"

using namespace mw;
using views::CTargetStyleDlg;
using views::CTargetStyleGrid2;
using views::StyleSelection;
using Q = views::CTargetStyleGrid2::Quantity;
using C = views::CTargetStyleGrid2::Column;

Q_DECLARE_METATYPE(mw::views::StyleSelection)

namespace {

const QString kKoelsch = QStringLiteral("Kölsch \"Spezial\"");
const QString kKoelschCategory = QStringLiteral("Brewer's Own");

// Styles added to the shipped ones: a name with quotes and umlauts and no
// subcategory, one name and category with two subcategories, a style without
// numbers and one whose limits are the wrong way round.
void addTestStyles(const QString& dataFile) {
    storage::Database data;
    data.open(dataFile);
    const auto add = [&data](const QString& name, const QString& category, const QString& sub,
                             std::initializer_list<double> limits) {
        QVariantList values{name, category, sub};
        for (double limit : limits) {
            values << limit;
        }
        data.exec(QStringLiteral(
                      "INSERT INTO Styles (StylesName, StylesCategory, StylesSubcategory, "
                      "StylesGravityLo, StylesGravityHi, StylesAlcoLo, StylesAlcoHi, StylesIBULo, "
                      "StylesIBUHi, StylesColorLo, StylesColorHi) VALUES (?,?,?,?,?,?,?,?,?,?,?)"),
                  values);
    };
    add(kKoelsch, kKoelschCategory, QStringLiteral(" "), {1.044, 1.050, 4.4, 5.2, 18, 30, 3.5, 5});
    add(QStringLiteral("Twin Test Ale"), QStringLiteral("Test Beers"), QStringLiteral("T1"),
        {1.040, 1.050, 4.0, 5.0, 20, 30, 5, 10});
    add(QStringLiteral("Twin Test Ale"), QStringLiteral("Test Beers"), QStringLiteral("T2"),
        {1.060, 1.080, 6.0, 8.0, 40, 60, 10, 20});
    add(QStringLiteral("Empty Range Ale"), QStringLiteral("Test Beers"), QStringLiteral("E1"),
        {0, 0, 0, 0, 0, 0, 0, 0});
    add(QStringLiteral("Reversed Range Ale"), QStringLiteral("Test Beers"), QStringLiteral("R1"),
        {1.060, 1.040, 6.0, 4.0, 40, 20, 20, 10});
}

const StyleSelection kTwinT1{QStringLiteral("Twin Test Ale"), QStringLiteral("Test Beers"),
                             QStringLiteral("T1")};

QString catalogue(int number) {
    return QString::fromUtf8(catalogueText(number).data(),
                             static_cast<qsizetype>(catalogueText(number).size()));
}

}  // namespace

// The Target Style window on its own, as the recipe form sets it up: the
// style tree, the comparison, the status and the buttons.
class TestTargetStyle : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_shared;
    QString m_data;

    struct Rig {
        test::ShellFixture shell;
        std::unique_ptr<CTargetStyleDlg> dlg;

        Rig(const QString& dataFile, const StyleSelection& initial,
            views::PredictedValues predicted = {1.045, 4.5, 25, 7.5}, unsigned errors = 0,
            const calc::CalcMessageList* messages = nullptr) {
            shell.settings->setString(storage::Setting::DefaultDataFile, dataFile);
            dlg = std::make_unique<CTargetStyleDlg>(
                CTargetStyleDlg::Services{*shell.settings, shell.prompts, &shell.help});
            dlg->setInitialSelection(initial);
            dlg->setLimits({1.040, 1.048, 3.8, 4.6, 25, 40, 8, 16});
            dlg->setPredicted(predicted);
            dlg->setErrorCount(errors);
            dlg->setMessages(messages);
            dlg->OnInitDialog();
            dlg->show();
            dlg->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
        }
        QString label(int which) const { return dlg->selectionLabel(which)->text(); }
        QStringList labels() const { return {label(0), label(1), label(2)}; }
        QString cell(Q q, C c) const { return dlg->grid()->text(q, c); }
        std::vector<int> shown() const { return shell.prompts.shownNumbers(); }
        void choose(const StyleSelection& style) {
            QTreeWidgetItem* item = dlg->tree()->itemOf(style);
            QVERIFY2(item != nullptr, qPrintable(style.name));
            dlg->tree()->scrollToItem(item);
            const QRect place = dlg->tree()->visualItemRect(item);
            QTest::mouseClick(dlg->tree()->viewport(), Qt::LeftButton, {}, place.center());
            QCOMPARE(dlg->tree()->currentItem(), item);
        }
    };

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        m_data = m_shared.filePath(QStringLiteral("data.mdb"));
        storage::createSeededDataDatabase(m_data);
        addTestStyles(m_data);
    }

    void treeHoldsEveryStyleUnderOneRoot() {
        Rig rig(m_data, kTwinT1);
        views::CStyleTree* tree = rig.dlg->tree();
        QCOMPARE(tree->topLevelItemCount(), 1);
        QTreeWidgetItem* root = tree->rootItem();
        QCOMPARE(root->text(0), QStringLiteral("Beer Styles"));
        QVERIFY(root->isExpanded());
        QVERIFY(tree->selectedItems().isEmpty());
        storage::Database data;
        data.open(m_data, storage::Database::Access::ReadOnly);
        QCOMPARE(
            root->childCount(),
            data.scalar(QStringLiteral("SELECT count(DISTINCT StylesName) FROM Styles")).toInt());
        // Two subcategories of one name and category share the category item.
        QTreeWidgetItem* twin = tree->itemOf(kTwinT1)->parent();
        QCOMPARE(twin->text(0), QStringLiteral("Test Beers"));
        QCOMPARE(twin->childCount(), 2);
        QCOMPARE(twin->parent()->childCount(), 1);
        // No subcategory: the category is a leaf.
        QTreeWidgetItem* koelsch = tree->itemOf({kKoelsch, kKoelschCategory, QStringLiteral(" ")});
        QVERIFY(koelsch != nullptr);
        QCOMPARE(koelsch->childCount(), 0);
        QCOMPARE(koelsch->parent()->text(0), kKoelsch);
    }

    void choosingAnItem_data() {
        QTest::addColumn<StyleSelection>("clicked");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QString>("gravityLow");
        QTest::newRow("a subcategory")
            << StyleSelection{QStringLiteral("Twin Test Ale"), QStringLiteral("Test Beers"),
                              QStringLiteral("T2")}
            << QStringList{"Twin Test Ale", "Test Beers", "T2"} << QStringLiteral("1.060");
        QTest::newRow("a category without subcategories, name with quotes and umlauts")
            << StyleSelection{kKoelsch, kKoelschCategory, QStringLiteral(" ")}
            << QStringList{kKoelsch, kKoelschCategory, " "} << QStringLiteral("1.044");
    }
    void choosingAnItem() {
        QFETCH(StyleSelection, clicked);
        QFETCH(QStringList, labels);
        QFETCH(QString, gravityLow);
        Rig rig(m_data, kTwinT1);
        rig.choose(clicked);
        QCOMPARE(rig.dlg->workingSelection(), clicked);
        QCOMPARE(rig.labels(), labels);
        QCOMPARE(rig.cell(Q::Gravity, C::Low), gravityLow);
        QCOMPARE(rig.shown(), std::vector<int>());
    }

    void theRootAndNameItemsChangeNothing() {
        Rig rig(m_data, kTwinT1);
        views::CStyleTree* tree = rig.dlg->tree();
        const QStringList before = rig.labels();
        const QString low = rig.cell(Q::Gravity, C::Low);
        tree->setCurrentItem(tree->rootItem());
        tree->setCurrentItem(tree->itemOf(kTwinT1)->parent()->parent());
        QVERIFY(rig.shown().empty());
        QCOMPARE(rig.dlg->workingSelection(), kTwinT1);
        // A category whose styles all have subcategories stands for a style
        // without one, which the table lacks: the user is told, and the
        // labels and limits keep what they showed.
        const QTreeWidgetItem* category = tree->itemOf(kTwinT1)->parent();
        tree->setCurrentItem(const_cast<QTreeWidgetItem*>(category));
        QCOMPARE(rig.shown(), std::vector<int>{1220});
        QCOMPARE(rig.dlg->workingSelection(),
                 (StyleSelection{kTwinT1.name, kTwinT1.category, QStringLiteral(" ")}));
        QCOMPARE(rig.labels(), before);
        QCOMPARE(rig.cell(Q::Gravity, C::Low), low);
    }

    // Gravity against Twin Test Ale T1 (1.040 to 1.050): a limit itself is
    // within the style.
    void predictionsAgainstTheLimits_data() {
        QTest::addColumn<double>("gravity");
        QTest::addColumn<QString>("below");
        QTest::addColumn<QString>("above");
        QTest::addColumn<bool>("red");
        QTest::newRow("on the low limit") << 1.040 << ""
                                          << "" << false;
        QTest::newRow("on the high limit") << 1.050 << ""
                                           << "" << false;
        QTest::newRow("inside") << 1.045 << ""
                                << "" << false;
        QTest::newRow("below") << 1.039 << "-"
                               << "" << true;
        QTest::newRow("above") << 1.051 << ""
                               << "+" << true;
    }
    void predictionsAgainstTheLimits() {
        QFETCH(double, gravity);
        QFETCH(QString, below);
        QFETCH(QString, above);
        QFETCH(bool, red);
        Rig rig(m_data, kTwinT1, {gravity, 4.5, 25, 7.5});
        QCOMPARE(rig.cell(Q::Gravity, C::Low), QStringLiteral("1.040"));
        QCOMPARE(rig.cell(Q::Gravity, C::High), QStringLiteral("1.050"));
        QCOMPARE(rig.cell(Q::Gravity, C::Below), below);
        QCOMPARE(rig.cell(Q::Gravity, C::Above), above);
        QCOMPARE(rig.dlg->grid()->textColor(Q::Gravity, C::Predicted),
                 red ? QColor(255, 0, 0) : QColor(0, 0, 0));
        // The other rows are inside: 4.0-5.0 %, 20-30 IBU, 5-10.
        for (Q q : {Q::Alcohol, Q::Bitterness, Q::Color}) {
            QCOMPARE(rig.cell(q, C::Below), QString());
            QCOMPARE(rig.cell(q, C::Above), QString());
        }
        QCOMPARE(rig.cell(Q::Alcohol, C::Predicted), QStringLiteral("4.5"));
        QCOMPARE(rig.cell(Q::Bitterness, C::High), QStringLiteral("30.0"));
    }

    void oddLimitsInTheDataDatabase_data() {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("subcategory");
        QTest::addColumn<QString>("low");
        QTest::addColumn<QString>("below");
        QTest::addColumn<QString>("above");
        QTest::newRow("no numbers") << "Empty Range Ale"
                                    << "E1"
                                    << "0.000"
                                    << ""
                                    << "+";
        QTest::newRow("low above high") << "Reversed Range Ale"
                                        << "R1"
                                        << "1.060"
                                        << "-"
                                        << "+";
    }
    void oddLimitsInTheDataDatabase() {
        QFETCH(QString, style);
        QFETCH(QString, subcategory);
        QFETCH(QString, low);
        QFETCH(QString, below);
        QFETCH(QString, above);
        Rig rig(m_data, {style, QStringLiteral("Test Beers"), subcategory}, {1.050, 5.0, 30, 15});
        QCOMPARE(rig.shown(), std::vector<int>());
        QCOMPARE(rig.cell(Q::Gravity, C::Low), low);
        QCOMPARE(rig.cell(Q::Gravity, C::Below), below);
        QCOMPARE(rig.cell(Q::Gravity, C::Above), above);
        QCOMPARE(rig.dlg->grid()->textColor(Q::Gravity, C::Predicted), QColor(255, 0, 0));
    }

    void noneSelectedHasZeroLimits() {
        Rig rig(m_data, {QStringLiteral("None Selected"), QString(), QString()});
        QCOMPARE(rig.label(0), QStringLiteral("None Selected"));
        QCOMPARE(rig.cell(Q::Gravity, C::Low), QStringLiteral("0.000"));
        QCOMPARE(rig.cell(Q::Gravity, C::High), QStringLiteral("0.000"));
        for (Q q : {Q::Alcohol, Q::Bitterness, Q::Color}) {
            QCOMPARE(rig.cell(q, C::Low), QStringLiteral("0.0"));
            QCOMPARE(rig.cell(q, C::Above), QStringLiteral("+"));
        }
        QVERIFY(rig.shown().empty());
        rig.dlg->okButton()->click();
        QCOMPARE(rig.dlg->result(), int(QDialog::Accepted));
        QCOMPARE(rig.dlg->limits(), views::StyleLimits{});
    }

    // The recipe names a style the data database no longer has.
    void aStyleThatNoLongerExists() {
        const StyleSelection gone{QStringLiteral("Gone Bitter"), QStringLiteral("British Bitter"),
                                  QStringLiteral("11B")};
        Rig rig(m_data, gone);
        QCOMPARE(rig.shown(), std::vector<int>{188});
        QCOMPARE(rig.shell.prompts.shown()[0].icon, PromptIcon::Information);
        QCOMPARE(rig.labels(), (QStringList{"(N/A)", "(N/A)", "(N/A)"}));
        QCOMPARE(rig.cell(Q::Gravity, C::Low), QString());
        // OK still closes, with the recipe's own style and limits.
        rig.shell.prompts.clear();
        QTest::keyClick(rig.dlg->tree(), Qt::Key_Return);
        QCOMPARE(rig.dlg->result(), int(QDialog::Accepted));
        QCOMPARE(rig.shown(), std::vector<int>{1220});
        QCOMPARE(
            rig.shell.prompts.shown()[0].text,
            std::string("Seek failed on Gone Bitter, British Bitter, 11B.  Contact Wortline."));
        QCOMPARE(rig.dlg->resultSelection(), gone);
        QCOMPARE(rig.dlg->limits(), (views::StyleLimits{1.040, 1.048, 3.8, 4.6, 25, 40, 8, 16}));
    }

    void showAllStylesToggles() {
        Rig rig(m_data, kTwinT1);
        views::CStyleTree* tree = rig.dlg->tree();
        QPushButton* toggle = rig.dlg->showAllButton();
        const auto everyBranch = [tree](bool expanded) {
            for (QTreeWidgetItemIterator it(tree, QTreeWidgetItemIterator::HasChildren); *it;
                 ++it) {
                if ((*it)->isExpanded() != expanded) {
                    return false;
                }
            }
            return true;
        };
        QCOMPARE(toggle->text(), QStringLiteral("&Show All Styles"));
        QVERIFY(!everyBranch(false));
        // The access key presses the button as a click does, after showing it down.
        QTest::keyClick(tree, Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(toggle->text(), QStringLiteral("Collapse All"));
        QVERIFY(everyBranch(true));
        QVERIFY(tree->hasFocus());
        toggle->click();
        QVERIFY(everyBranch(false));
        QCOMPARE(toggle->text(), QStringLiteral("Expand All"));
        QVERIFY(tree->hasFocus());
        toggle->click();
        QVERIFY(everyBranch(true));
        QCOMPARE(toggle->text(), QStringLiteral("Collapse All"));
    }

    void theCalculationStatus_data() {
        QTest::addColumn<unsigned>("errors");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<bool>("msgsEnabled");
        QTest::newRow("no messages") << 0u << "No Errors" << QColor(0, 0, 255) << false;
        QTest::newRow("messages") << 3u << " Errors" << QColor(255, 0, 0) << true;
    }
    void theCalculationStatus() {
        QFETCH(unsigned, errors);
        QFETCH(QString, status);
        QFETCH(QColor, color);
        QFETCH(bool, msgsEnabled);
        Rig rig(m_data, kTwinT1, {1.045, 4.5, 25, 7.5}, errors);
        QCOMPARE(rig.dlg->statusLabel()->text(), status);
        QCOMPARE(rig.dlg->statusLabel()->textColor(), color);
        QVERIFY(rig.dlg->msgsButton()->isVisible());
        QCOMPARE(rig.dlg->msgsButton()->isEnabled(), msgsEnabled);
    }

    void msgsOpensTheMessagesWindow() {
        calc::CalcMessageList messages;
        messages.append("Warning: Second thing.");
        messages.append("Information: First thing.");
        Rig rig(m_data, kTwinT1, {1.045, 4.5, 25, 7.5}, messages.count(), &messages);
        int rows = -1;
        test::OnModal<views::CCalcMessagesDlg> window([&rows](views::CCalcMessagesDlg& dlg) {
            rows = dlg.list()->topLevelItemCount();
            QTest::keyClick(dlg.list(), Qt::Key_Escape);
        });
        rig.dlg->msgsButton()->click();
        QVERIFY(window.ran);
        QVERIFY(!window.stillOpen);
        QCOMPARE(rows, 2);
    }

    void anEmptyStylesTable() {
        const QString empty = m_shared.filePath(QStringLiteral("no-styles.mdb"));
        storage::createSeededDataDatabase(empty);
        {
            storage::Database data;
            data.open(empty);
            data.exec(QStringLiteral("DELETE FROM Styles"));
        }
        Rig rig(empty, kTwinT1);
        QCOMPARE(rig.shown(), std::vector<int>{82});
        QCOMPARE(rig.shell.prompts.shown()[0].text,
                 std::string("No Styles.  Use Data-Styles command to add."));
        QCOMPARE(rig.shell.prompts.shown()[0].icon, PromptIcon::Exclamation);
        QCOMPARE(rig.dlg->tree()->topLevelItemCount(), 0);
        QVERIFY(!rig.dlg->msgsButton()->isVisible());
        QCOMPARE(rig.dlg->statusLabel()->text(), QStringLiteral("Not Done"));
        // Nothing to choose: OK hands the recipe's own style back, quietly.
        rig.dlg->okButton()->click();
        QCOMPARE(rig.dlg->resultSelection(), kTwinT1);
        QCOMPARE(rig.shown(), std::vector<int>{82});
    }

    void aDataDatabaseThatCannotBeRead() {
        Rig rig(m_shared.filePath(QStringLiteral("missing.mdb")), kTwinT1);
        QCOMPARE(rig.shown().size(), std::size_t(1));
        QCOMPARE(rig.dlg->tree()->topLevelItemCount(), 0);
        rig.dlg->cancelButton()->click();
        QCOMPARE(rig.dlg->result(), int(QDialog::Rejected));
        QCOMPARE(rig.dlg->resultSelection(), kTwinT1);
    }

    // Arrow keys walk the tree and choose a style; Enter is OK, Esc Cancel.
    void keyboard_data() {
        QTest::addColumn<Qt::Key>("closeKey");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("chosenKept");
        QTest::newRow("Enter") << Qt::Key_Return << int(QDialog::Accepted) << true;
        QTest::newRow("Esc") << Qt::Key_Escape << int(QDialog::Rejected) << false;
    }
    void keyboard() {
        QFETCH(Qt::Key, closeKey);
        QFETCH(int, result);
        QFETCH(bool, chosenKept);
        Rig rig(m_data, kTwinT1);
        views::CStyleTree* tree = rig.dlg->tree();
        QVERIFY(tree->hasFocus());
        // The root, its first style name opened, and that name's category,
        // which only groups its subcategories: the lookup of a style without
        // a subcategory fails and says so.
        QTest::keyClick(tree, Qt::Key_Home);
        QTest::keyClick(tree, Qt::Key_Down);
        QTest::keyClick(tree, Qt::Key_Right);
        QTest::keyClick(tree, Qt::Key_Down);
        const QTreeWidgetItem* category = tree->currentItem();
        QVERIFY(category != nullptr && category->parent() != nullptr);
        QCOMPARE(category->parent()->parent(), tree->rootItem());
        QCOMPARE(rig.shown(), std::vector<int>{1220});
        QCOMPARE(
            rig.dlg->workingSelection(),
            (StyleSelection{category->parent()->text(0), category->text(0), QStringLiteral(" ")}));
        // Opened, its first subcategory is a style.
        QTest::keyClick(tree, Qt::Key_Right);
        QTest::keyClick(tree, Qt::Key_Down);
        const QTreeWidgetItem* subcategory = tree->currentItem();
        QCOMPARE(subcategory->parent(), category);
        const StyleSelection chosen = rig.dlg->workingSelection();
        QCOMPARE(chosen, (StyleSelection{category->parent()->text(0), category->text(0),
                                         subcategory->text(0)}));
        QCOMPARE(rig.labels(), (QStringList{chosen.name, chosen.category, chosen.subcategory}));
        QCOMPARE(rig.shown(), std::vector<int>{1220});
        QTest::keyClick(tree, closeKey);
        QCOMPARE(rig.dlg->result(), result);
        QVERIFY(!rig.dlg->isVisible());
        QCOMPARE(rig.dlg->resultSelection(), chosenKept ? chosen : kTwinT1);
        if (!chosenKept) {
            // Cancel showed the recipe's own style again.
            QCOMPARE(rig.labels(), (QStringList{"Twin Test Ale", "Test Beers", "T1"}));
        }
    }

    void helpButtonAndF1() {
        Rig rig(m_data, kTwinT1);
        shell::HelpKeyFilter f1(rig.shell.help);
        rig.dlg->helpButton()->click();
        QTest::keyClick(rig.dlg->tree(), Qt::Key_F1);
        QCOMPARE(rig.shell.help.contexts, (std::vector<int>{98338, 1221}));
        QCOMPARE(rig.dlg->windowTitle(), catalogue(1221));
    }
};

MW_REGISTER_TEST(TestTargetStyle)

#include "tst_target_style.moc"
