#include "shell/credits_dialog.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "resources/message_catalogue.h"
#include "resources/prompt_service.h"
#include "shell/pictures.h"

namespace mw::shell {

namespace {
constexpr int kMsgNoPicture = 1022;
}

std::vector<CreditLine> parseCredits(const QString& text) {
    static const QRegularExpression tag(QStringLiteral("\\{([a-z]+)(?::([^}]*))?\\}\\s*$"));
    std::vector<CreditLine> lines;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        if (raw.startsWith(QLatin1Char('#')) || raw.trimmed().isEmpty()) {
            continue;
        }
        const QRegularExpressionMatch m = tag.match(raw);
        CreditLine line;
        line.text = m.hasMatch() ? raw.left(m.capturedStart()).trimmed() : raw.trimmed();
        const QString kind = m.captured(1);
        if (kind == QLatin1String("heading")) {
            line.style = CreditLine::Style::Heading;
        } else if (kind == QLatin1String("subheading")) {
            line.style = CreditLine::Style::Subheading;
        } else if (kind == QLatin1String("role")) {
            line.style = CreditLine::Style::Role;
        } else if (kind == QLatin1String("title")) {
            line.style = CreditLine::Style::Title;
        } else if (kind == QLatin1String("bitmap")) {
            line.style = CreditLine::Style::Picture;
            line.text = m.captured(2);
        }
        lines.push_back(line);
    }
    return lines;
}

QFont CCreditsDlg::fontOf(CreditLine::Style style) {
    // Fonts every Linux desktop has stand in for the classic faces.
    QFont f(QStringLiteral("DejaVu Sans"));
    switch (style) {
        case CreditLine::Style::Role:
            f.setPixelSize(15);
            f.setWeight(QFont::Thin);
            f.setUnderline(true);
            break;
        case CreditLine::Style::Subheading:
            f.setPixelSize(17);
            f.setWeight(QFont::Bold);
            break;
        case CreditLine::Style::Heading:
            f = QFont(QStringLiteral("DejaVu Serif"));
            f.setPixelSize(21);
            f.setWeight(QFont::Bold);
            f.setUnderline(true);
            break;
        case CreditLine::Style::Title:
            f = QFont(QStringLiteral("DejaVu Sans Condensed"));
            f.setPixelSize(19);
            f.setWeight(QFont::Bold);
            break;
        case CreditLine::Style::Picture:
        case CreditLine::Style::Name:
            f.setPixelSize(15);
            break;
    }
    return f;
}

QColor CCreditsDlg::colorOf(CreditLine::Style style) {
    switch (style) {
        case CreditLine::Style::Role:
        case CreditLine::Style::Subheading:
            return QColor(255, 0, 255);
        case CreditLine::Style::Heading:
            return QColor(255, 0, 0);
        case CreditLine::Style::Title:
            return QColor(0, 0, 255);
        default:
            return QColor(0, 0, 0);
    }
}

CCreditsDlg::CCreditsDlg(std::vector<CreditLine> lines, PromptService& prompts, QWidget* parent)
    : QDialog(parent), m_lines(std::move(lines)), m_prompts(prompts) {
    setWindowTitle(QStringLiteral("Credits"));
    setObjectName(QStringLiteral("creditsDialog"));
    auto* layout = new QVBoxLayout(this);
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(1, 1, 1, 1);
    m_area = new QWidget(frame);
    m_area->setObjectName(QStringLiteral("creditsArea"));
    m_area->setMinimumSize(340, 170);
    m_area->installEventFilter(this);
    frameLayout->addWidget(m_area);
    layout->addWidget(frame, 1);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, [this] {
        m_timer.stop();
        accept();
    });
    m_timer.setInterval(kTickMs);
    connect(&m_timer, &QTimer::timeout, this, &CCreditsDlg::tick);
    if (!m_lines.empty()) {
        m_timer.start();
    }
}

const CreditLine* CCreditsDlg::currentLine() const {
    return m_placed.empty() ? nullptr : &m_lines[static_cast<std::size_t>(m_placed.back().index)];
}

bool CCreditsDlg::takeNextLine() {
    const int index = m_taken % static_cast<int>(m_lines.size());
    const CreditLine& line = m_lines[static_cast<std::size_t>(index)];
    Placed placed{index, m_area->height(), 0, QPixmap()};
    if (line.style == CreditLine::Style::Picture) {
        placed.picture = creditsPicture(line.text);
        if (placed.picture.isNull()) {
            m_timer.stop();
            m_prompts.show(kMsgNoPicture, formatMessage(kMsgNoPicture, line.text.toStdString()),
                           PromptIcon::Exclamation);
            return false;
        }
        placed.height = qRound(placed.picture.deviceIndependentSize().height());
    } else {
        placed.height = fontOf(line.style).pixelSize() + 4;
    }
    m_placed.push_back(placed);
    ++m_taken;
    return true;
}

void CCreditsDlg::tick() {
    if (m_lines.empty()) {
        return;
    }
    const int height = m_area->height();
    if (m_placed.empty() || m_placed.back().y + m_placed.back().height <= height) {
        if (!takeNextLine()) {
            return;
        }
    }
    for (Placed& p : m_placed) {
        --p.y;
    }
    while (!m_placed.empty() && m_placed.front().y + m_placed.front().height < 0) {
        m_placed.erase(m_placed.begin());
    }
    m_area->update();
}

bool CCreditsDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_area && event->type() == QEvent::Paint) {
        QPainter p(m_area);
        p.fillRect(m_area->rect(), Qt::white);
        for (const Placed& placed : m_placed) {
            const CreditLine& line = m_lines[static_cast<std::size_t>(placed.index)];
            const QRect row(0, placed.y, m_area->width(), placed.height);
            if (line.style == CreditLine::Style::Picture) {
                const int width = qRound(placed.picture.deviceIndependentSize().width());
                p.drawPixmap(row.center().x() - width / 2, placed.y, placed.picture);
                continue;
            }
            p.setFont(fontOf(line.style));
            p.setPen(colorOf(line.style));
            p.drawText(row, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, line.text);
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace mw::shell
