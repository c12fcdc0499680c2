#include <QPushButton>
#include <QtTest>

#include "resources/message_catalogue.h"
#include "resources/version_info.h"
#include "shell/about_dialog.h"
#include "shell/color_static.h"
#include "shell/credits_dialog.h"
#include "shell/help_viewer.h"
#include "shell/splash_window.h"
#include "shell_fixture.h"
#include "storage/settings.h"
#include "support/qt_printers.h"
#include "support/test_registry.h"

using namespace mw;
using namespace mw::shell;

namespace {

struct Desktop {
    QStringList opened;
    QStringList started;
    bool succeed = false;
    DesktopActions actions() {
        return {[this](const QString& a) {
                    opened << a;
                    return succeed;
                },
                [this](const QString& p) {
                    started << p;
                    return succeed;
                }};
    }
};

std::vector<CreditLine> credits(int count, const QString& lastPicture = QString()) {
    std::vector<CreditLine> lines;
    for (int i = 0; i < count; ++i) {
        lines.push_back({QStringLiteral("Line %1").arg(i + 1), CreditLine::Style::Name});
    }
    if (!lastPicture.isEmpty()) {
        lines.back() = {lastPicture, CreditLine::Style::Picture};
    }
    return lines;
}

}  // namespace

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    void versionLinesComeFromTheBuild() {
        test::ShellFixture f;
        Desktop desktop;
        CAboutDlg about(*f.settings, f.prompts, desktop.actions());
        QCOMPARE(about.versionLine(), QStringLiteral("Maltwise Calculator  Product Version ") +
                                          QString::fromLatin1(version::kProductVersion));
        QCOMPARE(about.fileVersionLine(),
                 QStringLiteral("File Version ") + QString::fromLatin1(version::kFileVersion));
        QVERIFY(about.webLink()->isLink());
        QCOMPARE(about.webLink()->textColor(), QColor(0, 0, 255));
        QVERIFY(about.webLink()->isUnderline());
    }

    void linksThatCannotOpenGiveMessage100() {
        test::ShellFixture f;
        Desktop desktop;
        CAboutDlg about(*f.settings, f.prompts, desktop.actions());
        about.webButton()->click();
        QTest::mouseClick(about.mailLink(), Qt::LeftButton);
        QCOMPARE(desktop.opened, (QStringList{QString::fromUtf8(catalogueText(87).data()),
                                              QString::fromUtf8(catalogueText(110).data())}));
        QCOMPARE(f.prompts.shownNumbers(), (std::vector<int>{100, 100}));
        QCOMPARE(f.prompts.shown()[0].text,
                 formatMessage(100, std::string(catalogueText(16)), "0"));
        desktop.succeed = true;
        about.mailButton()->click();
        QCOMPARE(f.prompts.shown().size(), std::size_t(2));
    }

    void systemInfoAndMoreInfo() {
        test::ShellFixture f;
        f.settings->setString(storage::Setting::MSInfoPath, QString());
        Desktop desktop;
        CAboutDlg about(*f.settings, f.prompts, desktop.actions());
        about.systemInfoButton()->click();
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{215});
        QCOMPARE(f.prompts.shown()[0].text, formatMessage(215, ""));
        about.moreInfoButton()->click();
        QCOMPARE(f.prompts.shownNumbers(), (std::vector<int>{215, 19}));
        QSignalSpy credits(&about, &CAboutDlg::creditsRequested);
        about.creditsButton()->click();
        QCOMPARE(credits.count(), 1);
    }

    void creditsFileIsParsed() {
        const auto lines = parseCredits(
            "# a comment\nMaltwise Calculator{heading}\nBrewing{role}\nAda{name}\n{name}\n"
            "{bitmap:hops}\nThanks{subheading}\nWortline{title}\n");
        QCOMPARE(int(lines.size()), 7);
        QCOMPARE(lines[0].style, CreditLine::Style::Heading);
        QCOMPARE(lines[3].text, QString());
        QCOMPARE(lines[4].style, CreditLine::Style::Picture);
        QCOMPARE(lines[4].text, QStringLiteral("hops"));
        QCOMPARE(CCreditsDlg::colorOf(CreditLine::Style::Heading), QColor(255, 0, 0));
        QCOMPARE(CCreditsDlg::colorOf(CreditLine::Style::Title), QColor(0, 0, 255));
    }

    void shippedCreditsHave48Lines() {
        QFile file(QStringLiteral(MW_SOURCE_RESOURCES "/credits.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(int(parseCredits(QString::fromUtf8(file.readAll())).size()), 48);
    }

    void creditsWrapAroundAfterTheLastLine() {
        test::ShellFixture f;
        CCreditsDlg dlg(credits(48), f.prompts);
        dlg.resize(300, 120);
        dlg.show();
        while (dlg.linesTaken() < 49) {
            dlg.tick();
        }
        QCOMPARE(dlg.currentLine()->text, QStringLiteral("Line 1"));
        QVERIFY(dlg.isScrolling());
    }

    void missingCreditPictureStopsTheScroll() {
        test::ShellFixture f;
        CCreditsDlg dlg(credits(3, QStringLiteral("brewhouse")), f.prompts);
        dlg.show();
        for (int i = 0; i < 200 && dlg.isScrolling(); ++i) {
            dlg.tick();
        }
        QVERIFY(!dlg.isScrolling());
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{1022});
        QCOMPARE(f.prompts.shown()[0].text, formatMessage(1022, "brewhouse"));
    }

    void colorLabelBlinks() {
        CColorStatic label;
        label.SetText(QStringLiteral("Errors"));
        label.SetTextColor(QColor(255, 0, 0));
        QCOMPARE(label.textColor(), QColor(255, 0, 0));
        label.SetBold(true);
        QVERIFY(label.isBold());
        label.SetBlink(true);
        QTRY_COMPARE_WITH_TIMEOUT(label.text(), QString(), 1500);
        QTRY_COMPARE_WITH_TIMEOUT(label.text(), QStringLiteral("Errors"), 1500);
        label.SetBlink(false);
        QCOMPARE(label.text(), QStringLiteral("Errors"));
        label.SetDefaultTextColor();
        QCOMPARE(label.textColor(), QPalette().color(QPalette::WindowText));
    }

    void splashClosesOnAKey() {
        auto* splash = new SplashWindow;
        QPointer<SplashWindow> guard(splash);
        splash->showCentred();
        QVERIFY(splash->isVisible());
        QTest::keyClick(splash, Qt::Key_Space);
        QTRY_VERIFY(guard.isNull());  // closed and gone long before 2500 ms
    }

    void helpFindsItsPages() {
        HtmlHelpService help(QStringLiteral(MW_SOURCE_RESOURCES "/help"));
        for (int context : {0, 32879, 57668, 98338, 98339, 98340, 98342, 98343, 98344, 98385, 98386,
                            98404, 98409, 98410, 102, 161, 162, 163, 1010}) {
            QVERIFY2(!help.pageFor(context).isEmpty(), qPrintable(QString::number(context)));
        }
        QVERIFY(help.pageFor(4242).isEmpty());
        help.showHelp(4242);
        QVERIFY(help.viewer() != nullptr);
        QCOMPARE(help.viewer()->note(), QString::fromStdString(formatMessage(1028, "4242")));
        help.viewer()->close();
    }
};

MW_REGISTER_TEST(TestAbout)
#include "tst_about.moc"
