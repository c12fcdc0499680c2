#include "refdata/add_chg_toolbar.h"

#include <QAction>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include "shell/pictures.h"
#include "storage/catalogue_string.h"

namespace mw::refdata {

namespace {

// Catalogue texts of the buttons: the status prompt, a line break and the
// button's name.
constexpr int kTextFirst = 1242;

const int kSlotCommands[CAddChgToolBar::kSlotCount] = {CAddChgToolBar::First,
                                                       CAddChgToolBar::Previous,
                                                       CAddChgToolBar::Next,
                                                       CAddChgToolBar::Last,
                                                       0,
                                                       CAddChgToolBar::Add,
                                                       CAddChgToolBar::Refresh,
                                                       CAddChgToolBar::Delete,
                                                       0,
                                                       CAddChgToolBar::Find};

QList<QKeySequence> keysOf(int command) {
    const auto ctrl = Qt::ControlModifier;
    const auto keypad = Qt::ControlModifier | Qt::KeypadModifier;
    switch (command) {
        case CAddChgToolBar::First:
            return {QKeySequence(ctrl | Qt::Key_F)};
        case CAddChgToolBar::Previous:
            return {QKeySequence(ctrl | Qt::Key_P)};
        case CAddChgToolBar::Next:
            return {QKeySequence(ctrl | Qt::Key_N)};
        case CAddChgToolBar::Last:
            return {QKeySequence(ctrl | Qt::Key_L)};
        // The keypad's keys, and the same keys on the main keyboard for
        // keyboards without a keypad.
        case CAddChgToolBar::Add:
            return {QKeySequence(keypad | Qt::Key_Plus), QKeySequence(ctrl | Qt::Key_Plus)};
        case CAddChgToolBar::Refresh:
            return {QKeySequence(ctrl | Qt::Key_R)};
        case CAddChgToolBar::Delete:
            return {QKeySequence(keypad | Qt::Key_Minus), QKeySequence(ctrl | Qt::Key_Minus)};
        default:
            return {};
    }
}

int textNumber(int command) {
    switch (command) {
        case CAddChgToolBar::First:
            return kTextFirst;
        case CAddChgToolBar::Previous:
            return kTextFirst + 1;
        case CAddChgToolBar::Next:
            return kTextFirst + 2;
        case CAddChgToolBar::Last:
            return kTextFirst + 3;
        case CAddChgToolBar::Add:
            return kTextFirst + 4;
        case CAddChgToolBar::Refresh:
            return kTextFirst + 5;
        case CAddChgToolBar::Delete:
            return kTextFirst + 6;
        default:
            return kTextFirst + 7;
    }
}

}  // namespace

const int* CAddChgToolBar::slotCommands() {
    return kSlotCommands;
}

QIcon CAddChgToolBar::findIcon() {
    // As many pixels per point as the screen has, to stay sharp.
    const qreal ratio = qApp != nullptr ? qApp->devicePixelRatio() : 1.0;
    QPixmap pm(qCeil(16 * ratio), qCeil(16 * ratio));
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 80, 170), 2));
    p.setBrush(QColor(230, 240, 255));
    p.drawEllipse(QRectF(2, 2, 8, 8));
    p.setPen(QPen(QColor(40, 40, 48), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
    return QIcon(pm);
}

CAddChgToolBar::CAddChgToolBar(QWidget* dialog) : QToolBar(dialog) {
    setObjectName(QStringLiteral("addChgToolBar"));
    setAccessibleName(QStringLiteral("Record toolbar"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const int command = kSlotCommands[slot];
        if (command == 0) {
            addSeparator();
            continue;
        }
        const QStringList text =
            storage::catalogueString(textNumber(command)).split(QLatin1Char('\n'));
        auto* action = new QAction(command == Find ? findIcon() : shell::commandIcon(command),
                                   text.value(1), this);
        action->setStatusTip(text.value(0));
        action->setToolTip(text.value(1));
        const QList<QKeySequence> keys = keysOf(command);
        if (!keys.isEmpty()) {
            action->setShortcuts(keys);
            action->setShortcutContext(Qt::WindowShortcut);
            action->setToolTip(QStringLiteral("%1 (%2)").arg(
                text.value(1), keys.front().toString(QKeySequence::NativeText)));
            // The dialog hears the keys wherever the focus is inside it, and
            // also when nothing in it can take the focus (an empty table).
            dialog->addAction(action);
        }
        addAction(action);
        connect(action, &QAction::triggered, this, [this, command] { emit triggered(command); });
        m_actions.insert(command, action);
    }
}

}  // namespace mw::refdata
