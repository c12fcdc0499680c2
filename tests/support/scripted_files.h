#pragma once

#include <QStringList>

#include "shell/file_chooser.h"

namespace mw::test {

// Answers file boxes from a list (cancel when it runs dry) and records what
// each box asked for.
class ScriptedFiles final : public shell::FileChooser {
public:
    QString chooseFile(QWidget*, const shell::FileRequest& request) override {
        requests.push_back(request);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }

    QStringList answers;
    std::vector<shell::FileRequest> requests;
};

}  // namespace mw::test
