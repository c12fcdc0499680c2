#include "shell/hint_balloon.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

#include "storage/catalogue_string.h"

namespace mw::shell {

namespace {

constexpr int kMargin = 5;
constexpr int kMaxTextWidth = 360;
constexpr int kTextFlags = Qt::TextWordWrap | Qt::TextExpandTabs | Qt::AlignLeft | Qt::AlignTop;

QString withoutCarriageReturn(const QString& text) {
    QString t = text;
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

}  // namespace

CHintBalloon::CHintBalloon(QWidget* owner)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      m_owner(owner) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setObjectName(QStringLiteral("hintBalloon"));
    setCursor(Qt::ArrowCursor);
    setFont(QToolTip::font());
    setPalette(QToolTip::palette());
    m_startTimer.setSingleShot(true);
    m_startTimer.setInterval(kStartDelayMs);
    m_checkTimer.setInterval(kCheckIntervalMs);
    connect(&m_startTimer, &QTimer::timeout, this, &CHintBalloon::startDelayElapsed);
    connect(&m_checkTimer, &QTimer::timeout, this, &CHintBalloon::checkElapsed);
    if (owner) {
        connect(owner, &QObject::destroyed, this, &QObject::deleteLater);
    }
    qApp->installEventFilter(this);
}

CHintBalloon::~CHintBalloon() {
    m_startTimer.stop();
    m_checkTimer.stop();
}

void CHintBalloon::AddTool(QWidget* field, int stringNumber) {
    AddTool(field, storage::catalogueString(stringNumber));
}

void CHintBalloon::AddTool(QWidget* field, const QString& text) {
    m_tools.insert(field, Tool{text, false});
    field->setMouseTracking(true);
    connect(field, &QObject::destroyed, this, [this, field] { m_tools.remove(field); });
}

void CHintBalloon::AddToolAskingOwner(QWidget* field) {
    AddTool(field, QString());
    m_tools[field].askOwner = true;
}

void CHintBalloon::setActive(bool active) {
    m_active = active;
    if (!active) {
        m_startTimer.stop();
        hideHint();
        m_current = nullptr;
    }
}

void CHintBalloon::setTimings(int startDelayMs, int checkIntervalMs, int displayTimeMs) {
    m_startTimer.setInterval(startDelayMs);
    m_checkInterval = checkIntervalMs;
    m_checkTimer.setInterval(checkIntervalMs);
    m_displayTime = displayTimeMs;
}

QString CHintBalloon::shortForm(const QString& text) {
    const qsizetype cr = text.indexOf(QLatin1Char('\r'));
    return cr < 0 ? text : text.left(cr) + QStringLiteral("  ");
}

QString CHintBalloon::longForm(const QString& text) {
    const qsizetype cr = text.indexOf(QLatin1Char('\r'));
    return cr < 0 ? text : QStringLiteral("  ") + text.mid(cr + 1);
}

bool CHintBalloon::ownsWidget(QObject* object) const {
    if (!m_owner || !object->isWidgetType()) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(object);
    return widget == m_owner || m_owner->isAncestorOf(widget);
}

bool CHintBalloon::eventFilter(QObject* watched, QEvent* event) {
    if (!m_active) {
        return false;
    }
    const bool mine = watched == this;
    if (!mine && !ownsWidget(watched)) {
        return false;
    }
    switch (event->type()) {
        case QEvent::MouseMove:
            pointerAt(static_cast<QMouseEvent*>(event)->globalPosition().toPoint(), mine);
            break;
        case QEvent::Enter:
            pointerAt(static_cast<QEnterEvent*>(event)->globalPosition().toPoint(), mine);
            break;
        case QEvent::Leave:
            if (mine) {
                pointerLeftBalloon();
            } else if (m_tools.contains(static_cast<QWidget*>(watched))) {
                m_pointerKnown = false;  // left the field, perhaps the window
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonDblClick:
            if (!mine) {
                hideHint();
            }
            break;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (!mine) {
                hideHint();
            }
            break;
        default:
            break;
    }
    return false;
}

QWidget* CHintBalloon::toolAt(const QPoint& global) const {
    for (auto it = m_tools.constBegin(); it != m_tools.constEnd(); ++it) {
        QWidget* field = it.key();
        if (field->isVisible() && field != m_owner && m_owner && m_owner->isAncestorOf(field) &&
            field->rect().contains(field->mapFromGlobal(global))) {
            return field;
        }
    }
    return nullptr;
}

bool CHintBalloon::pointerOnBalloon() const {
    return isVisible() && m_onBalloon;
}

void CHintBalloon::pointerAt(const QPoint& global, bool onBalloon) {
    // The window under the pointer gets its events, so an event of the
    // owner's means the pointer is not on the balloon, even where the
    // balloon's place covers it.
    m_pointer = global;
    m_pointerKnown = true;
    m_onBalloon = onBalloon;
    QWidget* tool = onBalloon ? nullptr : toolAt(global);
    if (tool != nullptr && tool == m_current) {
        return;
    }
    if (pointerOnBalloon()) {
        return;
    }
    if (tool != nullptr) {
        m_current = tool;
        m_checkTimer.stop();
        m_startTimer.stop();
        hideHint();
        m_startTimer.start();
    } else if (!isVisible()) {
        m_startTimer.stop();
        m_current = nullptr;
    }
}

void CHintBalloon::pointerLeftBalloon() {
    // No more events come once the pointer is over another program's window,
    // so where it went is asked now: back on its field within the display
    // time the hint stays, anywhere else it goes. The leave that hiding the
    // balloon brings about itself changes nothing.
    m_onBalloon = false;
    if (!isVisible()) {
        return;
    }
    const QPoint global = QCursor::pos();
    if (m_current && toolAt(global) == m_current && m_shownFor < m_displayTime) {
        m_pointer = global;
        m_pointerKnown = true;
        return;
    }
    m_pointerKnown = false;
    hideHint();
}

void CHintBalloon::startDelayElapsed() {
    if (!m_current || !m_pointerKnown || toolAt(m_pointer) != m_current) {
        return;
    }
    showHint(m_pointer + QPoint(kOffsetX, kOffsetY), false);
    m_shownFor = 0;
    if (isVisible()) {
        m_checkTimer.start();
    }
}

void CHintBalloon::checkElapsed() {
    m_shownFor += m_checkInterval;
    if (pointerOnBalloon()) {
        return;  // even where the balloon covers another field
    }
    QWidget* tool = m_pointerKnown ? toolAt(m_pointer) : nullptr;
    if (tool != nullptr && tool != m_current) {
        m_checkTimer.stop();
        hideHint();
        return;
    }
    if (tool == m_current && m_shownFor < m_displayTime) {
        return;
    }
    hideHint();
}

QString CHintBalloon::textOf(QWidget* field) const {
    const auto it = m_tools.constFind(field);
    if (it == m_tools.constEnd()) {
        return QString();
    }
    if (it->askOwner) {
        return m_provider ? m_provider(field) : QString();
    }
    return it->text;
}

void CHintBalloon::showHint(const QPoint& at, bool longFormWanted) {
    m_fullText = textOf(m_current);
    if (m_fullText.isEmpty()) {
        return;
    }
    m_long = longFormWanted;
    m_shown = longFormWanted ? longForm(m_fullText) : shortForm(m_fullText);
    const QRect textRect = fontMetrics().boundingRect(QRect(0, 0, kMaxTextWidth, 10000), kTextFlags,
                                                      withoutCarriageReturn(m_shown));
    const QSize size(textRect.width() + 2 * kMargin, textRect.height() + 2 * kMargin);
    QPoint pos = at;
    QScreen* screen = QGuiApplication::screenAt(at);
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen != nullptr) {
        const QRect area = screen->availableGeometry();
        if (pos.x() + size.width() > area.right()) {
            pos.setX(area.right() - size.width());
        }
        if (pos.x() < area.left()) {
            pos.setX(area.left());
        }
        if (pos.y() + size.height() > area.bottom() && m_current) {
            // Near the bottom edge the hint goes above its field.
            pos.setY(m_current->mapToGlobal(QPoint(0, 0)).y() - size.height() - 2);
        }
    }
    m_shownAt = at;
    resize(size);
    move(pos);
    show();
    raise();
    update();
}

void CHintBalloon::hideHint() {
    if (isVisible()) {
        hide();
    }
    m_checkTimer.stop();
}

void CHintBalloon::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::ToolTipBase));
    p.setPen(palette().color(QPalette::ToolTipText));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.drawText(rect().adjusted(kMargin, kMargin, -kMargin, -kMargin), kTextFlags,
               withoutCarriageReturn(m_shown));
}

void CHintBalloon::mousePressEvent(QMouseEvent* event) {
    m_focusBefore = QApplication::focusWidget();
    if (m_fullText.contains(QLatin1Char('\r'))) {
        const QPoint at = m_shownAt;
        showHint(at, !m_long);
    }
    if (m_focusBefore) {
        m_focusBefore->setFocus();
    }
    event->accept();
}

}  // namespace mw::shell
