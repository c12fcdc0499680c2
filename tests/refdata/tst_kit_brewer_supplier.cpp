// The rules of their own that the kit, style, water, brewer and supplier
// dialogs add to the common cycle: the kit's length limits, the last brewer,
// the new style's and water's defaults, and which addresses the supplier's
// Send Message and Visit Web Site hand to the desktop.

#include <QPushButton>
#include <QUrl>

#include "refdata/suppliers_dlg.h"
#include "refdata_fixture.h"
#include "shell/hint_balloon.h"
#include "support/test_registry.h"

namespace mw::test {

namespace {

QLineEdit* edit(QWidget* dialog, const char* column) {
    return qobject_cast<QLineEdit*>(control(dialog, QString::fromLatin1(column)));
}

std::unique_ptr<refdata::CSuppliersDlg> openSuppliers(RefdataFixture& f) {
    std::unique_ptr<refdata::CAddChgDAO> dialog = f.open(QStringLiteral("Suppliers"));
    auto* suppliers = qobject_cast<refdata::CSuppliersDlg*>(dialog.get());
    if (suppliers == nullptr) {
        return nullptr;
    }
    dialog.release();
    return std::unique_ptr<refdata::CSuppliersDlg>(suppliers);
}

}  // namespace

class TestKitBrewerSupplier : public QObject {
    Q_OBJECT

    RefdataFixture f;

    long rowsIn(const QString& table) {
        return f.query(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table)).toInt();
    }

private slots:
    void init() {
        f.freshData();
        f.settings->setInteger(storage::Setting::DisplayDeleteWarnings, 1);
    }

    // ------------------------------------------------------------ kits

