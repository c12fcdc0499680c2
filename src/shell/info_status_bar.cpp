#include "shell/info_status_bar.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QToolButton>
#include <QtMath>

#include "resources/message_catalogue.h"
#include "shell/lock_key_state.h"
#include "storage/catalogue_string.h"

namespace mw::shell {

namespace {

constexpr int kButtonPaneWidth = 42;
constexpr int kProgressPaneWidth = 195;
constexpr int kMsgIdle = 57345;
constexpr int kMsgPaneTip = 1025;
constexpr int kNamePreviousLine = 1150;
constexpr int kNameNextLine = 1151;
constexpr int kNameLineHelp = 1152;
constexpr int kNameCapsLock = 1153;
constexpr int kNameNumLock = 1154;
constexpr int kNameScrollLock = 1155;
constexpr int kWordOn = 1156;
constexpr int kWordOff = 1157;
constexpr int kPaneButtonId = 166;
constexpr int kPaneProgressId = 167;

using storage::catalogueString;

// The three small pictures of the line buttons, 14 by 13 pixels.
QIcon lineButtonIcon(char kind) {
    // As many pixels per point as the screen has, to stay sharp.
    const qreal ratio = qApp != nullptr ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(qCeil(14 * ratio), qCeil(13 * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 60, 140));
    if (kind == 'i') {
        p.drawEllipse(QRectF(0.5, 0.0, 12.5, 12.5));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(5.8, 2.2, 2.0, 2.0));
        p.drawRect(QRectF(5.9, 5.2, 1.8, 5.3));
    } else {
        QPainterPath arrow;
        if (kind == '<') {
            arrow.moveTo(2, 6.5);
            arrow.lineTo(11, 1);
            arrow.lineTo(11, 12);
        } else {
            arrow.moveTo(12, 6.5);
            arrow.lineTo(3, 1);
            arrow.lineTo(3, 12);
        }
        arrow.closeSubpath();
        p.drawPath(arrow);
    }
    return QIcon(pixmap);
}

QToolButton* makeButton(QWidget* parent, char kind, const QString& tip) {
    auto* b = new QToolButton(parent);
    b->setIcon(lineButtonIcon(kind));
    b->setIconSize(QSize(14, 13));
    b->setFixedSize(14, 13);
    b->setAutoRaise(true);
    b->setToolTip(tip);
    b->setEnabled(false);
    return b;
}

QLabel* indicator(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 8);
    return label;
}

}  // namespace

CInfoStatusBar::CInfoStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("statusBar"));
    const QString paneTip = catalogueString(kMsgPaneTip);

    m_linePane = new QLabel(this);
    m_linePane->setObjectName(QStringLiteral("linePane"));
    m_linePane->setToolTip(paneTip);
    addWidget(m_linePane, 1);

    auto* buttonPane = new QWidget(this);
    buttonPane->setObjectName(QStringLiteral("pane%1").arg(kPaneButtonId));
    buttonPane->setFixedWidth(kButtonPaneWidth + 18);
    buttonPane->setToolTip(paneTip);
    auto* buttons = new QHBoxLayout(buttonPane);
    buttons->setContentsMargins(1, 0, 1, 0);
    buttons->setSpacing(2);
    buttons->addStretch(1);
    m_previous = makeButton(buttonPane, '<', paneTip);
    m_next = makeButton(buttonPane, '>', paneTip);
    m_info = makeButton(buttonPane, 'i', paneTip);
    // Picture-only buttons: a screen reader names them by what they do.
    m_previous->setAccessibleName(catalogueString(kNamePreviousLine));
    m_next->setAccessibleName(catalogueString(kNameNextLine));
    m_info->setAccessibleName(catalogueString(kNameLineHelp));
    buttons->addWidget(m_previous, 0, Qt::AlignVCenter);
    buttons->addWidget(m_next, 0, Qt::AlignVCenter);
    buttons->addWidget(m_info, 0, Qt::AlignVCenter);
    addPermanentWidget(buttonPane);

    auto* progressPane = new QWidget(this);
    progressPane->setObjectName(QStringLiteral("pane%1").arg(kPaneProgressId));
    progressPane->setFixedWidth(kProgressPaneWidth);
    progressPane->setToolTip(paneTip);
    auto* progressLayout = new QHBoxLayout(progressPane);
    progressLayout->setContentsMargins(1, 2, 1, 2);
    m_progress = new QProgressBar(progressPane);
    m_progress->setTextVisible(false);
    m_progress->setRange(0, 100);
    m_progress->hide();
    progressLayout->addWidget(m_progress);
    addPermanentWidget(progressPane);

    m_caps = indicator(this, QStringLiteral("capsIndicator"));
    m_num = indicator(this, QStringLiteral("numIndicator"));
    m_scroll = indicator(this, QStringLiteral("scrollIndicator"));
    addPermanentWidget(m_caps);
    addPermanentWidget(m_num);
    addPermanentWidget(m_scroll);

    connect(m_previous, &QToolButton::clicked, this, &CInfoStatusBar::PreviousLine);
    connect(m_next, &QToolButton::clicked, this, &CInfoStatusBar::NextLine);
    connect(m_info, &QToolButton::clicked, this, &CInfoStatusBar::lineHelpRequested);
    // A lock may have been switched on before the program started, or while
    // another program had the keyboard: the lights are asked for now, after
    // every key and whenever the program becomes active again.
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive) {
                    updateIndicators();
                }
            });
    updateIndicators();
    ShowCurrentLine();
}

