#include "shell/tip_dialog.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <ctime>

#include "resources/prompt_service.h"
#include "shell/pictures.h"
#include "shell/tip_reader.h"
#include "storage/catalogue_string.h"
#include "storage/settings.h"

namespace mw::shell {

namespace {
constexpr int kMsgHeading = 144;
constexpr int kMsgNoFile = 145;
constexpr int kMsgTrouble = 146;
constexpr int kMsgNoTips = 1024;
using storage::catalogueString;

// A white area behind the bulb and the heading.
class WhiteArea : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::white); }
};

}  // namespace

bool CTipDlg::showAtStartup(const storage::Settings& settings) {
    return settings.integer(storage::Setting::TipStartUp) == 0;
}

QString CTipDlg::timeStampOf(const QString& path) {
    const QDateTime modified = QFileInfo(path).lastModified();
    const std::time_t t = static_cast<std::time_t>(modified.toSecsSinceEpoch());
    const char* c = std::ctime(&t);
    return c ? QString::fromLatin1(c).trimmed() : QString();
}

CTipDlg::CTipDlg(storage::Settings& settings, PromptService& prompts, const QString& tipsPath,
                 QWidget* parent)
    : QDialog(parent), m_settings(settings), m_prompts(prompts) {
    setWindowTitle(QStringLiteral("Tip of the Day"));
    setObjectName(QStringLiteral("tipDialog"));
    resize(430, 300);

    auto* layout = new QVBoxLayout(this);
    auto* panel = new WhiteArea(this);
    auto* panelLayout = new QVBoxLayout(panel);
    m_headingArea = new WhiteArea(panel);
    auto* headingLayout = new QHBoxLayout(m_headingArea);
    auto* bulb = new QLabel(m_headingArea);
    bulb->setPixmap(bulbPicture());
    m_heading = new QLabel(catalogueString(kMsgHeading), m_headingArea);
    QFont headingFont = font();
    headingFont.setPixelSize(20);
    headingFont.setWeight(QFont::Weight(std::min(font().weight() + 300, 900)));
    m_heading->setFont(headingFont);
    headingLayout->addWidget(bulb);
    headingLayout->addWidget(m_heading, 1, Qt::AlignVCenter);
    panelLayout->addWidget(m_headingArea);
    m_tip = new QLabel(panel);
    m_tip->setObjectName(QStringLiteral("tipText"));
    m_tip->setWordWrap(true);
    m_tip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_tip->setTextFormat(Qt::PlainText);
    m_tip->setMargin(8);
    panelLayout->addWidget(m_tip, 1);
    layout->addWidget(panel, 1);

    auto* bottom = new QHBoxLayout;
    m_showTips = new QCheckBox(QStringLiteral("&Show Tips on StartUp"), this);
    m_next = new QPushButton(QStringLiteral("&Next Tip"), this);
    m_close = new QPushButton(QStringLiteral("&Close"), this);
    m_close->setDefault(true);
    bottom->addWidget(m_showTips);
    bottom->addStretch(1);
    bottom->addWidget(m_next);
    bottom->addWidget(m_close);
    layout->addLayout(bottom);
    connect(m_next, &QPushButton::clicked, this, &CTipDlg::showNextTip);
    connect(m_close, &QPushButton::clicked, this, &CTipDlg::accept);

    m_showTips->setChecked(showAtStartup(settings));
    qint64 position = settings.integer(storage::Setting::TipFilePos);
    m_file.setFileName(tipsPath);
    if (tipsPath.isEmpty() || !m_file.open(QIODevice::ReadOnly)) {
        m_tip->setText(catalogueString(kMsgNoFile));
        m_next->setEnabled(false);
        return;
    }
    const QString stamp = timeStampOf(tipsPath);
    if (stamp != settings.string(storage::Setting::TipTimeStamp)) {
        position = 0;
        settings.setString(storage::Setting::TipTimeStamp, stamp);
    }
    if (position < 0 || position > m_file.size() || !m_file.seek(position)) {
        m_prompts.show(kMsgTrouble, PromptIcon::None);
        m_file.seek(0);
    }
    readNextTip();
}

CTipDlg::~CTipDlg() {
    closeFile();
}

void CTipDlg::closeFile() {
    if (m_file.isOpen()) {
        m_settings.setInteger(storage::Setting::TipFilePos, static_cast<int>(m_file.pos()));
        m_file.close();
    }
}

void CTipDlg::readNextTip() {
    const NextTip next = nextTip(m_file);
    switch (next.outcome) {
        case NextTip::Outcome::Tip:
            m_tip->setText(next.text);
            break;
        case NextTip::Outcome::NoTips:
            m_tip->setText(catalogueString(kMsgNoTips));
            m_next->setEnabled(false);
            break;
        case NextTip::Outcome::Trouble:
            m_prompts.show(kMsgTrouble, PromptIcon::None);
            break;
    }
}

void CTipDlg::showNextTip() {
    if (m_file.isOpen()) {
        readNextTip();
    }
}

QString CTipDlg::tipText() const {
    return m_tip->text();
}
bool CTipDlg::showTipsChecked() const {
    return m_showTips->isChecked();
}
void CTipDlg::setShowTipsChecked(bool checked) {
    m_showTips->setChecked(checked);
}

void CTipDlg::accept() {
    m_settings.setInteger(storage::Setting::TipStartUp, m_showTips->isChecked() ? 0 : 1);
    QDialog::accept();
}

}  // namespace mw::shell