    void kitTypingStopsAtTheLimits() {
        auto dlg = f.open(QStringLiteral("Kits"));
        QVERIFY(dlg);
        keys::add(dlg.get());
        QCOMPARE(focused(), QStringLiteral("KitsManuf"));
        const QString sixty(60, QLatin1Char('m'));
        enter(dlg.get(), QStringLiteral("KitsManuf"), sixty);
        QCOMPARE(shown(dlg.get(), QStringLiteral("KitsManuf")), sixty.left(50));
        enter(dlg.get(), QStringLiteral("KitsStyle"), QString(40, QLatin1Char('s')));
        QCOMPARE(shown(dlg.get(), QStringLiteral("KitsStyle")), QString(30, QLatin1Char('s')));
        keys::last(dlg.get());  // leaves the new kit: it is saved at the limits
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{262});
        QCOMPARE(f.query(QStringLiteral("SELECT count(*) FROM Kits WHERE KitsManuf = ? AND "
                                        "KitsStyle = ?"),
                         {sixty.left(50), QString(30, QLatin1Char('s'))})
                     .toInt(),
                 1);
    }

    void kitLongerThanItsLimitIsRefused_data() {
        QTest::addColumn<QString>("manufacturer");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("refused");  // the field named; empty: saved
        QTest::addColumn<QString>("limit");
        QTest::newRow("manufacturer of 51") << QString(51, QLatin1Char('A')) << "Bitter"
                                            << "Manufacturer"
                                            << "50";
        QTest::newRow("style of 31") << "Aaron's Kits" << QString(31, QLatin1Char('B')) << "Style"
                                     << "30";
        QTest::newRow("both at the limit, accents and quotes")
            << QStringLiteral("A \"Brasserie\" d'Été ") + QString(30, QChar(0x00E9))
            << QStringLiteral("Ölfässer Dunkel ") + QString(14, QLatin1Char('x')) << ""
            << "";
    }
    // A kit stored longer than the dialog allows (another program, an import)
    // is shown whole and cannot be left until it is shortened.
    void kitLongerThanItsLimitIsRefused() {
        QFETCH(QString, manufacturer);
        QFETCH(QString, style);
        QFETCH(QString, refused);
        QFETCH(QString, limit);
        f.exec(QStringLiteral("INSERT INTO Kits (KitsManuf, KitsStyle) VALUES (?, ?)"),
               {manufacturer, style});
        auto dlg = f.open(QStringLiteral("Kits"));
        QVERIFY(dlg);
        // Index order puts the new kit first.
        QCOMPARE(shown(dlg.get(), QStringLiteral("KitsManuf")), manufacturer);
        QCOMPARE(shown(dlg.get(), QStringLiteral("KitsStyle")), style);
        keys::next(dlg.get());
        if (refused.isEmpty()) {
            QVERIFY(f.prompts.shown().empty());
            QVERIFY(shown(dlg.get(), QStringLiteral("KitsManuf")) != manufacturer);
            return;
        }
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{1271});
        const Prompt& told = f.prompts.shown().front();
        QCOMPARE(told.icon, PromptIcon::Exclamation);
        QCOMPARE(QString::fromStdString(told.text),
                 QStringLiteral("Data Error:\nThe %1 may hold at most %2 characters (it has %3).")
                     .arg(refused, limit)
                     .arg(limit.toInt() + 1));
        const QString column = refused == QLatin1String("Style") ? QStringLiteral("KitsStyle")
                                                                 : QStringLiteral("KitsManuf");
        QCOMPARE(focused(), column);
        // Still on the kit, nothing cut.
        QCOMPARE(shown(dlg.get(), QStringLiteral("KitsManuf")), manufacturer);
        QCOMPARE(shown(dlg.get(), QStringLiteral("KitsStyle")), style);
        QTest::keyClick(control(dlg.get(), column), Qt::Key_End);
        QTest::keyClick(control(dlg.get(), column), Qt::Key_Backspace);
        f.prompts.clear();
        keys::next(dlg.get());
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{262});
        QVERIFY(shown(dlg.get(), QStringLiteral("KitsManuf")) != manufacturer);
    }

    void numberFieldWithTextIsRefused_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("named");
        QTest::newRow("kit HBU") << "Kits"
                                 << "KitsHBU"
                                 << "seven"
                                 << "Home Bitterness Units";
        QTest::newRow("kit gravity, comma") << "Kits"
                                            << "KitsStartSPGrav"
                                            << "1,040"
                                            << "Starting Specific Gravity";
        QTest::newRow("style IBU high") << "Styles"
                                        << "StylesIBUHi"
                                        << "40 IBU"
                                        << "IBUs High";
        QTest::newRow("style colour low, too large") << "Styles"
                                                     << "StylesColorLo"
                                                     << "1e999"
                                                     << "Color Low";
    }
    void numberFieldWithTextIsRefused() {
        QFETCH(QString, table);
        QFETCH(QString, column);
        QFETCH(QString, typed);
        QFETCH(QString, named);
        auto dlg = f.open(table);
        QVERIFY(dlg);
        enter(dlg.get(), column, typed);
        keys::next(dlg.get());
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{1001});
        const QString text = QString::fromStdString(f.prompts.shown().front().text);
        QVERIFY2(text.contains(named), qPrintable(text));
        QCOMPARE(focused(), column);
        QCOMPARE(shown(dlg.get(), column), typed);
        QVERIFY(dlg->isDirty());
    }

    // ------------------------------------------------------------ styles, water, brewer

    void newStyleStartsWithBlanksAndAle() {
        auto dlg = f.open(QStringLiteral("Styles"));
        QVERIFY(dlg);
        keys::add(dlg.get());
        QCOMPARE(focused(), QStringLiteral("StylesName"));
        QCOMPARE(shown(dlg.get(), QStringLiteral("StylesCategory")), QStringLiteral(" "));
        QCOMPARE(shown(dlg.get(), QStringLiteral("StylesSubcategory")), QStringLiteral(" "));
        QCOMPARE(shown(dlg.get(), QStringLiteral("StylesType")), QStringLiteral("Ale         "));
        enter(dlg.get(), QStringLiteral("StylesName"), QStringLiteral("Zwickelbier \"Hausbräu\""));
        // A single blank is no category.
        keys::first(dlg.get());
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{119});
        QCOMPARE(focused(), QStringLiteral("StylesCategory"));
        enter(dlg.get(), QStringLiteral("StylesCategory"), QStringLiteral("Kellerbier"));
        enter(dlg.get(), QStringLiteral("StylesSubcategory"), QStringLiteral("7C"));
        f.prompts.clear();
        keys::first(dlg.get());
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{262});
        QCOMPARE(f.query(QStringLiteral("SELECT StylesType FROM Styles WHERE StylesName = ? AND "
                                        "StylesCategory = ? AND StylesSubcategory = ?"),
                         {QStringLiteral("Zwickelbier \"Hausbräu\""), QStringLiteral("Kellerbier"),
                          QStringLiteral("7C")})
                     .toString(),
                 QStringLiteral("Ale         "));
    }

    void newWaterIsSoftAndNewBrewerHasNoLevel() {
        {
            auto dlg = f.open(QStringLiteral("Water"));
            QVERIFY(dlg);
            keys::add(dlg.get());
            QCOMPARE(focused(), QStringLiteral("WaterType"));
            QCOMPARE(shown(dlg.get(), QStringLiteral("WaterHardness")), QStringLiteral("0"));
        }
        {
            auto dlg = f.open(QStringLiteral("Brewer"));
            QVERIFY(dlg);
            QCOMPARE(shown(dlg.get(), QStringLiteral("BrewerSkill")), QStringLiteral("1"));
            keys::add(dlg.get());
            QCOMPARE(focused(), QStringLiteral("BrewerName"));
            QCOMPARE(shown(dlg.get(), QStringLiteral("BrewerSkill")), QString());
        }
    }

    void lastBrewerAsksFirst_data() {
        QTest::addColumn<int>("deleteWarnings");
        QTest::addColumn<int>("answer");  // to "Should delete of last brewer ..."
        QTest::addColumn<std::vector<int>>("messages");
        QTest::addColumn<int>("brewersLeft");
        QTest::newRow("No keeps the brewer")
            << 1 << int(PromptAnswer::No) << std::vector<int>{1270} << 1;
        QTest::newRow("No, delete warnings off")
            << 0 << int(PromptAnswer::No) << std::vector<int>{1270} << 1;
        QTest::newRow("Yes, then the delete question")
            << 1 << int(PromptAnswer::Yes) << std::vector<int>{1270, 32} << 0;
        QTest::newRow("Yes, delete warnings off")
            << 0 << int(PromptAnswer::Yes) << std::vector<int>{1270} << 0;
    }
    void lastBrewerAsksFirst() {
        QFETCH(int, deleteWarnings);
        QFETCH(int, answer);
        QFETCH(std::vector<int>, messages);
        QFETCH(int, brewersLeft);
        f.settings->setInteger(storage::Setting::DisplayDeleteWarnings, deleteWarnings);
        QCOMPARE(rowsIn(QStringLiteral("Brewer")), 1L);
        auto dlg = f.open(QStringLiteral("Brewer"));
        QVERIFY(dlg);
        f.prompts.answerNext(static_cast<PromptAnswer>(answer));
        keys::remove(dlg.get());
        QCOMPARE(f.prompts.shownNumbers(), messages);
        const Prompt& question = f.prompts.shown().front();
        QCOMPARE(question.text, std::string("Should delete of last brewer be allowed?"));
        QCOMPARE(question.icon, PromptIcon::Question);
        QCOMPARE(question.buttons, PromptButtons::YesNo);
        if (messages.size() > 1) {
            QCOMPARE(f.prompts.shown()[1].text,
                     std::string("Please confirm delete -\nBrewer - Home Brewer"));
        }
        QCOMPARE(rowsIn(QStringLiteral("Brewer")), long(brewersLeft));
        QCOMPARE(dlg->hasRecord(), brewersLeft > 0);
    }

    void secondBrewerIsDeletedWithoutTheQuestion() {
        auto dlg = f.open(QStringLiteral("Brewer"));
        QVERIFY(dlg);
        keys::add(dlg.get());
        enter(dlg.get(), QStringLiteral("BrewerName"), QStringLiteral("Åsa O'Neill"));
        enter(dlg.get(), QStringLiteral("BrewerSkill"), QStringLiteral("2"));
        keys::first(dlg.get());  // saved (262 answered Yes)
        QCOMPARE(rowsIn(QStringLiteral("Brewer")), 2L);
        QCOMPARE(f.query(QStringLiteral("SELECT BrewerSkill FROM Brewer WHERE BrewerName = ?"),
                         {QStringLiteral("Åsa O'Neill")})
                     .toInt(),
                 2);
        f.prompts.clear();
        keys::remove(dlg.get());
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{32});
        QCOMPARE(rowsIn(QStringLiteral("Brewer")), 1L);
    }

    // ------------------------------------------------------------ hints

    // The balloon shows a field's hint when the pointer rests on it: an edit
    // box's, a drop-down list's, and one of three lines.
    void fieldsShowTheirHints_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("control");  // an object name
        QTest::addColumn<QString>("hint");
        QTest::newRow("kit style") << "Kits"
                                   << "KitsStyle"
                                   << "Enter a name\nUp to 30 characters";
        QTest::newRow("style type") << "Styles"
                                    << "StylesType"
                                    << "Select one from the drop down list\nClick on the arrow "
                                       "button, then on a row in the list";
        QTest::newRow("supplier web site")
            << "Suppliers"
            << "SuppliersInternet"
            << "Enter the full web site address\nFor example: "
               "https://www.brewshop.example.com\nUp to 100 characters";
    }
    void fieldsShowTheirHints() {
        QFETCH(QString, table);
        QFETCH(QString, control);
        QFETCH(QString, hint);
        auto dlg = f.open(table);
        QVERIFY(dlg);
        dlg->hintBalloon()->setTimings(1, 50, 5000);
        auto* field = dlg->findChild<QWidget*>(control);
        QVERIFY(field);
        QTest::mouseMove(field);
        QTRY_VERIFY(dlg->hintBalloon()->isShowingHint());
        QCOMPARE(dlg->hintBalloon()->currentTool(), field);
        QCOMPARE(dlg->hintBalloon()->shownText(), hint);
    }

    // ------------------------------------------------------------ an empty table

    void emptyTableStartsWithAdd_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("fields");  // "Column=value", the first one focused
        QTest::newRow("kits") << "Kits"
                              << QStringList{"KitsManuf=Brauerei Ölmühle", "KitsStyle=Dunkel"};
        QTest::newRow("styles") << "Styles"
                                << QStringList{"StylesName=Gose", "StylesCategory=Historical"};
        QTest::newRow("water") << "Water" << QStringList{"WaterType=Pilsen"};
        QTest::newRow("glossary") << "Glossary" << QStringList{"GlossaryTerm=Wort"};
        QTest::newRow("suppliers") << "Suppliers" << QStringList{"SuppliersName=Corner Shop"};
        QTest::newRow("brewer") << "Brewer" << QStringList{"BrewerName=Me"};
    }
    // Nothing to show, nothing to delete; Add starts the first record, and
    // closing the window keeps it.
    void emptyTableStartsWithAdd() {
        QFETCH(QString, table);
        QFETCH(QStringList, fields);
        f.exec(QStringLiteral("DELETE FROM \"%1\"").arg(table));
        auto dlg = f.open(table);
        QVERIFY(dlg);
        const QString first = fields.first().section(QLatin1Char('='), 0, 0);
        QVERIFY(!dlg->hasRecord());
        QVERIFY(!control(dlg.get(), first)->isEnabled());
        QVERIFY(!dlg->toolBar()->action(refdata::CAddChgToolBar::Delete)->isEnabled());
        keys::remove(dlg.get());
        keys::next(dlg.get());
        keys::last(dlg.get());
        QVERIFY(f.prompts.shown().empty());
        keys::add(dlg.get());
        QCOMPARE(focused(), first);
        for (const QString& field : fields) {
            enter(dlg.get(), field.section(QLatin1Char('='), 0, 0),
                  field.section(QLatin1Char('='), 1));
        }
        keys::escape(dlg.get());
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{262});
        QVERIFY(!dlg->isVisible());
        QCOMPARE(rowsIn(table), 1L);
    }

    // ------------------------------------------------------------ supplier addresses

    void addressRule_data() {
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("web");
        QTest::addColumn<QString>("opened");  // the URL handed over; empty: none
        const auto web = [](const char* name, const QString& address, const QString& url) {
            QTest::newRow(name) << QString() << address << url;
        };
        const auto mail = [](const char* name, const QString& address, const QString& url) {
            QTest::newRow(name) << address << QString() << url;
        };
        web("https", QStringLiteral("https://www.hopsandmore.example.com"),
            QStringLiteral("https://www.hopsandmore.example.com"));
        web("http with path and query", QStringLiteral("http://shop.example.com/kits?page=2"),
            QStringLiteral("http://shop.example.com/kits?page=2"));
        web("ftp", QStringLiteral("ftp://ftp.example.com/recipes.txt"),
            QStringLiteral("ftp://ftp.example.com/recipes.txt"));
        web("capitals, blanks around", QStringLiteral("  HTTPS://Example.COM/  "),
            QStringLiteral("https://example.com/"));
        web("mail address in the web field", QStringLiteral("mailto:orders@example.com"),
            QStringLiteral("mailto:orders@example.com"));
        mail("mail", QStringLiteral("orders@hopsandmore.example.com"),
             QStringLiteral("mailto:orders@hopsandmore.example.com"));
        mail("mail with subject", QStringLiteral("orders@example.com?subject=Order"),
             QStringLiteral("mailto:orders@example.com?subject=Order"));
        web("file path", QStringLiteral("/usr/bin/xterm"), QString());
        web("file address", QStringLiteral("file:///etc/passwd"), QString());
        web("file address in capitals", QStringLiteral("FILE:///home/brewer/.bashrc"), QString());
        web("program name", QStringLiteral("xterm"), QString());
        web("windows program", QStringLiteral("C:\\Windows\\System32\\cmd.exe"), QString());
        web("network share", QStringLiteral("\\\\server\\share\\setup.exe"), QString());
        web("home script", QStringLiteral("~/brew.sh"), QString());
        web("shell command", QStringLiteral("sh -c 'rm -rf ~'"), QString());
        web("script address", QStringLiteral("javascript:alert(1)"), QString());
        web("data address", QStringLiteral("data:text/html,<script>alert(1)</script>"), QString());
        web("other scheme", QStringLiteral("smb://server/share"), QString());
        web("no host", QStringLiteral("https://"), QString());
        web("no beginning", QStringLiteral("www.example.com"), QString());
        web("line break inside", QStringLiteral("https://example.com/\nfile:///etc/passwd"),
            QString());
        web("blanks only", QStringLiteral("   "), QString());
        mail("mail to a path", QStringLiteral("/bin/sh"), QString());
        mail("mail to a program", QStringLiteral("xterm"), QString());
        mail("mail with a blank", QStringLiteral("orders@example.com /bin/sh"), QString());
    }
    // The addresses come from the data, as another program or a shared data
    // database left them; the buttons are clicked with the mouse.
    void addressRule() {
        QFETCH(QString, email);
        QFETCH(QString, web);
        QFETCH(QString, opened);
        f.exec(QStringLiteral("INSERT INTO Suppliers (SuppliersName, SuppliersEMail, "
                              "SuppliersInternet) VALUES (?, ?, ?)"),
               {QStringLiteral("!First in the list"), email, web});
        auto dlg = openSuppliers(f);
        QVERIFY(dlg);
        QCOMPARE(shown(dlg.get(), QStringLiteral("SuppliersName")),
                 QStringLiteral("!First in the list"));
        QStringList handedOver;
        dlg->setUrlOpener([&](const QUrl& url) {
            handedOver << url.toString();
            return true;
        });
        QTest::mouseClick(email.isEmpty() ? dlg->visitWebSiteButton() : dlg->sendMessageButton(),
                          Qt::LeftButton);
        QCOMPARE(handedOver, opened.isEmpty() ? QStringList() : QStringList{opened});
        if (opened.isEmpty()) {
            QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{165});
            const Prompt& told = f.prompts.shown().front();
            QCOMPARE(told.icon, PromptIcon::Exclamation);
            const QString address = email.isEmpty() ? web : QStringLiteral("mailto:") + email;
            QCOMPARE(QString::fromStdString(told.text),
                     QStringLiteral("Support Program Error:\nAn error occurred while trying to "
                                    "contact \n%1\nvia the Internet or E-mail.\n\nError = 5")
                         .arg(address));
        } else {
            QVERIFY(f.prompts.shown().empty());
        }
        QVERIFY(!dlg->isDirty());
    }

    void emptyAddressDoesNothingAndAFailedOpenIsReported() {
        auto dlg = openSuppliers(f);
        QVERIFY(dlg);
        int calls = 0;
        dlg->setUrlOpener([&](const QUrl&) {
            ++calls;
            return false;  // nothing on this computer opens it
        });
        enter(dlg.get(), QStringLiteral("SuppliersEMail"), QString());
        enter(dlg.get(), QStringLiteral("SuppliersInternet"), QString());
        QTest::mouseClick(dlg->sendMessageButton(), Qt::LeftButton);
        QTest::mouseClick(dlg->visitWebSiteButton(), Qt::LeftButton);
        QCOMPARE(calls, 0);
        QVERIFY(f.prompts.shown().empty());

        enter(dlg.get(), QStringLiteral("SuppliersInternet"),
              QStringLiteral("https://www.example.com"));
        QTest::mouseClick(dlg->visitWebSiteButton(), Qt::LeftButton);
        QCOMPARE(calls, 1);
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{165});
        QVERIFY(QString::fromStdString(f.prompts.shown().front().text)
                    .endsWith(QStringLiteral("\nhttps://www.example.com\nvia the Internet or "
                                             "E-mail.\n\nError = 31")));
        // What was typed stays.
        QCOMPARE(edit(dlg.get(), "SuppliersInternet")->text(),
                 QStringLiteral("https://www.example.com"));
        QVERIFY(dlg->isDirty());
    }
};

MW_REGISTER_TEST(TestKitBrewerSupplier)

}  // namespace mw::test

#include "tst_kit_brewer_supplier.moc"
