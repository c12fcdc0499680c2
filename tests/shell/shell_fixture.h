#pragma once

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "resources/help_service.h"
#include "storage/settings.h"
#include "support/scripted_files.h"
#include "support/scripted_prompts.h"

namespace mw::test {

class RecordingHelp final : public HelpService {
public:
    void showHelp(int context) override { contexts.push_back(context); }
    std::vector<int> contexts;
};

// Settings in a temporary folder, scripted message and file boxes, and a
// help that records what was asked.
struct ShellFixture {
    QTemporaryDir dir;
    std::unique_ptr<storage::Settings> settings;
    ScriptedPrompts prompts;
    ScriptedFiles files;
    RecordingHelp help;

    ShellFixture() {
        QStandardPaths::setTestModeEnabled(true);
        settings = std::make_unique<storage::Settings>(std::make_unique<QSettings>(
            dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat));
    }
    QString path(const QString& name) const { return dir.filePath(name); }
};

}  // namespace mw::test
