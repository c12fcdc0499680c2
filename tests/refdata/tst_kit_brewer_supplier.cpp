// The rules of their own that the kit, style, water, brewer and supplier
// dialogs add to the common cycle: the kit's length limits, the last brewer,
// the new style's and water's defaults, and which addresses the supplier's
// Send Message and Visit Web Site hand to the desktop.

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "refdata/brewer_dlg.h"
#include "refdata/kits_dlg.h"
#include "refdata/styles_dlg.h"
#include "refdata/suppliers_dlg.h"
#include "refdata/water_dlg.h"
#include "shell/shell_fixture.h"
#include "storage/data_records.h"
#include "storage/database.h"
#include "storage/document_plus.h"
#include "storage/seed_data.h"
#include "support/test_registry.h"

namespace mw::test {

namespace {

// A copy of the seeded data database per test, named in the settings.
struct RulesRig : ShellFixture {
    QString data;
    storage::CDocumentPlus documents{*settings, prompts, &help};

    explicit RulesRig(const QString& seeded) {
        data = path(QStringLiteral("data.mdb"));
        QFile::copy(seeded, data);
        settings->setString(storage::Setting::DefaultDataFile, data);
    }
    refdata::ReferenceDialogContext context() { return {documents, *settings, prompts, &help}; }

