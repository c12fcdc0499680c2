#include "shell/file_chooser.h"

#include <QFileDialog>

namespace mw::shell {

QString QtFileChooser::chooseFile(QWidget* parent, const FileRequest& request) {
    QFileDialog box(parent, request.caption, request.startPath, request.filter);
    box.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    box.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    box.setDefaultSuffix(request.defaultSuffix);
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) {
        return QString();
    }
    return box.selectedFiles().constFirst();
}

}  // namespace mw::shell
