#pragma once

#include <QString>

class QWidget;

namespace mw::shell {

// What an open-file box asks for: its caption, the file types as
// "Description (*.ext)" filters, the extension added to a bare name, and
// where it starts.
struct FileRequest {
    QString caption;
    QString filter;
    QString defaultSuffix;
    QString startPath;
};

// The one way the program asks the user for a file; tests give answers
// without a window.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen existing file, or empty when the user cancelled.
    virtual QString chooseFile(QWidget* parent, const FileRequest& request) = 0;
};

// The desktop file box: the file must exist.
class QtFileChooser final : public FileChooser {
public:
    QString chooseFile(QWidget* parent, const FileRequest& request) override;
};

}  // namespace mw::shell
