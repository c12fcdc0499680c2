#include <QFile>
#include <QPushButton>
#include <QtTest>

#include "resources/message_catalogue.h"
#include "shell/tip_dialog.h"
#include "shell_fixture.h"
#include "support/qt_printers.h"
#include "support/test_registry.h"

using namespace mw;
using namespace mw::shell;
using storage::Setting;

namespace {

QString writeTips(const QString& path, const QByteArray& content) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(content);
    return path;
}

const QByteArray kTips =
    "; the tips file\n"
    " an indented line is a comment too\n"
    "\tso is a tabbed one\n"
    "\n"
    "First tip\n"
    ";between\n"
    "Second tip\n"
    "Third tip\n";

}  // namespace

class TestTips : public QObject {
    Q_OBJECT

private slots:
    void commentsAreSkippedAndTheTipsWrapAround() {
        test::ShellFixture f;
        const QString tips = writeTips(f.path(QStringLiteral("tips.txt")), kTips);
        CTipDlg dlg(*f.settings, f.prompts, tips);
        QCOMPARE(dlg.tipText(), QStringLiteral("First tip"));
        dlg.nextButton()->click();
        QCOMPARE(dlg.tipText(), QStringLiteral("Second tip"));
        dlg.nextButton()->click();
        dlg.nextButton()->click();
        QCOMPARE(dlg.tipText(), QStringLiteral("First tip"));
        QVERIFY(f.prompts.shown().empty());
    }

    // The place is remembered between showings, and a changed file starts over.
    void continuesWhereItStoppedUntilTheFileChanges() {
        test::ShellFixture f;
        const QString tips = writeTips(f.path(QStringLiteral("tips.txt")), kTips);
        {
            CTipDlg dlg(*f.settings, f.prompts, tips);
            dlg.nextButton()->click();
        }
        {
            CTipDlg dlg(*f.settings, f.prompts, tips);
            QCOMPARE(dlg.tipText(), QStringLiteral("Third tip"));
        }
        QFile file(tips);
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                         QFileDevice::FileModificationTime);
        file.close();
        CTipDlg dlg(*f.settings, f.prompts, tips);
        QCOMPARE(dlg.tipText(), QStringLiteral("First tip"));
        QCOMPARE(f.settings->string(Setting::TipTimeStamp), CTipDlg::timeStampOf(tips));
    }

    void closingStoresTheStartUpChoice_data() {
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("viaClose");
        QTest::addColumn<int>("startUp");
        QTest::newRow("unchecked, Close") << false << true << 1;
        QTest::newRow("checked, Close") << true << true << 0;
        QTest::newRow("unchecked, close box") << false << false << 7;  // unchanged
    }
    void closingStoresTheStartUpChoice() {
        QFETCH(bool, checked);
        QFETCH(bool, viaClose);
        QFETCH(int, startUp);
        test::ShellFixture f;
        f.settings->setInteger(Setting::TipStartUp, 7);
        const QString tips = writeTips(f.path(QStringLiteral("tips.txt")), kTips);
        {
            CTipDlg dlg(*f.settings, f.prompts, tips);
            QVERIFY(!dlg.showTipsChecked());
            dlg.setShowTipsChecked(checked);
            if (viaClose) {
                dlg.closeButton()->click();
            } else {
                dlg.reject();
            }
        }
        QCOMPARE(f.settings->integer(Setting::TipStartUp), startUp);
        QVERIFY(f.settings->contains(Setting::TipFilePos));  // stored either way
    }

    void missingFile() {
        test::ShellFixture f;
        CTipDlg dlg(*f.settings, f.prompts, f.path(QStringLiteral("none.txt")));
        QCOMPARE(dlg.tipText(), QString::fromUtf8(catalogueText(145).data()));
        QVERIFY(!dlg.nextButton()->isEnabled());
        QVERIFY(!f.settings->contains(Setting::TipFilePos));
    }

    // A file without a single tip line must not keep the reading loop busy.
    void fileWithoutTipsDoesNotHang() {
        test::ShellFixture f;
        const QString tips =
            writeTips(f.path(QStringLiteral("tips.txt")), "; only comments\n\n  indented\n");
        CTipDlg dlg(*f.settings, f.prompts, tips);
        QCOMPARE(dlg.tipText(), QString::fromUtf8(catalogueText(1024).data()));
        QVERIFY(!dlg.nextButton()->isEnabled());
    }

    void positionBeyondTheEndIsReported() {
        test::ShellFixture f;
        const QString tips = writeTips(f.path(QStringLiteral("tips.txt")), kTips);
        f.settings->setString(Setting::TipTimeStamp, CTipDlg::timeStampOf(tips));
        f.settings->setInteger(Setting::TipFilePos, 100000);
        CTipDlg dlg(*f.settings, f.prompts, tips);
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{146});
        QCOMPARE(f.prompts.shown()[0].icon, PromptIcon::None);
        QCOMPARE(dlg.tipText(), QStringLiteral("First tip"));
    }

    void shippedTipsAreMany() {
        test::ShellFixture f;
        CTipDlg dlg(*f.settings, f.prompts, QStringLiteral(MW_SOURCE_RESOURCES "/tips.txt"));
        QStringList seen;
        for (int i = 0; i < 60; ++i) {
            seen << dlg.tipText();
            dlg.nextButton()->click();
        }
        seen.removeDuplicates();
        QVERIFY2(seen.size() >= 40, qPrintable(QString::number(seen.size())));
    }
};

MW_REGISTER_TEST(TestTips)
#include "tst_tips.moc"
