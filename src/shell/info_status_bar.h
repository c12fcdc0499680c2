#pragma once

#include <QStatusBar>
#include <QStringList>

#include "storage/document_view.h"

class QLabel;
class QProgressBar;
class QToolButton;

namespace mw::shell {

// The main window's status bar: menu prompts and the current information
// line in the stretching first pane, a list of information lines browsed with
// the previous and next buttons (the recipe form puts its target-style ranges
// there), an information button, a progress bar, and the lock-key
// indicators, shown only where the window system tells their state.
class CInfoStatusBar : public QStatusBar, public storage::StatusReporter {
    Q_OBJECT

public:
    explicit CInfoStatusBar(QWidget* parent = nullptr);

    // Information lines.
    void AddLine(const QString& text, bool redraw = true, bool makeCurrent = true);
    void DeleteAllLines(bool redraw = true);
    void RemoveLine(int index);
    void PreviousLine();
    void NextLine();
    void ShowCurrentLine();
    bool CanGoPrevious() const;
    bool CanGoNext() const;
    bool HasLines() const { return !m_lines.isEmpty(); }
    const QStringList& lines() const { return m_lines; }
    int currentLine() const { return m_current; }
    QString linePaneText() const;

    // Position -1 hides the bar; otherwise a range above 0 is set first.
    void SetProgress(int position, int range = 0);
    // Sets the first pane's text and repaints it at once.
    void SetPaneTextNow(const QString& text);

    // StatusReporter, as the document drives it while opening.
    void setProgress(int position) override;
    void setStatusText(const QString& text) override;
    void resetStatus() override;

    QToolButton* previousButton() const { return m_previous; }
    QToolButton* nextButton() const { return m_next; }
    QToolButton* infoButton() const { return m_info; }
    QProgressBar* progressBar() const { return m_progress; }

signals:
    // The information button: the help about beer styles.
    void lineHelpRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateButtons();
    // Asks the window system for the lock lights and shows them.
    void updateIndicators();

    QStringList m_lines;
    int m_current = -1;
    QLabel* m_linePane;
    QToolButton* m_previous;
    QToolButton* m_next;
    QToolButton* m_info;
    QProgressBar* m_progress;
    QLabel* m_caps;
    QLabel* m_num;
    QLabel* m_scroll;
    quint64 m_lastKeyTime = 0;
    int m_lastKeyType = 0;
};

}  // namespace mw::shell
