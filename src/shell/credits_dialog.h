#pragma once

#include <QDialog>
#include <QFont>
#include <QPixmap>
#include <QTimer>
#include <vector>

namespace mw {
class PromptService;
}

namespace mw::shell {

// One line of the scrolling credits and how it is drawn.
struct CreditLine {
    enum class Style { Role, Subheading, Heading, Title, Picture, Name };
    QString text;  // the picture's name for a picture line
    Style style = Style::Name;
};

// Reads the credits file: one line per credit, its style as a trailing tag
// ({heading}, {subheading}, {role}, {title}, {name}, {bitmap:NAME}); lines
// starting with "#" are comments.
std::vector<CreditLine> parseCredits(const QString& text);

// The credits box: the lines scroll up one pixel every 10 ms, each drawn in
// its own style, starting again with the first after the last.
class CCreditsDlg : public QDialog {
    Q_OBJECT

public:
    CCreditsDlg(std::vector<CreditLine> lines, PromptService& prompts, QWidget* parent = nullptr);

    static constexpr int kTickMs = 10;

    // One timer tick (public for tests): scroll one pixel, bring in the next
    // line when the previous one has fully entered.
    void tick();
    bool isScrolling() const { return m_timer.isActive(); }
    // The number of lines taken from the table so far (wraps round).
    int linesTaken() const { return m_taken; }
    const CreditLine* currentLine() const;

    static QFont fontOf(CreditLine::Style style);
    static QColor colorOf(CreditLine::Style style);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Placed {
        int index;
        int y;
        int height;
        QPixmap picture;
    };

    bool takeNextLine();

    std::vector<CreditLine> m_lines;
    PromptService& m_prompts;
    QWidget* m_area;
    QTimer m_timer;
    std::vector<Placed> m_placed;
    int m_taken = 0;
};

}  // namespace mw::shell