    template <typename Dialog>
    std::unique_ptr<Dialog> open() {
        auto dialog = std::make_unique<Dialog>(context());
        if (!dialog->load()) {
            return nullptr;
        }
        dialog->show();
        dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(dialog.get())) {
            return nullptr;
        }
        return dialog;
    }
};

void press(QWidget* dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QWidget* target = dialog->focusWidget() != nullptr ? dialog->focusWidget() : dialog;
    QTest::keyClick(target, key, modifiers);
}
void addRecord(QWidget* dialog) {
    press(dialog, Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
}
void deleteRecord(QWidget* dialog) {
    press(dialog, Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
}
void typeInto(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

// Rows of one table of a data database, read afresh.
template <typename Record>
long rowCount(const QString& file) {
    storage::Database db;
    db.open(file);
    Record r(&db);
    r.open();
    return r.recordCount();
}

template <typename Record, typename Read>
bool findRow(const QString& file, const QString& index, const QVariantList& keys, Read read) {
    storage::Database db;
    db.open(file);
    Record r(&db);
    r.open();
    r.setCurrentIndex(index);
    if (!r.seek(QStringLiteral("="), keys)) {
        return false;
    }
    read(r);
    return true;
}

template <typename Record, typename Fill>
void writeRow(const QString& file, Fill fill) {
    storage::Database db;
    db.open(file);
    Record r(&db);
    r.open();
    r.addNew();
    fill(r);
    r.update();
}

}  // namespace

class TestKitBrewerSupplier : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_seeded;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        m_seeded = m_dir.filePath(QStringLiteral("seeded.mdb"));
        storage::createSeededDataDatabase(m_seeded);
    }

    // ------------------------------------------------------------ kits

    void kitTypingStopsAtTheLimits() {
        RulesRig rig(m_seeded);
        auto dlg = rig.open<refdata::CKitsDlg>();
        QVERIFY(dlg);
        addRecord(dlg.get());
        QCOMPARE(QApplication::focusWidget(), dlg->manufacturerField());
        const QString sixty = QString(60, QLatin1Char('m'));
        QTest::keyClicks(dlg->manufacturerField(), sixty);
        QCOMPARE(dlg->manufacturerField()->text(), sixty.left(50));
        typeInto(dlg->styleField(), QString(40, QLatin1Char('s')));
        QCOMPARE(dlg->styleField()->text(), QString(30, QLatin1Char('s')));
        press(dlg.get(), Qt::Key_L);  // leaves the new kit: it is saved at the limits
        QCOMPARE(rig.prompts.shownNumbers(), std::vector<int>{262});
        QVERIFY((findRow<storage::CRecordSetKits>(rig.data, QStringLiteral("IndexKitsManufStyle"),
                                                  {sixty.left(50), QString(30, QLatin1Char('s'))},
                                                  [](auto&) {})));
    }

    void kitLongerThanItsLimitIsRefused_data() {
        QTest::addColumn<QString>("manufacturer");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("refused");  // the field named, empty: saved
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
        RulesRig rig(m_seeded);
        writeRow<storage::CRecordSetKits>(rig.data, [&](storage::CRecordSetKits& r) {
            r.m_KitsManuf = manufacturer;
            r.m_KitsStyle = style;
            r.setFieldNull(&r.m_KitsManuf, false);
            r.setFieldNull(&r.m_KitsStyle, false);
        });
        auto dlg = rig.open<refdata::CKitsDlg>();
        QVERIFY(dlg);
        // Index order puts the new kit first.
        QCOMPARE(dlg->manufacturerField()->text(), manufacturer);
        QCOMPARE(dlg->styleField()->text(), style);
        press(dlg.get(), Qt::Key_N);
        if (refused.isEmpty()) {
            QVERIFY(rig.prompts.shown().empty());
            QVERIFY(dlg->manufacturerField()->text() != manufacturer);
            return;
        }
        QCOMPARE(rig.prompts.shownNumbers(), std::vector<int>{1271});
        const mw::Prompt& shown = rig.prompts.shown().front();
        QCOMPARE(shown.icon, PromptIcon::Exclamation);
        const QString text = QString::fromStdString(shown.text);
        QVERIFY2(text.contains(refused) && text.contains(limit), qPrintable(text));
        QLineEdit* field =
            refused == QLatin1String("Style") ? dlg->styleField() : dlg->manufacturerField();
        QCOMPARE(QApplication::focusWidget(), field);
        // Still on the kit, nothing cut.
        QCOMPARE(dlg->manufacturerField()->text(), manufacturer);
        QCOMPARE(dlg->styleField()->text(), style);
        // Shortened, it saves.
        field->end(false);
        QTest::keyClick(field, Qt::Key_Backspace);
        rig.prompts.clear();
        press(dlg.get(), Qt::Key_N);
        QCOMPARE(rig.prompts.shownNumbers(), std::vector<int>{262});
        QVERIFY(dlg->manufacturerField()->text() != manufacturer);
    }

    void kitNumberFieldWithTextIsRefused() {
        RulesRig rig(m_seeded);
        auto dlg = rig.open<refdata::CKitsDlg>();
        QVERIFY(dlg);
        const QString manufacturer = dlg->manufacturerField()->text();
        auto* hbu = dlg->findChild<QLineEdit*>(QStringLiteral("KitsHBU"));
        typeInto(hbu, QStringLiteral("seven"));
        press(dlg.get(), Qt::Key_N);
        QCOMPARE(rig.prompts.shownNumbers(), std::vector<int>{1001});
        QVERIFY(QString::fromStdString(rig.prompts.shown().front().text)
                    .contains(QStringLiteral("Home Bitterness Units")));
        QCOMPARE(QApplication::focusWidget(), hbu);
        QCOMPARE(hbu->text(), QStringLiteral("seven"));
        QCOMPARE(dlg->manufacturerField()->text(), manufacturer);
        QVERIFY(dlg->isDirty());
    }

    // ------------------------------------------------------------ styles, water, brewer

    void newStyleStartsWithBlanksAndAle() {
        RulesRig rig(m_seeded);
        auto dlg = rig.open<refdata::CStylesDlg>();
        QVERIFY(dlg);
        addRecord(dlg.get());
        QCOMPARE(QApplication::focusWidget(), dlg->nameField());
        QCOMPARE(dlg->categoryField()->text(), QStringLiteral(" "));
        QCOMPARE(dlg->subcategoryField()->text(), QStringLiteral(" "));
        QCOMPARE(dlg->typeList()->currentText().trimmed(), QStringLiteral("Ale"));
        // Letters beyond ASCII arrive as an input method delivers them.
        dlg->nameField()->insert(QStringLiteral("Zwickelbier \"Hausbräu\""));
        // A single blank is no category.
        press(dlg.get(), Qt::Key_F);
        QCOMPARE(rig.prompts.shownNumbers(), (std::vector<int>{119}));
        QCOMPARE(QApplication::focusWidget(), dlg->categoryField());
        typeInto(dlg->categoryField(), QStringLiteral("Kellerbier"));
        typeInto(dlg->subcategoryField(), QStringLiteral("7C"));
        rig.prompts.clear();
        press(dlg.get(), Qt::Key_F);
        QCOMPARE(rig.prompts.shownNumbers(), (std::vector<int>{262}));
        QString type;
        QVERIFY((findRow<storage::CRecordSetStyles>(
            rig.data, QStringLiteral("IndexStylesNameCatSubcat"),
            {QStringLiteral("Zwickelbier \"Hausbräu\""), QStringLiteral("Kellerbier"),
             QStringLiteral("7C")},
            [&](storage::CRecordSetStyles& r) { type = r.m_StylesType; })));
        QCOMPARE(type, QStringLiteral("Ale         "));
    }

    void newWaterIsSoftAndNewBrewerHasNoLevel() {
        RulesRig rig(m_seeded);
        {
            auto dlg = rig.open<refdata::CWaterDlg>();
            QVERIFY(dlg);
            addRecord(dlg.get());
            QCOMPARE(QApplication::focusWidget(), dlg->typeField());
            QVERIFY(dlg->hardnessButtons().at(0)->isChecked());
        }
        {
            auto dlg = rig.open<refdata::CBrewerDlg>();
            QVERIFY(dlg);
            QVERIFY(dlg->levelButtons().at(1)->isChecked());  // the seeded brewer
            addRecord(dlg.get());
            QCOMPARE(QApplication::focusWidget(), dlg->nameField());
            for (QAbstractButton* level : dlg->levelButtons()) {
                QVERIFY(!level->isChecked());
            }
        }
    }

    void lastBrewerAsksFirst_data() {
        QTest::addColumn<int>("deleteWarnings");
        QTest::addColumn<int>("answer");  // to "Should delete of last brewer be allowed?"
        QTest::addColumn<std::vector<int>>("messages");
        QTest::addColumn<long>("brewersLeft");
        QTest::newRow("No keeps the brewer")
            << 1 << int(PromptAnswer::No) << std::vector<int>{1270} << 1L;
        QTest::newRow("No, warnings off")
            << 0 << int(PromptAnswer::No) << std::vector<int>{1270} << 1L;
        QTest::newRow("Yes, then the delete question")
            << 1 << int(PromptAnswer::Yes) << std::vector<int>{1270, 32} << 0L;
        QTest::newRow("Yes, warnings off")
            << 0 << int(PromptAnswer::Yes) << std::vector<int>{1270} << 0L;
    }
    void lastBrewerAsksFirst() {
        QFETCH(int, deleteWarnings);
        QFETCH(int, answer);
        QFETCH(std::vector<int>, messages);
        QFETCH(long, brewersLeft);
        RulesRig rig(m_seeded);
        rig.settings->setInteger(storage::Setting::DisplayDeleteWarnings, deleteWarnings);
        QCOMPARE(rowCount<storage::CRecordSetBrewer>(rig.data), 1L);
        auto dlg = rig.open<refdata::CBrewerDlg>();
        QVERIFY(dlg);
        rig.prompts.answerNext(static_cast<PromptAnswer>(answer));
        deleteRecord(dlg.get());
        QCOMPARE(rig.prompts.shownNumbers(), messages);
        const mw::Prompt& question = rig.prompts.shown().front();
        QCOMPARE(question.text, std::string("Should delete of last brewer be allowed?"));
        QCOMPARE(question.icon, PromptIcon::Question);
        QCOMPARE(question.buttons, PromptButtons::YesNo);
        if (messages.size() > 1) {
            QCOMPARE(rig.prompts.shown()[1].text,
                     std::string("Please confirm delete -\nBrewer - Home Brewer"));
        }
        dlg->close();
        QCOMPARE(rowCount<storage::CRecordSetBrewer>(rig.data), brewersLeft);
    }

    void secondBrewerIsDeletedWithoutTheQuestion() {
        RulesRig rig(m_seeded);
        auto dlg = rig.open<refdata::CBrewerDlg>();
        QVERIFY(dlg);
        addRecord(dlg.get());
        dlg->nameField()->insert(QStringLiteral("Åsa O'Neill"));
        QTest::mouseClick(dlg->levelButtons().at(2), Qt::LeftButton);
        press(dlg.get(), Qt::Key_F);  // saved (262 answered Yes)
        QCOMPARE(rowCount<storage::CRecordSetBrewer>(rig.data), 2L);
        rig.prompts.clear();
        deleteRecord(dlg.get());
        QCOMPARE(rig.prompts.shownNumbers(), std::vector<int>{32});
        dlg->close();
        QCOMPARE(rowCount<storage::CRecordSetBrewer>(rig.data), 1L);
    }

    // ------------------------------------------------------------ supplier addresses

    void addressRule_data() {
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("web");
        QTest::addColumn<QString>("opened");  // the URL handed over, empty: none
        QTest::addColumn<bool>("refused");    // message 165 with "Error = 5"
        const auto web = [](const char* name, const QString& address, const QString& url) {
            QTest::newRow(name) << QString() << address << url << url.isEmpty();
        };
        const auto mail = [](const char* name, const QString& address, const QString& url) {
            QTest::newRow(name) << address << QString() << url << url.isEmpty();
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
    // The addresses come from the data: a supplier row as another program or
    // a shared data database left it. The buttons are clicked with the mouse.
    void addressRule() {
        QFETCH(QString, email);
        QFETCH(QString, web);
        QFETCH(QString, opened);
        QFETCH(bool, refused);
        RulesRig rig(m_seeded);
        writeRow<storage::CRecordSetSuppliers>(rig.data, [&](storage::CRecordSetSuppliers& r) {
            r.m_SuppliersName = QStringLiteral("!First in the list");
            r.m_SuppliersEMail = email;
            r.m_SuppliersInternet = web;
            for (QString* column :
                 {&r.m_SuppliersName, &r.m_SuppliersEMail, &r.m_SuppliersInternet}) {
                r.setFieldNull(column, false);
            }
        });
        auto dlg = rig.open<refdata::CSuppliersDlg>();
        QVERIFY(dlg);
        QCOMPARE(dlg->nameField()->text(), QStringLiteral("!First in the list"));
        QStringList handedOver;
        dlg->setUrlOpener([&](const QUrl& url) {
            handedOver << url.toString();
            return true;
        });
        QPushButton* button =
            email.isEmpty() ? dlg->visitWebSiteButton() : dlg->sendMessageButton();
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(handedOver, opened.isEmpty() ? QStringList() : QStringList{opened});
        if (refused) {
            QCOMPARE(rig.prompts.shownNumbers(), std::vector<int>{165});
            const QString text = QString::fromStdString(rig.prompts.shown().front().text);
            QVERIFY2(text.endsWith(QStringLiteral("Error = 5")), qPrintable(text));
            QVERIFY(text.contains(email.isEmpty() ? web : QStringLiteral("mailto:") + email));
            QCOMPARE(rig.prompts.shown().front().icon, PromptIcon::Exclamation);
        } else {
            QVERIFY(rig.prompts.shown().empty());
        }
        QVERIFY(!dlg->isDirty());
    }

    void emptyAddressDoesNothingAndAFailedOpenIsReported() {
        RulesRig rig(m_seeded);
        auto dlg = rig.open<refdata::CSuppliersDlg>();
        QVERIFY(dlg);
        int calls = 0;
        dlg->setUrlOpener([&](const QUrl&) {
            ++calls;
            return false;  // no browser on this computer
        });
        dlg->emailField()->clear();
        dlg->webField()->clear();
        QTest::mouseClick(dlg->sendMessageButton(), Qt::LeftButton);
        QTest::mouseClick(dlg->visitWebSiteButton(), Qt::LeftButton);
        QCOMPARE(calls, 0);
        QVERIFY(rig.prompts.shown().empty());

        typeInto(dlg->webField(), QStringLiteral("https://www.example.com"));
        QTest::mouseClick(dlg->visitWebSiteButton(), Qt::LeftButton);
        QCOMPARE(calls, 1);
        QCOMPARE(rig.prompts.shownNumbers(), std::vector<int>{165});
        QCOMPARE(
            rig.prompts.shown().front().text,
            std::string("Support Program Error:\nAn error occurred while trying to contact "
                        "\nhttps://www.example.com\nvia the Internet or E-mail.\n\nError = 31"));
        // What was typed stays.
        QCOMPARE(dlg->webField()->text(), QStringLiteral("https://www.example.com"));
    }
};

MW_REGISTER_TEST(TestKitBrewerSupplier)

}  // namespace mw::test

#include "tst_kit_brewer_supplier.moc"
