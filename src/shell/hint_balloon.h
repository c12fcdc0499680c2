#pragma once

#include <QHash>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace mw::shell {

// The pop-up field hint every dialog uses: when the pointer rests on a
// registered field for half a second, a small balloon shows the field's hint
// 20 pixels below the pointer, kept on the screen, for five seconds (longer
// while the pointer is on the balloon). A hint with a carriage return has a
// short and a long form; a click on the balloon switches between them. Keys
// and mouse presses hide it until the pointer moves to another field.
class CHintBalloon : public QWidget {
    Q_OBJECT

public:
    static constexpr int kStartDelayMs = 500;
    static constexpr int kCheckIntervalMs = 500;
    static constexpr int kDisplayTimeMs = 5000;
    static constexpr int kOffsetX = 0;
    static constexpr int kOffsetY = 20;

    explicit CHintBalloon(QWidget* owner);
    ~CHintBalloon() override;

    // A field whose hint is the catalogue text of `stringNumber`.
    void AddTool(QWidget* field, int stringNumber);
    // A field with its own text.
    void AddTool(QWidget* field, const QString& text);
    // A field whose text is asked from the owner each time it shows.
    void AddToolAskingOwner(QWidget* field);
    void setTextProvider(std::function<QString(QWidget* field)> provider) {
        m_provider = std::move(provider);
    }
    // Switches the hints on and off (the recipe form follows "DisplayToolTips").
    void setActive(bool active);

    // For tests: shorter timings.
    void setTimings(int startDelayMs, int checkIntervalMs, int displayTimeMs);

    QWidget* currentTool() const { return m_current; }
    bool isShowingHint() const { return isVisible(); }
    // The text as shown now (short or long form).
    QString shownText() const { return m_shown; }
    bool showingLongForm() const { return m_long; }

    // The two forms of a hint text: before the first carriage return and two
    // blanks; two blanks and what follows it. A text without one is whole.
    static QString shortForm(const QString& text);
    static QString longForm(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Tool {
        QString text;
        bool askOwner = false;
    };

    void pointerAt(const QPoint& global, bool onBalloon);
    QWidget* toolAt(const QPoint& global) const;
    bool pointerOnBalloon() const;
    void pointerLeftBalloon();
    void startDelayElapsed();
    void checkElapsed();
    void showHint(const QPoint& at, bool longForm);
    void hideHint();
    QString textOf(QWidget* field) const;
    bool ownsWidget(QObject* object) const;

    QPointer<QWidget> m_owner;
    QHash<QWidget*, Tool> m_tools;
    QPointer<QWidget> m_current;
    std::function<QString(QWidget*)> m_provider;
    QTimer m_startTimer;
    QTimer m_checkTimer;
    int m_checkInterval = kCheckIntervalMs;
    int m_displayTime = kDisplayTimeMs;
    int m_shownFor = 0;
    bool m_active = true;
    QPoint m_pointer;
    bool m_pointerKnown = false;
    bool m_onBalloon = false;
    QPoint m_shownAt;
    QString m_shown;
    QString m_fullText;
    bool m_long = false;
    QPointer<QWidget> m_focusBefore;
};

}  // namespace mw::shell
