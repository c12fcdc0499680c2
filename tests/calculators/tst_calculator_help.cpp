#include <QLineEdit>
#include <QtTest>
#include <memory>

#include "calc/hop_utilization.h"
#include "calculators/alcohol_calc_dlg.h"
#include "calculators/bitterness_calc_dlg.h"
#include "calculators/converter_dlg.h"
#include "calculators/og_calc_dlg.h"
#include "shell/help_topic.h"
#include "shell/shell_fixture.h"
#include "support/qt_printers.h"
#include "support/test_registry.h"

using namespace mw;
using namespace mw::calculators;

namespace {

std::unique_ptr<QDialog> makeWindow(const QString& name, PromptService& prompts) {
    static const calc::HopUtilizationTable tinseth = calc::HopUtilizationTable::tinsethDefaults();
    if (name == QLatin1String("bitterness")) {
        return std::make_unique<CBitternessCalcDlg>(tinseth, prompts, CalculatorLookups{});
    }
    if (name == QLatin1String("gravity")) {
        return std::make_unique<COGCalcDlg>(prompts, CalculatorLookups{});
    }
    if (name == QLatin1String("alcohol")) {
        return std::make_unique<CAlcoholCalcDlg>(prompts);
    }
    if (name == QLatin1String("SG and Balling")) {
        return std::make_unique<CSGBallingDlg>(prompts);
    }
    return std::make_unique<CABVABWDlg>(prompts);
}

}  // namespace

// F1 in a calculator or converter opens the window's own help topic.
class TestCalculatorHelp : public QObject {
    Q_OBJECT

private slots:
    void f1OpensTheWindowsTopic_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("topic");
        QTest::newRow("bitterness calculator") << "bitterness" << 102;
        QTest::newRow("original gravity calculator") << "gravity" << 214;
        QTest::newRow("alcohol calculator") << "alcohol" << 215;
        QTest::newRow("SG to/from Balling") << "SG and Balling" << 217;
        QTest::newRow("ABV to/from ABW") << "ABV and ABW" << 218;
    }
    void f1OpensTheWindowsTopic() {
        QFETCH(QString, window);
        QFETCH(int, topic);
        test::ScriptedPrompts prompts;
        test::RecordingHelp help;
        shell::HelpKeyFilter keys(help);
        const std::unique_ptr<QDialog> dialog = makeWindow(window, prompts);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        auto* field = dialog->findChild<QLineEdit*>();
        QVERIFY(field != nullptr);
        QTest::keyClick(field, Qt::Key_F1);
        QCOMPARE(help.contexts, std::vector<int>{topic});
    }
};

MW_REGISTER_TEST(TestCalculatorHelp)
#include "tst_calculator_help.moc"