void CInfoStatusBar::AddLine(const QString& line, bool redraw, bool makeCurrent) {
    m_lines.append(line);
    if (makeCurrent || m_lines.size() == 1) {
        m_current = static_cast<int>(m_lines.size()) - 1;
    }
    if (redraw) {
        ShowCurrentLine();
    }
}

void CInfoStatusBar::DeleteAllLines(bool redraw) {
    m_lines.clear();
    m_current = -1;
    if (redraw) {
        ShowCurrentLine();
    }
}

void CInfoStatusBar::RemoveLine(int index) {
    if (index < 0 || index >= m_lines.size()) {
        return;
    }
    m_lines.removeAt(index);
    if (m_lines.isEmpty()) {
        m_current = -1;
    } else if (index == m_current) {
        m_current = 0;
    } else if (index < m_current) {
        --m_current;
    }
    ShowCurrentLine();
}

bool CInfoStatusBar::CanGoPrevious() const {
    return m_current > 0;
}

bool CInfoStatusBar::CanGoNext() const {
    return m_current >= 0 && m_current < m_lines.size() - 1;
}

void CInfoStatusBar::PreviousLine() {
    if (CanGoPrevious()) {
        --m_current;
    }
    ShowCurrentLine();
}

void CInfoStatusBar::NextLine() {
    if (CanGoNext()) {
        ++m_current;
    }
    ShowCurrentLine();
}

void CInfoStatusBar::ShowCurrentLine() {
    m_linePane->setText(m_current >= 0 ? m_lines[m_current] : catalogueString(kMsgIdle));
    updateButtons();
}

QString CInfoStatusBar::linePaneText() const {
    return m_linePane->text();
}

void CInfoStatusBar::updateButtons() {
    m_previous->setEnabled(CanGoPrevious());
    m_next->setEnabled(CanGoNext());
    m_info->setEnabled(HasLines());
}

void CInfoStatusBar::SetProgress(int position, int range) {
    if (position < 0) {
        m_progress->hide();
        return;
    }
    if (range > 0) {
        m_progress->setRange(0, range);
    }
    m_progress->show();
    m_progress->setValue(position);
}

void CInfoStatusBar::SetPaneTextNow(const QString& paneText) {
    clearMessage();
    m_linePane->setText(paneText);
    m_linePane->repaint();
}

void CInfoStatusBar::setProgress(int position) {
    SetProgress(position, position == 0 ? 100 : 0);
}

void CInfoStatusBar::setStatusText(const QString& statusText) {
    SetPaneTextNow(statusText);
}

void CInfoStatusBar::resetStatus() {
    clearMessage();
    SetProgress(-1);
    ShowCurrentLine();
}

bool CInfoStatusBar::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && watched->isWidgetType()) {
        // A key event travels up the widget chain; ask once for each.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->timestamp() != m_lastKeyTime || int(type) != m_lastKeyType) {
            m_lastKeyTime = key->timestamp();
            m_lastKeyType = int(type);
            updateIndicators();
        }
    }
    return false;
}

void CInfoStatusBar::updateIndicators() {
    const LockKeyState state = readLockKeyState();
    // A light that is off shows nothing, so a screen reader is told its
    // state in words.
    const auto show = [](QLabel* pane, std::optional<bool> on, const QString& text, int name) {
        pane->setText(on.value_or(false) ? text : QString());
        pane->setVisible(on.has_value());
        const int word = on.value_or(false) ? kWordOn : kWordOff;
        pane->setAccessibleName(
            QString::fromStdString(formatMessage(name, catalogueString(word).toStdString())));
    };
    show(m_caps, state.capsLock, QStringLiteral("CAP"), kNameCapsLock);
    show(m_num, state.numLock, QStringLiteral("NUM"), kNameNumLock);
    show(m_scroll, state.scrollLock, QStringLiteral("SCRL"), kNameScrollLock);
}

}  // namespace mw::shell
