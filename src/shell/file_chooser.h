#pragma once

#include <QString>

class QWidget;

namespace mw::shell {

// What a file box asks for: its caption, the file types as
// "Description (*.ext)" filters, the extension added to a bare name, and
// where it starts (a folder, or a file name proposed in it). A box to save
// in takes a new name too, and asks before an existing file is replaced.
struct FileRequest {
    QString caption;
    QString filter;
    QString defaultSuffix;
    QString startPath;
    bool save = false;
};

// The one way the program asks the user for a file; tests give answers
// without a window.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen file (an existing one unless the request is to save), or
    // empty when the user cancelled.
    virtual QString chooseFile(QWidget* parent, const FileRequest& request) = 0;
};

// The desktop file box: the file must exist, unless it is to save in.
class QtFileChooser final : public FileChooser {
public:
    QString chooseFile(QWidget* parent, const FileRequest& request) override;
};

}  // namespace mw::shell
