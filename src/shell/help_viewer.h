#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>

#include "resources/help_service.h"

class QTextBrowser;
class QLabel;

namespace mw::shell {

// The help window: the program's HTML help pages with back, forward and
// home, and a note when a topic has no page of its own.
class HelpViewer : public QWidget {
    Q_OBJECT

public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // `page`: a local file, perhaps with the anchor of a section.
    void showPage(const QUrl& page, const QString& note = QString());
    QTextBrowser* browser() const { return m_browser; }
    QString note() const;

private:
    QTextBrowser* m_browser;
    QLabel* m_note;
};

// Finds help pages by context number through "help/contexts.txt" (lines of
// "<number> <file>" or "<number> <file>#<anchor>"; others are comments) and
// shows them in one help window.
class HtmlHelpService final : public HelpService {
public:
    // `helpFolder`: where the pages and contexts.txt are; empty: found with
    // the program's files.
    explicit HtmlHelpService(QString helpFolder = QString());

    void showHelp(int context) override;

    // The page file of a context, or empty when it has none.
    QString pageFor(int context) const;
    // The page of a context with its section's anchor; empty when it has none.
    QUrl topicUrl(int context) const;
    HelpViewer* viewer() const { return m_viewer; }

private:
    QString m_folder;
    QHash<int, QString> m_pages;
    QPointer<HelpViewer> m_viewer;
};

}  // namespace mw::shell
